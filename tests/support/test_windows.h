#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "app/model/program.h"
#include "app/model/window.h"

namespace fm::testing {

// A picture whose name and size are all that matters: no host draws it.
inline constexpr PictureAsset kFace{"test/face", 10, 20};
inline constexpr std::string_view kTrickyCaption = "say \"hi\" \\ tab\there\x01\nソルネ";

// One widget of each kind, each handler calling a hook the test sets: a bank of two Images
// showing one picture (beyond the client area), an empty Image, two buttons and a disabled
// third, two option buttons, a text box, labels (one with a caption that needs escaping, one
// named like a window property), a line and three timers; variables of every width, one of
// them named like a window property.
class HookWindow final : public Window {
 public:
  HookWindow(Program& program, std::string_view name);

  std::function<void()> onLoad;
  std::function<void()> onTimerA;
  std::function<void()> onTimerB;
  std::function<void()> onTimerC;
  std::function<void()> onCommand1;  // also Command3's, should a click get through
  std::function<void()> onCommand2;
  std::function<void()> onImage;  // Image2
  std::function<void(std::int16_t)> onOption;
  std::function<void(std::int16_t, std::int16_t)> onKey;

  Widget& TimerA = widget("TimerA");
  Widget& TimerB = widget("TimerB");
  Widget& TimerC = widget("TimerC");
  Widget& Command1 = widget("Command1");
  Widget& Command2 = widget("Command2");
  WidgetArray Option1{*this, "Option1"};
  Widget& Text1 = widget("Text1");
  WidgetArray Image1{*this, "Image1"};
  Widget& Image2 = widget("Image2");
  Widget& Label1 = widget("Label1");

  std::int16_t count = 0;
  std::int32_t total = 0;
  std::string words;
  std::array<std::int16_t, 3> cells{};  // cells(1) .. cells(3)
  std::int16_t visibleShadow = 0;       // registered as "Visible", behind the window's own

  // Handlers may raise boxes and draw numbers like any window.
  using Window::MsgBox;
  using Window::Rnd;

 private:
  static std::span<const LayoutRow> layout();

  static void call(const std::function<void()>& hook) {
    if (hook) hook();
  }
  void Form_Load() override { call(onLoad); }
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) override {
    if (onKey) onKey(keyCode, shift);
  }
  void TimerA_Timer() { call(onTimerA); }
  void TimerB_Timer() { call(onTimerB); }
  void TimerC_Timer() { call(onTimerC); }
  void Command1_Click() { call(onCommand1); }
  void Command2_Click() { call(onCommand2); }
  void Option1_Click(std::int16_t index) {
    if (onOption) onOption(index);
  }
  void Image2_Click() { call(onImage); }
};

// "Shapes", a hook window whose Command1 nudges Image2 by half a twip, shows the bank's
// picture in it and fills the variables, and whose option buttons set `total`; and "Boxes",
// which raises message boxes from an Image click and from two timers running from load on,
// draws numbers and keeps the last key that reached it. For a program that starts with either.
void addShapesAndBoxes(Program& program);

// The real menu with stand-ins for the four games: each counts `ticks` every 100 ms from load
// on, and once its owaritimer is enabled it ends as a game does, unloading itself before it
// shows the menu again.
void addMenuWithStandIns(Program& program);

}  // namespace fm::testing
