#pragma once

#include <array>
#include <string>

#include "tests/support/game_window.h"

namespace fm::testing {

// The rescue board of a whole-collection session.
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
  // Throws and waits until the walk is over: faces at 300 ms, the total at 800 ms, the walk
  // from 2.8 s on, one square per 100 ms.
  void walk(std::array<int, 3> a, std::array<int, 3> b, int jackpot = 0) {
    throwDice(a, b, jackpot);
    wait(2800 + 100 * std::int64_t{variable("moveSteps")});
  }
  // Presses "救助" with the rescue draw `x`; the ending roll comes next.
  void rescue(int x) {
    session_.queueInt(100, x);
    click("Command2");
  }

  // The texts on a row of Images: die faces or track markers ("_" for the blank face, "-" for
  // no picture).
  [[nodiscard]] std::string texts(std::initializer_list<const char*> names, int count = 0) const {
    std::string row;
    const auto add = [&](const Widget& image) {
      const PictureAsset* asset = image.picture().asset();
      const std::string text = asset == nullptr ? "-" : asset->text.empty() ? "_" : std::string(asset->text);
      row += (row.empty() ? "" : " ") + text;
    };
    for (const char* name : names) add(widget(name));
    for (int square = 0; square < count; ++square) add(widget("Image2", square));
    return row;
  }
  [[nodiscard]] std::string dice() const { return texts({"Image5", "Image7", "Image8"}); }
  [[nodiscard]] std::string track() const { return texts({}, 5); }
};

}  // namespace fm::testing
