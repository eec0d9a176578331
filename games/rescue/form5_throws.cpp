// Throwing the dice: two candidate throws, the one landing on the lower level kept, its dice
// settling one by one, then the walk square by square while the track scrolls past her.

#include <algorithm>

#include "app/model/conversions.h"
#include "games/rescue/form5.h"

namespace fm {
namespace {

constexpr std::int16_t kSixtySixDraw = 66;  // a die draw of throw A that shows "66"
constexpr std::int16_t kJackpot = 66;       // throw A's jackpot draw
constexpr std::int16_t kSixtySix = 7;       // the face "66"
constexpr std::int16_t kSettles = 2;        // of a settling draw of 0 to 2

// Throw A's die from a draw of 0 to 99: "66" once in a hundred, else the draw modulo 7.
std::int16_t faceOfDraw(std::int16_t draw) {
  return draw == kSixtySixDraw ? kSixtySix : static_cast<std::int16_t>(draw % 7);
}

// How far a face walks: 1 to 6 for the faces 0 to 5 ("1", "2", "参", "死", "5", "6"), 9 for
// "苦" and 66 for "66".
std::int16_t stepsOf(std::int16_t face) {
  if (face == kSixtySix) return 66;
  if (face == 6) return 9;
  return static_cast<std::int16_t>(face + 1);
}

std::int16_t landing(std::int16_t distance, std::int16_t steps) {
  return static_cast<std::int16_t>(std::max(distance - steps, 0));
}

}  // namespace

void Form5::Command1_Click() {
  Command1.setEnabled(false);
  sumA = 0;
  sumB = 0;
  settledCount = 0;
  Image5.setPicture(hazime.picture());
  Image7.setPicture(hazime.picture());
  Image8.setPicture(hazime.picture());
  Command2.setEnabled(false);
  RollThrowA();
  RollThrowB();
  landA = landing(distance, sumA);
  landB = landing(distance, sumB);
  // The throw whose landing square is the lower level; a tie goes to A. A throw that reaches
  // the captor (level 0) is therefore always taken.
  if (squareLevel.at(landA) > squareLevel.at(landB)) {
    UseThrowB();
  } else {
    UseThrowA();
  }
  Timer1.setEnabled(true);
  Timer2.setEnabled(true);
  Timer3.setEnabled(true);
}

void Form5::RollThrowA() {
  dieA1 = faceOfDraw(RndInt(100));
  dieA2 = faceOfDraw(RndInt(100));
  dieA3 = faceOfDraw(RndInt(100));
  jackpotRoll = RndInt(100);
  sumA = static_cast<std::int16_t>(stepsOf(dieA1) + stepsOf(dieA2) + stepsOf(dieA3));
  if (jackpotRoll == kJackpot) {
    sumA = 198;
    dieA1 = kSixtySix;
    dieA2 = kSixtySix;
    dieA3 = kSixtySix;
  }
}

void Form5::RollThrowB() {
  dieB1 = RndInt(7);
  dieB2 = RndInt(7);
  dieB3 = RndInt(7);
  sumB = static_cast<std::int16_t>(stepsOf(dieB1) + stepsOf(dieB2) + stepsOf(dieB3));
}

void Form5::UseThrowA() {
  shownFace1 = dieA1;
  shownFace2 = dieA2;
  shownFace3 = dieA3;
  moveSteps = sumA;
}

void Form5::UseThrowB() {
  shownFace1 = dieB1;
  shownFace2 = dieB2;
  shownFace3 = dieB3;
  moveSteps = sumB;
}

void Form5::Timer1_Timer() {
  SettleDie(Timer1, settleRoll1, Image5, shownFace1);
}

void Form5::Timer2_Timer() {
  SettleDie(Timer2, settleRoll2, Image7, shownFace2);
}

void Form5::Timer3_Timer() {
  SettleDie(Timer3, settleRoll3, Image8, shownFace3);
}

void Form5::SettleDie(Widget& timer, std::int16_t& settleRoll, Widget& slot, std::int16_t face) {
  // Each tick a die settles once in three; the one that settles last shows the total.
  settleRoll = RndInt(3);
  if (settleRoll == kSettles) {
    slot.setPicture(Image4(face).picture());
    settledCount = static_cast<std::int16_t>(settledCount + 1);
  }
  if (settledCount == 3) Timer4.setEnabled(true);
  if (settleRoll == kSettles) timer.setEnabled(false);
}

void Form5::Timer4_Timer() {
  Label3.setCaption(Str(moveSteps));
  Label3.setVisible(true);
  Timer5.setEnabled(true);
  Timer4.setEnabled(false);
}

void Form5::Timer5_Timer() {
  nokoriherasi.setEnabled(true);
  Timer5.setEnabled(false);
}

void Form5::nokoriherasi_Timer() {
  distance = static_cast<std::int16_t>(distance - 1);
  Image2(0).setPicture(Image2(1).picture());
  Image2(1).setPicture(Image2(2).picture());
  Image2(2).setPicture(Image2(3).picture());
  Image2(3).setPicture(Image2(4).picture());
  Label2.setCaption(Str(distance));
  // Beyond the captor the far square shows her own marker.
  const auto ahead = static_cast<std::size_t>(std::max(distance - 4, 0));
  Image2(4).setPicture(Image1(squareLevel.at(ahead)).picture());
  // The steps still to go are kept only in the caption.
  Label3.setCaption(Str(toLong(Val(Label3.caption()) - 1)));
  if (Val(Label2.caption()) == 0) MsgBox("あなたも監禁されたいのね★（ニコリ）");
  if (Val(Label2.caption()) == 0) StartDefeat();
  if (Val(Label3.caption()) == 0) EndMove();
}

void Form5::EndMove() {
  nokoriherasi.setEnabled(false);
  Image5.setPicture(nulll.picture());
  Image8.setPicture(nulll.picture());
  Image7.setPicture(nulll.picture());
  Label3.setVisible(false);
  // A walk that ends exactly on the captor's square has just started the defeat: the player
  // who has been caught throws no more and cannot be rescued from there.
  if (distance == 0) return;
  Command1.setEnabled(true);
  Command2.setEnabled(true);
}

}  // namespace fm
