// The running journey: the countdown with its warning, the distance readout that the pigeon
// brings back, and the feed passed with "１", "２", "３" and handed back at random.

#include "app/model/conversions.h"
#include "games/pigeon/form2.h"

namespace fm {
namespace {

constexpr std::int16_t kWarningDraw = 17;  // of 0 to 19
constexpr std::int16_t kWarningBelow = 100;
constexpr std::int16_t kHandBackDraw = 2;  // of 0 to 3

}  // namespace

void Form2::nokoritimer_Timer() {
  nokori = static_cast<std::int16_t>(nokori - 1);
  // Written even while the readout is hidden, so the pigeon always shows the current distance.
  Label2.setCaption(Str(nokori));
  warndraw = RndInt(20);
  if (nokori == 0) {
    Label2.setVisible(true);
    StopPlay();
  }
  if (warndraw == kWarningDraw && nokori < kWarningBelow) Image2.setVisible(true);
  if (nokori == 0) JudgeArrival();
}

void Form2::Timer5_Timer() {
  // Never stopped: the readout goes every 13 s, and the player must click the pigeon to see it.
  Label2.setVisible(false);
}

void Form2::Image1_Click() {
  Label2.setVisible(true);
}

// A press out of order is ignored and keeps the progress made so far.
void Form2::Command1_Click() {
  if (step == 0) step = 1;
}

void Form2::Command2_Click() {
  if (step == 1) step = 2;
}

void Form2::Command3_Click() {
  if (step == 2) PassFood();
}

void Form2::PassFood() {
  Image6.setVisible(true);
  Image7.setVisible(false);
  Command1.setEnabled(false);
  Command2.setEnabled(false);
  Command3.setEnabled(false);
  holder = kPartnerHolds;
  yominartn.setEnabled(true);
}

void Form2::yominartn_Timer() {
  rtndraw = RndInt(4);
  if (rtndraw == kHandBackDraw) ReturnFood();
}

void Form2::ReturnFood() {
  Image6.setVisible(false);
  Image7.setVisible(true);
  Command1.setEnabled(true);
  Command2.setEnabled(true);
  Command3.setEnabled(true);
  holder = kLeftHolds;
  step = 0;
  yominartn.setEnabled(false);
}

void Form2::StopPlay() {
  // Stopped before the judgement reads who holds the feed: no hand-back can come in between.
  yominartn.setEnabled(false);
  Command1.setVisible(false);
  Command2.setVisible(false);
  Command3.setVisible(false);
  Label6.setVisible(false);
}

}  // namespace fm
