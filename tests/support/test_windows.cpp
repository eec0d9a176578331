#include "tests/support/test_windows.h"

#include "app/model/conversions.h"
#include "menu/form4.h"

namespace fm::testing {
namespace {

using enum WidgetKind;

// "Boxes" of addShapesAndBoxes.
class BoxesWindow final : public Window {
 public:
  explicit BoxesWindow(Program& program) : Window(program, {"Boxes", "箱", 3000, 2000}, layout()) {
    variables().add("drawn", drawn_);
    variables().add("ticks", ticks_);
    variables().add("closedAt", closedAt_);
    variables().add("lastKey", lastKey_);
    variables().add("lastShift", lastShift_);
  }

 private:
  static std::span<const LayoutRow> layout() {
    static const LayoutRow rows[] = {
        {"Image1", Image, -1, {0, 0, 600, 600}, {}, on(&BoxesWindow::Image1_Click)},
        {"Timer1", Timer, -1, {}, {.interval = 100}, on(&BoxesWindow::Timer1_Timer)},
        {"Timer2", Timer, -1, {}, {.interval = 150}, on(&BoxesWindow::Timer2_Timer)},
    };
    return rows;
  }
  // Draws Int(Rnd * 1000), shows it in a box and notes when the box was closed.
  void Image1_Click() {
    drawn_ = toInteger(Int(Rnd() * 1000));
    MsgBox("クリック " + Str(std::int64_t{drawn_}));
    closedAt_ = toLong(static_cast<double>(program().now()));
  }
  // "tick 1", "tick 2", then stops.
  void Timer1_Timer() {
    ++ticks_;
    MsgBox("tick " + Str(std::int64_t{ticks_}));
    if (ticks_ == 2) widget("Timer1").setEnabled(false);
  }
  // "two" once.
  void Timer2_Timer() {
    MsgBox("two");
    widget("Timer2").setEnabled(false);
  }
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) override {
    lastKey_ = keyCode;
    lastShift_ = shift;
  }

  std::int16_t drawn_ = 0;
  std::int16_t ticks_ = 0;
  std::int32_t closedAt_ = 0;
  std::int16_t lastKey_ = 0;
  std::int16_t lastShift_ = 0;
};

// A game of addMenuWithStandIns.
class StandInGame final : public Window {
 public:
  StandInGame(Program& program, std::string_view name)
      : Window(program, {name, "stand-in", 3000, 2000}, layout()) {
    variables().add("ticks", ticks_);
  }

 private:
  static std::span<const LayoutRow> layout() {
    static const LayoutRow rows[] = {
        {"Timer1", Timer, -1, {}, {.interval = 100}, on(&StandInGame::Timer1_Timer)},
        {"owaritimer",
         Timer,
         -1,
         {},
         {.enabled = false, .interval = 1},
         on(&StandInGame::owaritimer_Timer)},
    };
    return rows;
  }
  void Timer1_Timer() { ++ticks_; }
  void owaritimer_Timer() {
    Unload();
    form("Form4").Show();
  }

  std::int16_t ticks_ = 0;
};

}  // namespace

HookWindow::HookWindow(Program& program, std::string_view name)
    : Window(program, {name, "図形", 6000, 4000, kWhite}, layout()) {
  variables().add("count", count);
  variables().add("total", total);
  variables().add("words", words);
  variables().add("cells", cells, 1);
  variables().add("Visible", visibleShadow);
}

std::span<const LayoutRow> HookWindow::layout() {
  static const LayoutRow rows[] = {
      {"Label1", Label, -1, {120, 120, 1200, 255}, {.caption = "0"}},
      {"Label2", Label, -1, {120, 480, 1200, 255}, {.caption = kTrickyCaption}},
      {"Picture", Label, -1, {120, 840, 1200, 255}, {.caption = "名前が窓の属性と同じ"}},
      {"Image1", Image, 0, {9000, 0, 0, 0}, {.picture = &kFace}},
      {"Image1", Image, 1, {9000, 600, 0, 0}, {.picture = &kFace}},
      {"Image2", Image, -1, {1000, 1000, 900, 600}, {}, on(&HookWindow::Image2_Click)},
      {"Line1", Line, -1, {}, {.x1 = 10, .y1 = 20, .x2 = 300, .y2 = 40, .borderColor = kRed}},
      {"Text1", TextBox, -1, {120, 3000, 2000, 270}, {.caption = "入力", .tabIndex = 4}},
      {"Option1",
       OptionButton,
       1,
       {3000, 600, 1200, 255},
       {.caption = "B", .tabIndex = 3},
       on(&HookWindow::Option1_Click)},
      {"Option1",
       OptionButton,
       0,
       {3000, 240, 1200, 255},
       {.caption = "A", .tabIndex = 2, .value = true},
       on(&HookWindow::Option1_Click)},
      // The first in tab order lies behind the other focusable rows.
      {"Command2",
       CommandButton,
       -1,
       {3000, 2400, 975, 495},
       {.caption = "二", .tabIndex = 1},
       on(&HookWindow::Command2_Click)},
      {"Command1",
       CommandButton,
       -1,
       {3000, 1800, 975, 495},
       {.caption = "押す", .tabIndex = 0},
       on(&HookWindow::Command1_Click)},
      // Disabled: a click that got through would count as Command1's.
      {"Command3",
       CommandButton,
       -1,
       {4200, 1800, 975, 495},
       {.caption = "押せない", .enabled = false, .tabIndex = 5},
       on(&HookWindow::Command1_Click)},
      {"TimerA", Timer, -1, {}, {.enabled = false, .interval = 100}, on(&HookWindow::TimerA_Timer)},
      {"TimerB", Timer, -1, {}, {.enabled = false, .interval = 100}, on(&HookWindow::TimerB_Timer)},
      {"TimerC", Timer, -1, {}, {.enabled = false, .interval = 1}, on(&HookWindow::TimerC_Timer)},
  };
  return rows;
}

void addShapesAndBoxes(Program& program) {
  auto& shapes = program.add<HookWindow>("Shapes");
  shapes.onCommand1 = [&shapes] {
    shapes.Image2.setLeft(shapes.Image2.left() + 0.5F);
    shapes.Image2.setPicture(shapes.Image1(0).picture());
    ++shapes.count;
    shapes.total = 70000;
    shapes.words = "ソルネ";
    shapes.cells[2] = -7;
  };
  shapes.onOption = [&shapes](std::int16_t index) { shapes.total = index + 100; };
  program.add<BoxesWindow>();
}

void addMenuWithStandIns(Program& program) {
  program.add<Form4>();
  for (const std::string_view name : {"Form1", "Form2", "Form3", "Form5"}) {
    program.add<StandInGame>(name);
  }
}

}  // namespace fm::testing
