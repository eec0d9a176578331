// Loading the race, the pace option, the Start button and the three-second countdown.

#include <cmath>

#include "app/model/conversions.h"
#include "games/swim/form1.h"

namespace fm {

void Form1::Form_Load() {
  // The marker starts its first sweep to the right; everything else starts from the layout.
  direction = 1;
}

void Form1::Option1_Click(std::int16_t Index) {
  // Each step down the list halves the pace of both the marker and the computer swimmer. The
  // timers are still stopped here, and setting an interval does not start them.
  const double factor = std::pow(2.0, Index);
  tenuriswim.setInterval(toLong(177 * factor));
  Timer2.setInterval(toLong(15 * factor));
}

void Form1::Command3_Click() {
  Option1(0).setVisible(false);
  Option1(1).setVisible(false);
  Option1(2).setVisible(false);
  // Stays disabled for the rest of the window's life: one race per opening of the window.
  // With the options hidden as well, no widget is left to hold the focus, so the arrow keys
  // reach the window.
  Command3.setEnabled(false);
  countdown = 3;
  Label1.setCaption(Str(countdown));
  Label1.setVisible(true);
  Timer1.setEnabled(true);
}

void Form1::Timer1_Timer() {
  countdown = static_cast<std::int16_t>(countdown - 1);
  Label1.setCaption(Str(countdown));
  if (countdown == 0) StartRace();
}

void Form1::StartRace() {
  Timer1.setEnabled(false);
  Label1.setVisible(false);
  sorunehosi.setTop(600);
  sorunehosi.setLeft(1560);
  tenurihosi.setTop(1320);
  tenurihosi.setLeft(1560);
  Image5.setLeft(3240);  // the centre of the bar
  Timer2.setEnabled(true);
  tenuriswim.setEnabled(true);
}

}  // namespace fm
