#include "games/rescue/form5.h"

#include "app/model/colours.h"

namespace fm {

Form5::Form5(Program& program)
    : Window(program, {"Form5", "ネモネモからラビト（ちゃん）を救え", 9060, 5415, kMenuText},
             layout()) {
  variables().add("dieA1", dieA1);
  variables().add("dieA2", dieA2);
  variables().add("dieA3", dieA3);
  variables().add("jackpotRoll", jackpotRoll);
  variables().add("dieB1", dieB1);
  variables().add("dieB2", dieB2);
  variables().add("dieB3", dieB3);
  variables().add("settleRoll1", settleRoll1);
  variables().add("settleRoll2", settleRoll2);
  variables().add("rescueValue", rescueValue);
  variables().add("settleRoll3", settleRoll3);
  variables().add("shownFace1", shownFace1);
  variables().add("shownFace2", shownFace2);
  variables().add("settledCount", settledCount);
  variables().add("shownFace3", shownFace3);
  variables().add("moveSteps", moveSteps);
  variables().add("distance", distance);
  variables().add("sumA", sumA);
  variables().add("sumB", sumB);
  variables().add("landA", landA);
  variables().add("landB", landB);
  variables().add("squareLevel", squareLevel);
  variables().add("levelValue", levelValue);
}

void Form5::Form_Load() {
  Randomize();
  distance = 100;
  // The squares' levels rise from 1, 18 or more squares away, to 12 next to the captor; her
  // own square is level 0.
  squareLevel[0] = 0;
  constexpr std::int16_t kNearLevels[] = {12, 11, 10, 9, 8, 7, 6};  // distances 1 to 7
  for (std::size_t d = 1; d <= 7; ++d) squareLevel[d] = kNearLevels[d - 1];
  squareLevel[8] = 6;
  for (std::size_t d = 9; d <= 11; ++d) squareLevel[d] = 5;
  for (std::size_t d = 12; d <= 15; ++d) squareLevel[d] = 4;
  squareLevel[16] = 3;
  squareLevel[17] = 2;
  squareLevel[18] = 1;
  constexpr std::int16_t kValues[] = {0, 1, 2, 5, 11, 22, 33, 44, 55, 66, 77, 88, 99};
  for (std::size_t level = 0; level < std::size(kValues); ++level) {
    levelValue[level] = kValues[level];
  }
  for (std::size_t d = 19; d <= 100; ++d) squareLevel[d] = 1;
}

}  // namespace fm
