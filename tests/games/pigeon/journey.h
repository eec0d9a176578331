#pragma once

#include <functional>

#include "tests/support/game_window.h"

namespace fm::testing {

// Nominal times of the journey, in milliseconds after the window opens.
inline constexpr std::int64_t kCountdownStart = 2500;
inline constexpr std::int64_t kPlayStart = 3500;
inline constexpr std::int64_t kArrival = kCountdownStart + 556 * 72;

// The journey window of a whole-collection session.
class Journey : public GameWindow {
 public:
  explicit Journey(Session& session) : GameWindow(session, "Form2") {}

  // Clicks "ハト襲来" on the menu at the session's current time.
  void open() {
    session_.click("Form4", "Command3");
    opened_ = session_.host.now();
  }
  // Lets time pass up to `time` milliseconds after the window opened.
  void at(std::int64_t time) { waitUntil(opened_ + time); }

  // Queues the draws of a journey in which the partner hands the feed back on her first tick
  // and it is never passed again, so that from then on only the countdown draws: each step's
  // warning draw is `warning(nokori)` for the distance that step leaves. Zeros follow.
  void queueSteadyJourney(const std::function<int(int)>& warning) {
    for (int nokori = 555; nokori >= 0; --nokori) {
      session_.queueInt(20, warning(nokori));
      // The first hand-back tick, at 3.6 s, comes between the 15th and 16th step.
      if (nokori == 541) session_.queueInt(4, 2);
    }
    for (int i = 0; i < 1000; ++i) session_.queueInt(20, 0);
  }
  // Every later draw hands the feed back (rtndraw 2) and shows no warning.
  void queueHandBacks(int count) {
    for (int i = 0; i < count; ++i) session_.queueInt(4, 2);
  }
  void press(std::string_view buttons) {
    for (const char button : buttons) click(std::string("Command") + button);
  }

 private:
  std::int64_t opened_ = 0;
};

}  // namespace fm::testing
