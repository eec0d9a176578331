// Loading the journey and its opening: the partner finds the feed, the pigeon locks on, and
// the buttons appear.

#include "games/pigeon/form2.h"

namespace fm {

void Form2::Form_Load() {
  nokori = 556;
  Timer1.setEnabled(true);
}

void Form2::Timer1_Timer() {  // 1 s: the feed turns up beside the partner
  Image6.setVisible(true);
  Label5.setVisible(true);
  Timer2.setEnabled(true);
  Timer1.setEnabled(false);
}

void Form2::Timer2_Timer() {  // 1.5 s: she has picked it up
  Label5.setVisible(false);
  Label4.setVisible(true);
  Timer3.setEnabled(true);
  Timer2.setEnabled(false);
}

void Form2::Timer3_Timer() {  // 2.5 s: Rock ON!!, and the countdown begins
  Image5.setVisible(true);
  Timer4.setEnabled(true);
  nokoritimer.setEnabled(true);
  Timer3.setEnabled(false);
}

void Form2::Timer4_Timer() {  // 3.5 s: the journey is under way
  Image5.setVisible(false);
  Label6.setVisible(true);
  Command1.setVisible(true);
  Command2.setVisible(true);
  Command3.setVisible(true);
  // Shown greyed: the partner holds the feed until her first hand-back.
  Command1.setEnabled(false);
  Command2.setEnabled(false);
  Command3.setEnabled(false);
  Timer5.setEnabled(true);
  Label4.setVisible(false);
  yominartn.setEnabled(true);
  Timer4.setEnabled(false);
}

}  // namespace fm
