#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "app/model/window.h"

namespace fm {

// The rescue dice board: ソルネ walks towards ネモネモ, who holds ラビト, by throws of three
// dice, and between throws may try the rescue, which fails the more often the nearer she is.
// Reaching the captor's square, or a failed rescue, ends in defeat; a rescue once in five ends
// in the captor's return, a failed one once in a hundred in the true ending.
class Form5 final : public Window {
 public:
  explicit Form5(Program& program);

 private:
  static std::span<const LayoutRow> layout();

  void Form_Load() override;

  // Throwing the dice and walking.
  void Command1_Click();
  void RollThrowA();
  void RollThrowB();
  void UseThrowA();
  void UseThrowB();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void SettleDie(Widget& timer, std::int16_t& settleRoll, Widget& slot, std::int16_t face);
  void Timer4_Timer();
  void Timer5_Timer();
  void nokoriherasi_Timer();
  void EndMove();

  // The rescue, the defeat and the endings.
  void Command2_Click();
  void StartRescueSuccess();
  void StartRescueFailure();
  void Timer7_Timer();
  void Timer9_Timer();
  void Timer8_Timer();
  void Timer10_Timer();
  void StartDefeat();
  void Timer6_Timer();
  void owaritimer_Timer();

  // Widgets, bound once; the base class has built them all from the layout table.
  Widget& Timer10 = widget("Timer10");
  Widget& Timer9 = widget("Timer9");
  Widget& Timer8 = widget("Timer8");
  Widget& Timer7 = widget("Timer7");
  Widget& owaritimer = widget("owaritimer");
  Widget& Timer6 = widget("Timer6");
  Widget& nokoriherasi = widget("nokoriherasi");
  Widget& Timer5 = widget("Timer5");
  Widget& Timer4 = widget("Timer4");
  Widget& Command2 = widget("Command2");
  Widget& Command1 = widget("Command1");
  Widget& Timer3 = widget("Timer3");
  Widget& Timer2 = widget("Timer2");
  Widget& Timer1 = widget("Timer1");
  Widget& hearts = widget("hearts");
  Widget& Image9 = widget("Image9");
  Widget& Image3 = widget("Image3");
  Widget& Label5 = widget("Label5");
  Widget& Label4 = widget("Label4");
  Widget& hazime = widget("hazime");
  Widget& nulll = widget("nulll");
  Widget& Label3 = widget("Label3");
  Widget& Image8 = widget("Image8");
  Widget& Image7 = widget("Image7");
  Widget& Image5 = widget("Image5");
  WidgetArray Image4{*this, "Image4"};  // the die faces
  Widget& Line4 = widget("Line4");
  Widget& Line3 = widget("Line3");
  Widget& Line2 = widget("Line2");
  Widget& Line1 = widget("Line1");
  WidgetArray Image2{*this, "Image2"};  // the five track squares, 0 under the heroine
  Widget& Label2 = widget("Label2");
  Widget& Label1 = widget("Label1");
  WidgetArray Image1{*this, "Image1"};  // the square markers, by level

  // Window variables; loading the window sets them to zero.
  std::int16_t dieA1 = 0;  // throw A's faces, 0 to 7; dieA3 later holds the ending roll
  std::int16_t dieA2 = 0;
  std::int16_t dieA3 = 0;
  std::int16_t jackpotRoll = 0;
  std::int16_t dieB1 = 0;  // throw B's faces, 0 to 6
  std::int16_t dieB2 = 0;
  std::int16_t dieB3 = 0;
  std::int16_t settleRoll1 = 0;
  std::int16_t settleRoll2 = 0;
  std::int16_t rescueValue = 0;  // the value of her square when the rescue is tried
  std::int16_t settleRoll3 = 0;
  std::int16_t shownFace1 = 0;  // the kept throw's faces, for dice slots 1 to 3
  std::int16_t shownFace2 = 0;
  std::int16_t settledCount = 0;
  std::int16_t shownFace3 = 0;
  std::int16_t moveSteps = 0;  // the kept throw's step total
  std::int16_t distance = 0;   // squares between the heroine and the captor
  std::int16_t sumA = 0;
  std::int16_t sumB = 0;
  std::int16_t landA = 0;  // where each throw would end, never below 0
  std::int16_t landB = 0;
  std::array<std::int16_t, 101> squareLevel{};  // by distance
  std::array<std::int16_t, 14> levelValue{};    // the number shown on a square, by level
};

}  // namespace fm
