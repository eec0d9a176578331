#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "games/swim/form1.h"
#include "tests/support/game_window.h"

namespace fm::testing {

inline constexpr std::int16_t kLeftArrow = Form1::kLeftArrow;
inline constexpr std::int16_t kRightArrow = Form1::kRightArrow;

// The race window of a whole-collection session, seen and played the way a player does.
class Race : public GameWindow {
 public:
  explicit Race(Session& session) : GameWindow(session, "Form1") {}

  // Clicks "水泳" on the menu.
  void open() { session_.click("Form4", "Command1"); }
  // Opens the race, optionally picks a pace (0 High, 1 Middle, 2 Low), presses Start and waits
  // out the countdown: the race has just started.
  void start(int pace = -1) {
    open();
    if (pace >= 0) click("Option1", pace);
    click("Command3");
    session_.wait(3000);
  }

  // Lets `ticks` marker steps pass (at the current pace).
  void stepMarker(int ticks = 1) { wait(std::int64_t{ticks} * widget("Timer2").interval()); }

  [[nodiscard]] float left(std::string_view name) const { return widget(name).left(); }
  [[nodiscard]] float marker() const { return left("Image5"); }
  [[nodiscard]] float player() const { return left("sorunehosi"); }
  [[nodiscard]] float computer() const { return left("tenurihosi"); }
  [[nodiscard]] std::string word() const { return widget("seimes").caption(); }

  // Which verdict the screen shows: "win", "lose", "both" or "none".
  [[nodiscard]] std::string verdict() const {
    const bool win = shown("Image7");
    const bool lose = shown("Image8");
    if (win && lose) return "both";
    if (win) return "win";
    return lose ? "lose" : "none";
  }

  // Makes the computer swimmer's next `strokes` strokes advance by 30 + 5 × r twips each (the
  // first draw of every stroke is thrown away by the game).
  void queueComputerStrokes(int strokes, float r) {
    for (int i = 0; i < strokes; ++i) session_.queueDraws({0.0F, r});
  }

  // Puts a star where no race would bring it by play, to reach a given finish situation.
  void placeStar(std::string_view star, float left) { widget(star).setLeft(left); }
};

// A player who never misses: one marker step at a time, strikes the arrow key of an end the
// moment the marker stands there with the keys armed. Plays until the marker stops for good
// (the race is over) or `maxTicks` steps have passed.
struct PerfectPlayer {
  struct Stroke {
    int tick = 0;  // the marker tick after which the key was struck, counted from the start
    std::string word;
    float star = 0;  // the player's star after the stroke
  };
  std::vector<Stroke> strokes;
  int ticks = 0;

  void play(Race& race, int maxTicks = 5000) {
    while (ticks < maxTicks) {
      const float before = race.marker();
      race.stepMarker();
      if (!race.running("Timer2")) return;
      const float moved = race.marker() - before;
      if (moved != 80 && moved != -80) {
        ADD_FAILURE() << "the marker moved " << moved << " twips in one step, at tick " << ticks;
        return;
      }
      ++ticks;
      if (race.variable("armed") != 1) continue;
      if (race.marker() == 4680) {
        race.key(kRightArrow);
      } else if (race.marker() == 1800) {
        race.key(kLeftArrow);
      } else {
        continue;
      }
      strokes.push_back({ticks, race.word(), race.player()});
    }
  }
};

}  // namespace fm::testing
