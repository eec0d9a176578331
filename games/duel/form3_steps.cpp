// The duel's chain of one-shot steps. Each step does its part, starts the next step's delay and
// stops itself. Times are nominal, from the hand press (the rematch from its own press).

#include "games/duel/form3.h"

namespace fm {

// --- the main part, every duel ---

void Form3::Timer1_Timer() {  // 2 s: her card lies face down; the lines are drawn
  Image1.setPicture(Image5(1).picture());
  ChooseLines();
  NextStep(Timer1, Timer2);
}

void Form3::Timer2_Timer() {  // 3 s: the player speaks
  Label2.setCaption(playerline);
  NextStep(Timer2, Timer3);
}

void Form3::Timer3_Timer() {  // 4 s: the opponent speaks
  Label1.setCaption(opponentline);
  NextStep(Timer3, Timer4);
}

void Form3::Timer4_Timer() {  // 6 s: the first OPEN
  Image6.setPicture(openmark(0).picture());
  NextStep(Timer4, Timer5);
}

void Form3::Timer5_Timer() {  // 6.5 s: the player's card face up
  Image4.setPicture(sorunemoti(playerhand).picture());
  Image6.setPicture(nulll.picture());
  NextStep(Timer5, Timer6);
}

void Form3::Timer6_Timer() {  // 7 s: her reaction
  RevealReaction();
  Label1.setCaption(opponentline);
  NextStep(Timer6, Timer7);
}

void Form3::Timer7_Timer() {  // 8.5 s: the second OPEN
  Image6.setPicture(openmark(1).picture());
  NextStep(Timer7, Timer8);
}

void Form3::Timer8_Timer() {  // 9 s: her card face up
  Image1.setPicture(tenurimoti(opponenthand).picture());
  Image6.setPicture(nulll.picture());
  NextStep(Timer8, Timer9);
}

void Form3::Timer9_Timer() {  // 10 s: the result; the window closes at 15 s or the rematch follows
  Image6.setPicture(syoubuyo(outcome - 1).picture());
  if (outcome == kOutcomeWin) {
    EndAfterWin();
  } else if (outcome == kOutcomeLoss) {
    EndAfterLoss();
  } else if (outcome == kOutcomeRematch) {
    Timer10.setEnabled(true);
  }
  Timer9.setEnabled(false);
}

// --- the rematch, once in a hundred loads ---

void Form3::Timer10_Timer() {  // 11 s: ヨミナ takes the opponent's seat at a light-yellow table
  setBackColor(Label3.backColor());
  Image2.setPicture(Image7.picture());
  Image1.setPicture(nulll.picture());
  Image4.setPicture(nulll.picture());
  Label2.setVisible(false);
  NextStep(Timer10, Timer19);
}

void Form3::Timer19_Timer() {  // 11.5 s
  opponentline = "面白そう。私もやっていいかなぁ";
  Label1.setCaption(opponentline);
  NextStep(Timer19, Timer11);
}

void Form3::Timer11_Timer() {  // 12.5 s: "チョキ", the only hand left, waits for the player
  Command2.setVisible(true);
  Timer11.setEnabled(false);
}

void Form3::Timer12_Timer() {  // 1 s after "チョキ": her card face down; the player is sure
  Image1.setPicture(Image5(1).picture());
  Label2.setVisible(true);
  playerline = "ヨミナの出すカードはパー。これは確実";
  Label2.setCaption(playerline);
  NextStep(Timer12, Timer13);
}

void Form3::Timer13_Timer() {  // 3 s
  Image6.setPicture(openmark(0).picture());
  NextStep(Timer13, Timer14);
}

void Form3::Timer14_Timer() {  // 3.5 s: チョキ face up
  Image4.setPicture(sorunemoti(1).picture());
  Image6.setPicture(nulll.picture());
  NextStep(Timer14, Timer15);
}

void Form3::Timer15_Timer() {  // 5.5 s
  Image6.setPicture(openmark(2).picture());
  NextStep(Timer15, Timer16);
}

void Form3::Timer16_Timer() {  // 6 s: パー face up
  Image1.setPicture(tenurimoti(2).picture());
  Image6.setPicture(nulll.picture());
  NextStep(Timer16, Timer17);
}

void Form3::Timer17_Timer() {  // 7 s
  opponentline = "うぅ・・・";
  Label1.setCaption(opponentline);
  NextStep(Timer17, Timer18);
}

void Form3::Timer18_Timer() {  // 7.5 s: the win; the window closes at 12.5 s
  Image6.setPicture(syoubuyo(0).picture());
  EndAfterWin();
  Timer18.setEnabled(false);
}

// --- the end ---

void Form3::owaritimer_Timer() {
  form("Form4").setVisible(true);
  Unload();
}

}  // namespace fm
