#include "tests/support/qt_test_windows.h"

namespace fm::testing {

using enum WidgetKind;

KeysWindow::KeysWindow(Program& program)
    : Window(program, {"Keys", "キー", 3000, 1500}, layout()) {}

std::span<const LayoutRow> KeysWindow::layout() {
  static const LayoutRow rows[] = {{"Label1", Label, -1, {150, 150, 2000, 300}, {.caption = "←→"}}};
  return rows;
}

void KeysWindow::Form_KeyDown(std::int16_t keyCode, std::int16_t shift) {
  keys.emplace_back(keyCode, shift);
}

PixelPanelWindow::PixelPanelWindow(Program& program)
    : Window(program, {"Panel", "パネル", 4500, 3000}, layout()) {}

std::span<const LayoutRow> PixelPanelWindow::layout() {
  static const LayoutRow rows[] = {
      {"Command1",
       CommandButton,
       -1,
       {150, 150, 1500, 450},
       {.caption = "一", .tabIndex = 1},
       on(&PixelPanelWindow::Command1_Click)},
      // Second in the table but first in tab order: it has the focus when the window opens.
      {"Command2",
       CommandButton,
       -1,
       {1800, 150, 1500, 450},
       {.caption = "二", .tabIndex = 0},
       on(&PixelPanelWindow::Command2_Click)},
      {"Text1", TextBox, -1, {150, 750, 3000, 300}, {.caption = "abc", .tabIndex = 2}},
      {"Option1",
       OptionButton,
       0,
       {150, 1200, 1500, 300},
       {.caption = "A", .tabIndex = 3},
       on(&PixelPanelWindow::Option1_Click)},
      {"Option1",
       OptionButton,
       1,
       {1800, 1200, 1500, 300},
       {.caption = "B", .tabIndex = 4, .value = true},
       on(&PixelPanelWindow::Option1_Click)},
      // Two images overlapping by half, Image1 in front.
      {"Image1",
       Image,
       -1,
       {150, 1650, 0, 0},
       {.picture = &kIconPicture},
       on(&PixelPanelWindow::Image1_Click)},
      {"Image2",
       Image,
       -1,
       {390, 1650, 0, 0},
       {.picture = &kIconPicture},
       on(&PixelPanelWindow::Image2_Click)},
      // Two opaque labels overlapping, the red one in front.
      {"Label1", Label, -1, {3000, 1650, 600, 600}, {.backColor = kRed}},
      {"Label2", Label, -1, {3300, 1950, 600, 600}, {.backColor = 16711680}},  // blue
      {"Line1", Line, -1, {}, {.x1 = 0, .y1 = 2850, .x2 = 4500, .y2 = 2850, .borderColor = 65280}},
  };
  return rows;
}

void PixelPanelWindow::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
  keys.push_back(keyCode);
}

ModalBoxWindow::ModalBoxWindow(Program& program)
    : Window(program, {"Boxes", "箱", 3000, 1500}, layout()) {}

std::span<const LayoutRow> ModalBoxWindow::layout() {
  static const LayoutRow rows[] = {
      {"Command1",
       CommandButton,
       -1,
       {150, 150, 1500, 450},
       {.caption = "箱"},
       on(&ModalBoxWindow::Command1_Click)},
      {"Timer1",
       Timer,
       -1,
       {},
       {.enabled = false, .interval = 1},
       on(&ModalBoxWindow::Timer1_Timer)},
  };
  return rows;
}

void ModalBoxWindow::Command1_Click() {
  MsgBox("押されました <b>&</b>");
  ++buttonReturned;
}

void ModalBoxWindow::Timer1_Timer() {
  ++timerEntered;
  MsgBox("時間です");
  ++timerReturned;
  widget("Timer1").setEnabled(false);
}

TickWindow::TickWindow(Program& program)
    : Window(program, {"Ticks", "刻み", 3000, 1500}, layout()) {
  variables().add("clicks", clicks);
  variables().add("ticks1", ticks1);
  variables().add("ticks2", ticks2);
}

std::span<const LayoutRow> TickWindow::layout() {
  static const LayoutRow rows[] = {
      {"Command1",
       CommandButton,
       -1,
       {150, 150, 1500, 450},
       {.caption = "数"},
       on(&TickWindow::Command1_Click)},
      {"Timer1", Timer, -1, {}, {.enabled = false, .interval = 1}, on(&TickWindow::Timer1_Timer)},
      {"Timer2", Timer, -1, {}, {.enabled = false, .interval = 150}, on(&TickWindow::Timer2_Timer)},
  };
  return rows;
}

}  // namespace fm::testing
