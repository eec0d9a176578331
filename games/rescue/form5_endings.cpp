// The rescue attempt, its dialogue and twists, the defeat, the true ending and the return to
// the menu.

#include "games/rescue/form5.h"

namespace fm {
namespace {

constexpr std::int16_t kCaptorReturns = 2;  // of the rescue's ending roll, 0 to 4
constexpr std::int16_t kTrueEnding = 77;    // of the failure's ending roll, 0 to 99

}  // namespace

void Form5::Command2_Click() {
  Command1.setEnabled(false);
  Command2.setEnabled(false);
  rescueValue = levelValue.at(static_cast<std::size_t>(squareLevel.at(distance)));
  // Drawn before the message; the outcome's timer starts once the player has closed it. It
  // fails with a chance of (value − 1) in a hundred: never on a square of value 1.
  const std::int16_t x = RndInt(100);
  MsgBox("ラビト、今助けるからね！！");
  if (x < rescueValue - 1) {
    StartRescueFailure();
  } else {
    StartRescueSuccess();
  }
}

void Form5::StartRescueSuccess() {
  Timer7.setEnabled(true);
}

void Form5::StartRescueFailure() {
  Timer8.setEnabled(true);
}

void Form5::Timer7_Timer() {  // rescued
  dieA3 = RndInt(5);
  MsgBox("ラビト・・・よかった。無事だったのね");
  MsgBox("ラビト「ソルネ・・・ありがとう・・・」");
  Image9.setVisible(true);
  if (dieA3 == kCaptorReturns) {
    Timer9.setEnabled(true);
  } else {
    owaritimer.setEnabled(true);
  }
  Timer7.setEnabled(false);
}

void Form5::Timer9_Timer() {  // the captor returns
  Image9.setVisible(false);
  MsgBox("ネモネモ「フフフ・・私から逃げられるとでも。」");
  StartDefeat();
  Timer9.setEnabled(false);
}

void Form5::Timer8_Timer() {  // the rescue failed
  dieA3 = RndInt(100);
  MsgBox("ラビトー！！！！");
  MsgBox("フフフ・・・私のラビトちゃんをとろうなんて");
  MsgBox("お仕置きが必要ね★（ニコリ）");
  StartDefeat();
  if (dieA3 == kTrueEnding) Timer10.setEnabled(true);
  Timer8.setEnabled(false);
}

void Form5::Timer10_Timer() {  // the true ending, a second after the defeat screen
  setPicture(hearts.picture());
  MsgBox("このままでは終われない！");
  MsgBox("私は・・・ラビトのことを助ける！！");
  MsgBox("この命を懸けてでも！");
  MsgBox("私の・・・大切な人");
  MsgBox("ネモネモ「う・・・私のラビトちゃんが・・・」");
  MsgBox("ラビト「ソルネ・・・本当にありがとう・・・」");
  MsgBox("ラビト・・・よかった・・・");
  MsgBox("ソルネ・・・これからもずっと一緒にいてくれ！");
  Image9.setVisible(true);
  Timer10.setEnabled(false);
}

void Form5::StartDefeat() {
  nokoriherasi.setEnabled(false);
  setBackColor(Label4.backColor());
  Label2.setForeColor(Label5.foreColor());
  Label1.setForeColor(Label5.foreColor());
  Timer6.setEnabled(true);
  // Started with Timer6 but a second later, so Timer6 always stops it first: the window stays
  // on the defeat screen.
  if (dieA3 != kTrueEnding) owaritimer.setEnabled(true);
}

void Form5::Timer6_Timer() {  // the defeat screen
  for (int square = 0; square <= 4; ++square) Image2(square).setVisible(false);
  Command1.setVisible(false);
  Command2.setVisible(false);
  Line1.setVisible(false);
  Line2.setVisible(false);
  Line3.setVisible(false);
  Line4.setVisible(false);
  Label1.setVisible(false);
  Label2.setVisible(false);
  Label3.setVisible(false);
  Image5.setVisible(false);
  Image7.setVisible(false);
  Image8.setVisible(false);
  setPicture(Image3.picture());
  owaritimer.setEnabled(false);
  Timer6.setEnabled(false);
}

void Form5::owaritimer_Timer() {  // 3 s after a plain rescue
  Unload();
  form("Form4").setVisible(true);
}

}  // namespace fm
