#pragma once

#include <span>
#include <string_view>

#include "app/model/window.h"

namespace fm {

// The menu: one button per game, and the two addresses to read and copy.
class Form4 final : public Window {
 public:
  explicit Form4(Program& program);

 private:
  static std::span<const LayoutRow> layout();

  void Form_Load() override;
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  // Loads the game window (nothing new if it is already open) and shows it.
  void OpenGame(std::string_view windowName);
};

}  // namespace fm
