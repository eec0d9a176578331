#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/model/program.h"
#include "app/model/window.h"

namespace fm::testing {

inline constexpr PictureAsset kFace{"test/face", 10, 20};
inline constexpr std::string_view kTrickyCaption = "say \"hi\" \\ tab\there\x01\nソルネ";

// Every kind of widget, a widget array, one picture shown by two Images, variables of every
// width, and names that collide with window properties.
class ShapesWindow final : public Window {
 public:
  explicit ShapesWindow(Program& program);

 private:
  static std::span<const LayoutRow> layout();
  // Nudges Image2 by half a twip, shows Image1(0)'s picture in it and fills the variables.
  void Command1_Click();
  // Disabled in the layout, so this never runs.
  void Command2_Click();
  void Option1_Click(std::int16_t index);

  std::int16_t count = 0;
  std::int32_t total = 0;
  std::string words;
  std::array<std::int16_t, 3> cells{};  // cells(1) .. cells(3)
  std::int16_t visibleShadow = 0;       // registered as "Visible", behind the window's own
};

// Raises message boxes from an image click and from two timers, draws random numbers and
// keeps the keys that reach the window.
class BoxesWindow final : public Window {
 public:
  explicit BoxesWindow(Program& program);

 private:
  static std::span<const LayoutRow> layout();
  // Draws Int(Rnd * 1000), shows it in a box and notes when the box was closed.
  void Image1_Click();
  // "tick 1", "tick 2", then stops.
  void Timer1_Timer();
  // "two" once.
  void Timer2_Timer();
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) override;

  std::int16_t drawn = 0;
  std::int16_t ticks = 0;
  std::int32_t closedAt = 0;
  std::int16_t lastKey = 0;
  std::int16_t lastShift = 0;
};

// A stand-in for a game the menu opens: a timer counts ticks every 100 ms from load on.
template <int Number>
class StandInGame final : public Window {
 public:
  explicit StandInGame(Program& program)
      : Window(program, {kNames[Number], "stand-in", 3000, 2000}, layout()) {
    variables().add("ticks", ticks);
  }

 private:
  static constexpr std::array<std::string_view, 6> kNames{"",      "Form1", "Form2",
                                                          "Form3", "",      "Form5"};
  static std::span<const LayoutRow> layout() {
    static const LayoutRow rows[] = {
        {"Timer1", WidgetKind::Timer, -1, {}, {.interval = 100}, on(&StandInGame::Timer1_Timer)},
    };
    return rows;
  }
  void Timer1_Timer() { ++ticks; }

  std::int16_t ticks = 0;
};

// Shapes and Boxes, for a test program that starts with either of them.
void addShapesAndBoxes(Program& program);

// The real menu with stand-ins for the four games.
void addMenuWithStandIns(Program& program);

}  // namespace fm::testing
