#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/model/window.h"

namespace fm {

// The card rock-paper-scissors duel: one deciding hand against テヌリ, drawn when the window
// is loaded, the opponent's card derived from the player's choice to fit. After the press the
// duel plays itself out as a chain of one-shot steps; once in a hundred loads a lost duel is
// followed by a rematch against ヨミナ that the player wins.
class Form3 final : public Window {
 public:
  explicit Form3(Program& program);

 private:
  static std::span<const LayoutRow> layout();

  // The draw at load, the hand press and the rules of the duel.
  void Form_Load() override;
  void Command1_Click(std::int16_t Index);
  void ChooseLines();
  void ChooseWinLines();
  void ChooseLoseLines();
  void RevealReaction();
  void EndAfterWin();
  void EndAfterLoss();
  void Command2_Click();

  // The main part of the chain, every duel.
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Timer5_Timer();
  void Timer6_Timer();
  void Timer7_Timer();
  void Timer8_Timer();
  void Timer9_Timer();
  // The rematch.
  void Timer10_Timer();
  void Timer19_Timer();
  void Timer11_Timer();
  void Timer12_Timer();
  void Timer13_Timer();
  void Timer14_Timer();
  void Timer15_Timer();
  void Timer16_Timer();
  void Timer17_Timer();
  void Timer18_Timer();
  void owaritimer_Timer();

  // One step of the chain is done: the next one starts its delay and this one never ticks again.
  static void NextStep(Widget& own, Widget& next);

  // Widgets, bound once; the base class has built them all from the layout table.
  Widget& Command2 = widget("Command2");
  WidgetArray Command1{*this, "Command1"};
  Widget& Label3 = widget("Label3");
  Widget& Image7 = widget("Image7");
  WidgetArray syoubuyo{*this, "syoubuyo"};
  Widget& nulll = widget("nulll");
  WidgetArray openmark{*this, "openmark"};
  Widget& Image6 = widget("Image6");
  WidgetArray tenurimoti{*this, "tenurimoti"};
  WidgetArray sorunemoti{*this, "sorunemoti"};
  WidgetArray Image5{*this, "Image5"};
  Widget& Label1 = widget("Label1");
  Widget& Label2 = widget("Label2");
  Widget& Image4 = widget("Image4");
  Widget& Image2 = widget("Image2");
  Widget& Image1 = widget("Image1");
  Widget& Timer1 = widget("Timer1");
  Widget& Timer2 = widget("Timer2");
  Widget& Timer3 = widget("Timer3");
  Widget& Timer4 = widget("Timer4");
  Widget& Timer5 = widget("Timer5");
  Widget& Timer6 = widget("Timer6");
  Widget& Timer7 = widget("Timer7");
  Widget& Timer8 = widget("Timer8");
  Widget& Timer9 = widget("Timer9");
  Widget& Timer10 = widget("Timer10");
  Widget& Timer11 = widget("Timer11");
  Widget& Timer12 = widget("Timer12");
  Widget& Timer13 = widget("Timer13");
  Widget& Timer14 = widget("Timer14");
  Widget& Timer15 = widget("Timer15");
  Widget& Timer16 = widget("Timer16");
  Widget& Timer17 = widget("Timer17");
  Widget& Timer18 = widget("Timer18");
  Widget& Timer19 = widget("Timer19");
  Widget& owaritimer = widget("owaritimer");

  // Window variables; loading the window sets them to zero and the texts to empty.
  std::int16_t outcome = 0;       // one of the three below, drawn at load
  std::int16_t roll = 0;          // the latest draw, 0 to 99
  std::int16_t playerhand = 0;    // 0 グー, 1 チョキ, 2 パー
  std::int16_t opponenthand = 0;  // the same indexes
  std::string playerline;
  std::string opponentline;  // テヌリ's, and in the rematch ヨミナ's

  static constexpr std::int16_t kOutcomeWin = 1;
  static constexpr std::int16_t kOutcomeRematch = 2;  // lost, then the rematch is won
  static constexpr std::int16_t kOutcomeLoss = 3;
};

}  // namespace fm
