#include "tests/tools/sim/test_windows.h"

#include "app/model/conversions.h"
#include "menu/form4.h"

namespace fm::testing {

ShapesWindow::ShapesWindow(Program& program)
    : Window(program, {"Shapes", "図形", 6000, 4000, kWhite}, layout()) {
  variables().add("count", count);
  variables().add("total", total);
  variables().add("words", words);
  variables().add("cells", cells, 1);
  variables().add("Visible", visibleShadow);
}

std::span<const LayoutRow> ShapesWindow::layout() {
  using enum WidgetKind;
  static const LayoutRow rows[] = {
      {"Label1", Label, -1, {120, 120, 1200, 255}, {.caption = "ソルネ", .alignment = 2}},
      {"Label2", Label, -1, {120, 480, 1200, 255}, {.caption = kTrickyCaption}},
      {"Picture", Label, -1, {120, 840, 1200, 255}, {.caption = "名前が窓の属性と同じ"}},
      {"Image1", Image, 0, {9000, 0, 0, 0}, {.picture = &kFace}},
      {"Image1", Image, 1, {9000, 600, 0, 0}, {.picture = &kFace}},
      {"Image2", Image, -1, {1000, 1000, 300, 300}},
      {"Line1", Line, -1, {}, {.x1 = 10, .y1 = 20, .x2 = 300, .y2 = 40, .borderColor = kRed}},
      {"Text1", TextBox, -1, {120, 3000, 2000, 270}, {.caption = "入力", .tabIndex = 3}},
      {"Option1",
       OptionButton,
       1,
       {3000, 600, 1200, 255},
       {.caption = "B", .tabIndex = 2},
       on(&ShapesWindow::Option1_Click)},
      {"Option1",
       OptionButton,
       0,
       {3000, 240, 1200, 255},
       {.caption = "A", .tabIndex = 1, .value = true},
       on(&ShapesWindow::Option1_Click)},
      {"Command2",
       CommandButton,
       -1,
       {3000, 2400, 975, 495},
       {.caption = "押せない", .enabled = false, .tabIndex = 4},
       on(&ShapesWindow::Command2_Click)},
      {"Command1",
       CommandButton,
       -1,
       {3000, 1800, 975, 495},
       {.caption = "押す", .tabIndex = 0},
       on(&ShapesWindow::Command1_Click)},
      {"Timer1", Timer, -1, {}, {.enabled = false, .interval = 500}},
  };
  return rows;
}

void ShapesWindow::Command1_Click() {
  Widget& image = widget("Image2");
  image.setLeft(image.left() + 0.5F);
  image.setPicture(widget("Image1", 0).picture());
  ++count;
  total = 70000;
  words = "ソルネ";
  cells[2] = -7;
}

void ShapesWindow::Command2_Click() {
  count = 999;
}

void ShapesWindow::Option1_Click(std::int16_t index) {
  total = index + 100;
}

BoxesWindow::BoxesWindow(Program& program)
    : Window(program, {"Boxes", "箱", 3000, 2000}, layout()) {
  variables().add("drawn", drawn);
  variables().add("ticks", ticks);
  variables().add("closedAt", closedAt);
  variables().add("lastKey", lastKey);
  variables().add("lastShift", lastShift);
}

std::span<const LayoutRow> BoxesWindow::layout() {
  using enum WidgetKind;
  static const LayoutRow rows[] = {
      {"Image1", Image, -1, {0, 0, 600, 600}, {}, on(&BoxesWindow::Image1_Click)},
      {"Timer1", Timer, -1, {}, {.interval = 100}, on(&BoxesWindow::Timer1_Timer)},
      {"Timer2", Timer, -1, {}, {.interval = 150}, on(&BoxesWindow::Timer2_Timer)},
  };
  return rows;
}

void BoxesWindow::Image1_Click() {
  drawn = toInteger(Int(Rnd() * 1000));
  MsgBox("クリック " + Str(std::int64_t{drawn}));
  closedAt = toLong(static_cast<double>(program().now()));
}

void BoxesWindow::Timer1_Timer() {
  ++ticks;
  MsgBox("tick " + Str(std::int64_t{ticks}));
  if (ticks == 2) widget("Timer1").setEnabled(false);
}

void BoxesWindow::Timer2_Timer() {
  MsgBox("two");
  widget("Timer2").setEnabled(false);
}

void BoxesWindow::Form_KeyDown(std::int16_t keyCode, std::int16_t shift) {
  lastKey = keyCode;
  lastShift = shift;
}

void addShapesAndBoxes(Program& program) {
  program.add<ShapesWindow>();
  program.add<BoxesWindow>();
}

void addMenuWithStandIns(Program& program) {
  program.add<Form4>();
  program.add<StandInGame<1>>();
  program.add<StandInGame<2>>();
  program.add<StandInGame<3>>();
  program.add<StandInGame<5>>();
}

}  // namespace fm::testing
