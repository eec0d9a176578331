#include "games/duel/form3.h"

namespace fm {

Form3::Form3(Program& program)
    : Window(program, {"Form3", "カードじゃんけん一本勝負", 5430, 6285}, {}) {}

}  // namespace fm
