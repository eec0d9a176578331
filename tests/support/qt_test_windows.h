#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/model/layout.h"
#include "app/model/program.h"
#include "app/model/window.h"

namespace fm::testing {

// The program's icon: a picture the Qt host really draws.
inline constexpr PictureAsset kIconPicture{"app/icon", 32, 32};

// Only painted widgets, so every key goes to Form_KeyDown.
class KeysWindow final : public Window {
 public:
  explicit KeysWindow(Program& program);
  std::vector<std::pair<std::int16_t, std::int16_t>> keys;  // KeyCode, Shift

 protected:
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) override;

 private:
  static std::span<const LayoutRow> layout();
};

// One widget of each kind at exact pixel positions, overlapping where the drawing order
// matters; the Images show a picture the Qt host draws.
class PixelPanelWindow final : public Window {
 public:
  explicit PixelPanelWindow(Program& program);
  std::vector<std::string> clicks;  // the clicked widgets, "Option1(0)"
  std::vector<std::int16_t> keys;

 protected:
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) override;

 private:
  static std::span<const LayoutRow> layout();
  void Command1_Click() { clicks.emplace_back("Command1"); }
  void Command2_Click() { clicks.emplace_back("Command2"); }
  void Option1_Click(std::int16_t index) {
    clicks.push_back("Option1(" + std::to_string(index) + ")");
  }
  void Image1_Click() { clicks.emplace_back("Image1"); }
  void Image2_Click() { clicks.emplace_back("Image2"); }
};

// Raises modal message boxes: from a button, and from a timer that stays enabled while its box is
// open and is stopped only afterwards.
class ModalBoxWindow final : public Window {
 public:
  explicit ModalBoxWindow(Program& program);
  int timerEntered = 0;
  int timerReturned = 0;
  int buttonReturned = 0;

 private:
  static std::span<const LayoutRow> layout();
  void Command1_Click();
  void Timer1_Timer();
};

// Counts its ticks and clicks.
class TickWindow final : public Window {
 public:
  explicit TickWindow(Program& program);
  int clicks = 0;
  int ticks1 = 0;
  int ticks2 = 0;

 private:
  static std::span<const LayoutRow> layout();
  void Command1_Click() { ++clicks; }
  void Timer1_Timer() { ++ticks1; }
  void Timer2_Timer() { ++ticks2; }
};

}  // namespace fm::testing
