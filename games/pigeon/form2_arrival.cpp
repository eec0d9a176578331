// Arrival: the pigeon attacks whoever holds the feed, the verdict, and the return to the menu.

#include "games/pigeon/form2.h"

namespace fm {

void Form2::JudgeArrival() {
  // Before the first hand-back holder is still 0: that counts as a loss.
  if (holder == kPartnerHolds) {
    StartWin();
  } else {
    StartLose();
  }
  nokoritimer.setEnabled(false);
}

void Form2::StartWin() {
  Line2.setVisible(false);
  mkatitimer.setEnabled(true);
  owaritimer.setEnabled(true);
}

void Form2::StartLose() {
  Line2.setVisible(false);
  mmaketimer.setEnabled(true);
  owaritimer.setEnabled(true);
}

void Form2::mkatitimer_Timer() {  // 2 s after arrival: onto the partner
  Image1.setTop(3360);
  Image1.setLeft(3840);
  Image8.setVisible(true);
  mkatitimer.setEnabled(false);
}

void Form2::mmaketimer_Timer() {  // 2 s after arrival: onto the left character
  Image1.setTop(3480);
  Image1.setLeft(120);
  Image9.setVisible(true);
  mmaketimer.setEnabled(false);
}

void Form2::owaritimer_Timer() {  // 7 s after arrival
  Unload();
  form("Form4").setVisible(true);
}

}  // namespace fm
