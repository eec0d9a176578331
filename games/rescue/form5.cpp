#include "games/rescue/form5.h"

#include "app/model/colours.h"

namespace fm {

Form5::Form5(Program& program)
    : Window(program, {"Form5", "ネモネモからラビト（ちゃん）を救え", 9060, 5415, kMenuText}, {}) {}

}  // namespace fm
