#pragma once

#include <cstdint>
#include <span>

#include "app/model/window.h"

namespace fm {

// The swimming race: the player's star in lane 1 against the computer's in lane 2. The
// player strokes with the arrow keys when the marker reaches the matching end of the timing
// bar; the computer moves a random 30 to 35 twips on every beat of its own timer.
class Form1 final : public Window {
 public:
  explicit Form1(Program& program);

  static constexpr std::int16_t kLeftArrow = 37;
  static constexpr std::int16_t kRightArrow = 39;
  // The strokes, for hosts that put them on the screen.
  static constexpr PlayKey kStrokeKeys[] = {{kLeftArrow, "←", "左"}, {kRightArrow, "→", "右"}};
  // The paces, 15 px apart at a phone's scale, and Start beside them.
  static constexpr WidgetAddress kTouchTwins[] = {
      {"Option1", 0}, {"Option1", 1}, {"Option1", 2}, {"Command3"}};

 private:
  static std::span<const LayoutRow> layout();

  // Start and countdown.
  void Form_Load() override;
  void Option1_Click(std::int16_t Index);
  void Command3_Click();
  void Timer1_Timer();
  void StartRace();

  // Strokes, the timing marker and the computer swimmer.
  void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override;
  void StrokeLeft();
  void StrokeRight();
  void JudgeStroke();
  void StartPenalty();
  void Timer2_Timer();
  void Timer3_Timer();
  void tenuriswim_Timer();

  // Finish and return to the menu.
  void hantei_Timer();
  void FinishRace();
  void ShowWin();
  void ShowLose();
  void owaritimer_Timer();

  // Widgets, bound once; the base class has built them all from the layout table.
  WidgetArray Option1{*this, "Option1"};
  Widget& Command3 = widget("Command3");
  Widget& Image8 = widget("Image8");
  Widget& Image7 = widget("Image7");
  Widget& Image6 = widget("Image6");
  Widget& seimes = widget("seimes");
  WidgetArray kotoba{*this, "kotoba"};
  Widget& Image5 = widget("Image5");
  Widget& tenurihosi = widget("tenurihosi");
  Widget& sorunehosi = widget("sorunehosi");
  Widget& Label1 = widget("Label1");
  Widget& Image3 = widget("Image3");
  Widget& Image2 = widget("Image2");
  Widget& owaritimer = widget("owaritimer");
  Widget& tenuriswim = widget("tenuriswim");
  Widget& Timer3 = widget("Timer3");
  Widget& Timer2 = widget("Timer2");
  Widget& Timer1 = widget("Timer1");

  // Window variables; loading the window sets them to zero.
  std::int16_t countdown = 0;  // seconds left before the race starts
  std::int16_t direction = 0;  // of the marker: 1 rightward, 2 leftward
  std::int16_t grade = 0;      // of the last stroke: the row of kotoba to show
  std::int16_t armed = 0;      // 1 while a stroke key is accepted
};

}  // namespace fm
