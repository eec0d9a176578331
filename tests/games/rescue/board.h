#pragma once

#include <array>
#include <string>

#include "tests/support/game_window.h"

namespace fm::testing {

class Board : public GameWindow {
 public:
  explicit Board(Session& session) : GameWindow(session, "Form5") {}

  void open() { session_.click("Form4", "Command4"); }

  // Presses "さいころ" with throw A drawing `a` (0 to 99 each, then `jackpot`) and throw B
  // drawing `b` (0 to 6 each); all three dice settle on their first tick.
  void throwDice(std::array<int, 3> a, std::array<int, 3> b, int jackpot = 0) {
    for (const int draw : a) session_.queueInt(100, draw);
    session_.queueInt(100, jackpot);
    for (const int draw : b) session_.queueInt(7, draw);
    click("Command1");
    session_.queueInts(3, {2, 2, 2});
  }
  // Throws and waits out the walk: faces at 300 ms, the total at 800 ms, then from 2.8 s one
  // square per 100 ms.
  void walk(std::array<int, 3> a, std::array<int, 3> b, int jackpot = 0) {
    throwDice(a, b, jackpot);
    wait(2800 + 100 * std::int64_t{variable("moveSteps")});
  }
  // Presses "救助" with the rescue draw `x`.
  void rescue(int x) {
    session_.queueInt(100, x);
    click("Command2");
  }

  // What a player reads on an Image: its text, "_" for the blank face, "-" for no picture.
  [[nodiscard]] std::string textOn(std::string_view name, int index = -1) const {
    const PictureAsset* asset = widget(name, index).picture().asset();
    if (asset == nullptr) return "-";
    return asset->text.empty() ? "_" : std::string(asset->text);
  }
  [[nodiscard]] std::string dice() const {
    return textOn("Image5") + " " + textOn("Image7") + " " + textOn("Image8");
  }
  [[nodiscard]] std::string track() const {
    std::string squares = textOn("Image2", 0);
    for (int square = 1; square < 5; ++square) squares += " " + textOn("Image2", square);
    return squares;
  }
  // The window's background picture and which of the heroine, the WIN picture, the dice button,
  // the track and the distance are shown; "menu" once it has handed back to the menu.
  [[nodiscard]] std::string screen() const {
    if (!window().loaded()) return backAtTheMenu() ? "menu" : "gone";
    std::string shown(window().picture().name());
    for (const char* name : {"Image6", "Image9", "Command1", "Label2"}) {
      if (this->shown(name)) shown += std::string(" ") + name;
    }
    return shown + (this->shown("Image2", 0) ? " track" : "");
  }
};

}  // namespace fm::testing
