#pragma once

#include <functional>
#include <string>

#include "tests/support/game_window.h"

namespace fm::testing {

// Nominal times of the journey, in milliseconds after the window opens at time 0.
inline constexpr std::int64_t kPlayStart = 3500;
inline constexpr std::int64_t kArrival = 2500 + 556 * 72;

class Journey : public GameWindow {
 public:
  explicit Journey(Session& session) : GameWindow(session, "Form2") {}

  void open() { session_.click("Form4", "Command3"); }
  void press(std::string_view buttons) {
    for (const char button : buttons) click(std::string("Command") + button);
  }
  // Queues the draws of a journey in which the partner hands the feed back on her first tick,
  // at 3.6 s, and it is not passed again, so that only the countdown draws from then on: the
  // step that leaves `nokori` draws `warning(nokori)`. Draws of 0 follow.
  void queueSteadyJourney(const std::function<int(int)>& warning) {
    for (int nokori = 555; nokori >= 0; --nokori) {
      session_.queueInt(20, warning(nokori));
      if (nokori == 541) session_.queueInt(4, 2);  // between the 15th and 16th step
    }
    queueDraws(1000, 20, 0);
  }
  // `count` draws of Int(Rnd × n) = value.
  void queueDraws(int count, int n, int value) {
    for (int i = 0; i < count; ++i) session_.queueInt(n, value);
  }
};

}  // namespace fm::testing
