#pragma once

#include <cstdint>
#include <span>

#include "app/model/window.h"

namespace fm {

// The pigeon-attack journey from Osaka to Tokyo. The remaining distance counts down from 556
// while the player passes the pigeon feed to the partner, ヨミナ, with "１", "２", "３" in
// that order, and she hands it back at random. At arrival the pigeon attacks whoever holds
// the feed: the game is won when she does.
class Form2 final : public Window {
 public:
  explicit Form2(Program& program);

 private:
  static std::span<const LayoutRow> layout();

  // The opening: the partner finds the feed and the pigeon locks on.
  void Form_Load() override;
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();

  // The journey: the countdown, the distance readout and the feed passing to and fro.
  void nokoritimer_Timer();
  void Timer5_Timer();
  void Image1_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void yominartn_Timer();
  void PassFood();
  void ReturnFood();
  void StopPlay();

  // Arrival: the pigeon attacks, the verdict, and the return to the menu.
  void JudgeArrival();
  void StartWin();
  void StartLose();
  void mkatitimer_Timer();
  void mmaketimer_Timer();
  void owaritimer_Timer();

  // Widgets, bound once; the base class has built them all from the layout table.
  Widget& Command3 = widget("Command3");
  Widget& Command2 = widget("Command2");
  Widget& Command1 = widget("Command1");
  Widget& Image9 = widget("Image9");
  Widget& Image8 = widget("Image8");
  Widget& Image1 = widget("Image1");
  Widget& Label6 = widget("Label6");
  Widget& Image7 = widget("Image7");
  Widget& Image6 = widget("Image6");
  Widget& Label5 = widget("Label5");
  Widget& Label4 = widget("Label4");
  Widget& Image5 = widget("Image5");
  Widget& Image2 = widget("Image2");
  Widget& Line2 = widget("Line2");
  Widget& Label2 = widget("Label2");
  Widget& Timer1 = widget("Timer1");
  Widget& Timer2 = widget("Timer2");
  Widget& Timer3 = widget("Timer3");
  Widget& Timer4 = widget("Timer4");
  Widget& nokoritimer = widget("nokoritimer");
  Widget& yominartn = widget("yominartn");
  Widget& Timer5 = widget("Timer5");
  Widget& mkatitimer = widget("mkatitimer");
  Widget& mmaketimer = widget("mmaketimer");
  Widget& owaritimer = widget("owaritimer");

  // Window variables; loading the window sets them to zero.
  std::int16_t nokori = 0;    // remaining distance, shown by Label2
  std::int16_t rtndraw = 0;   // the partner's last hand-back draw, 0 to 3
  std::int16_t step = 0;      // buttons of "１", "２", "３" pressed in order so far
  std::int16_t warndraw = 0;  // the countdown's last warning draw, 0 to 19
  // Who holds the feed as the judgement sees it: 1 the left character, 2 the partner; 0 until
  // the partner first hands it back, though she holds it then.
  std::int16_t holder = 0;
  static constexpr std::int16_t kLeftHolds = 1;
  static constexpr std::int16_t kPartnerHolds = 2;
};

}  // namespace fm
