#include "games/duel/form3.h"

namespace fm {

Form3::Form3(Program& program)
    : Window(program, {"Form3", "カードじゃんけん一本勝負", 5430, 6285}, layout()) {
  variables().add("outcome", outcome);
  variables().add("roll", roll);
  variables().add("playerhand", playerhand);
  variables().add("opponenthand", opponenthand);
  variables().add("playerline", playerline);
  variables().add("opponentline", opponentline);
}

void Form3::NextStep(Widget& own, Widget& next) {
  next.setEnabled(true);
  own.setEnabled(false);
}

}  // namespace fm
