#include "games/swim/form1.h"

namespace fm {

Form1::Form1(Program& program)
    : Window(program, {"Form1", "水泳勝負", 8655, 3135, kButtonFace, kStrokeKeys, kTouchTwins},
             layout()) {
  variables().add("countdown", countdown);
  variables().add("direction", direction);
  variables().add("grade", grade);
  variables().add("armed", armed);
}

}  // namespace fm
