// The finish check, the verdict and the return to the menu.

#include "games/swim/form1.h"

namespace fm {
namespace {

constexpr float kFinish = 6480;  // a star has finished once it stands beyond this

}  // namespace

void Form1::hantei_Timer() {
  // Runs from the moment the window is loaded until it is unloaded, the finish included: a
  // stroke made after the finish can still change the verdict.
  if (sorunehosi.left() > kFinish || tenurihosi.left() > kFinish) FinishRace();
}

void Form1::FinishRace() {
  tenuriswim.setEnabled(false);
  Timer2.setEnabled(false);
  // Decided by position at this check; a tie goes to the computer.
  if (sorunehosi.left() > tenurihosi.left()) {
    ShowWin();
  } else {
    ShowLose();
  }
  // Already running after the first finish check, so it ticks 5000 ms after that one.
  owaritimer.setEnabled(true);
}

// Each verdict also withdraws the other one, so that a stroke after the finish that changes
// the order never leaves both pictures on screen and both swimmers gone.
void Form1::ShowWin() {
  Image3.setVisible(false);
  Image7.setVisible(true);
  Image8.setVisible(false);
  Image2.setVisible(true);
}

void Form1::ShowLose() {
  Image2.setVisible(false);
  Image8.setVisible(true);
  Image7.setVisible(false);
  Image3.setVisible(true);
}

void Form1::owaritimer_Timer() {
  // A menu that had been closed loads again here, and its loading already closes this
  // window; the Unload that follows then has nothing left to do.
  form("Form4").setVisible(true);
  Unload();
}

}  // namespace fm
