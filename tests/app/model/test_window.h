#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "app/model/program.h"
#include "app/model/window.h"

namespace fm::testing {

inline constexpr PictureAsset kDot{"test/dot", 10, 20};

// A window of the tests' own: three timers, two buttons, two option buttons, a text box, a
// picture bank, an empty image, a label and a line. Each handler calls a hook the test sets.
class TestWindow final : public Window {
 public:
  explicit TestWindow(Program& program, std::string_view name = "Test");

  std::function<void()> onLoad;
  std::function<void()> onTimerA;
  std::function<void()> onTimerB;
  std::function<void()> onTimerC;
  std::function<void()> onCommand1;
  std::function<void()> onCommand2;
  std::function<void()> onImage;
  std::function<void(std::int16_t)> onOption;
  std::function<void(std::int16_t, std::int16_t)> onKey;

  Widget& TimerA = widget("TimerA");
  Widget& TimerB = widget("TimerB");
  Widget& TimerC = widget("TimerC");
  Widget& Command1 = widget("Command1");
  Widget& Command2 = widget("Command2");
  WidgetArray Option1{*this, "Option1"};
  Widget& Text1 = widget("Text1");
  Widget& bank = widget("bank");
  Widget& Image1 = widget("Image1");
  Widget& Label1 = widget("Label1");

  std::int16_t counter = 0;
  std::int32_t total = 0;
  std::string words;
  std::int16_t levels[3] = {};

  // Handlers may raise boxes and draw numbers like any window.
  using Window::MsgBox;
  using Window::Rnd;

 private:
  static std::span<const LayoutRow> layout();

  void Form_Load() override;
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) override;
  void TimerA_Timer();
  void TimerB_Timer();
  void TimerC_Timer();
  void Command1_Click();
  void Command2_Click();
  void Option1_Click(std::int16_t index);
  void Image1_Click();
};

}  // namespace fm::testing
