#include "games/pigeon/form2.h"

namespace fm {

Form2::Form2(Program& program)
    : Window(program, {"Form2", "大阪東京間鳩襲来伝説", 8775, 5400}, layout()) {
  variables().add("nokori", nokori);
  variables().add("rtndraw", rtndraw);
  variables().add("step", step);
  variables().add("warndraw", warndraw);
  variables().add("holder", holder);
}

}  // namespace fm
