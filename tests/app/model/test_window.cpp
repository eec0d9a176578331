#include "tests/app/model/test_window.h"

namespace fm::testing {
namespace {

void call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

TestWindow::TestWindow(Program& program, std::string_view name)
    : Window(program, {name, "テスト", 3000, 2000}, layout()) {
  variables().add("counter", counter);
  variables().add("total", total);
  variables().add("words", words);
  variables().add("levels", levels, 1);
}

std::span<const LayoutRow> TestWindow::layout() {
  using enum WidgetKind;
  static const LayoutRow rows[] = {
      {"Command1",
       CommandButton,
       -1,
       {0, 0, 600, 300},
       {.caption = "One", .tabIndex = 2},
       on(&TestWindow::Command1_Click)},
      {"Command2",
       CommandButton,
       -1,
       {0, 400, 600, 300},
       {.caption = "Two", .tabIndex = 1},
       on(&TestWindow::Command2_Click)},
      {"Option1",
       OptionButton,
       1,
       {700, 400, 600, 300},
       {.caption = "B", .tabIndex = 4},
       on(&TestWindow::Option1_Click)},
      {"Option1",
       OptionButton,
       0,
       {700, 0, 600, 300},
       {.caption = "A", .tabIndex = 3, .value = true},
       on(&TestWindow::Option1_Click)},
      {"Text1", TextBox, -1, {0, 800, 1200, 270}, {.caption = "text", .tabIndex = 5}},
      {"bank", Image, -1, {5000, 5000, 150, 300}, {.picture = &kDot}},
      {"Image1", Image, -1, {100, 1200, 900, 600}, {}, on(&TestWindow::Image1_Click)},
      {"Label1", Label, -1, {1500, 1200, 900, 300}, {.caption = "0", .fontSize = 18}},
      {"Line1", Line, -1, {}, {.x1 = 0, .y1 = 1100, .x2 = 3000, .y2 = 1100}},
      {"TimerA", Timer, -1, {}, {.enabled = false, .interval = 100}, on(&TestWindow::TimerA_Timer)},
      {"TimerB", Timer, -1, {}, {.enabled = false, .interval = 100}, on(&TestWindow::TimerB_Timer)},
      {"TimerC", Timer, -1, {}, {.enabled = false, .interval = 1}, on(&TestWindow::TimerC_Timer)},
  };
  return rows;
}

void TestWindow::Form_Load() {
  call(onLoad);
}

void TestWindow::Form_KeyDown(std::int16_t keyCode, std::int16_t shift) {
  if (onKey) onKey(keyCode, shift);
}

void TestWindow::TimerA_Timer() {
  call(onTimerA);
}

void TestWindow::TimerB_Timer() {
  call(onTimerB);
}

void TestWindow::TimerC_Timer() {
  call(onTimerC);
}

void TestWindow::Command1_Click() {
  call(onCommand1);
}

void TestWindow::Command2_Click() {
  call(onCommand2);
}

void TestWindow::Option1_Click(std::int16_t index) {
  if (onOption) onOption(index);
}

void TestWindow::Image1_Click() {
  call(onImage);
}

}  // namespace fm::testing
