// Headless speed: each game opened from the menu and played to its end by a scripted player
// through the headless host, every tick delivered (the race's 1 ms finish check included), as
// simulated seconds per wall second. The baseline is the real clock: one simulated second per
// second.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "bench/figures.h"

namespace bench {
namespace {

bool usable(const fm::Widget& widget) {
  return widget.visible() && widget.enabled();
}

// A scripted player for one window: makes its move if it has one now; true when it made it.
using Player = std::function<bool()>;
using MakePlayer = Player (*)(fm::Program&, fm::Window&);

// The window's own pace and Start, then a perfect stroke whenever the marker reaches an end.
Player racer(fm::Program& program, fm::Window& race) {
  return [&program, &race, &start = race.widget("Command3"), &marker = race.widget("Image5")] {
    if (usable(start)) {
      program.click(start);
      return true;
    }
    if (marker.left() != 4680 && marker.left() != 1800) return false;
    if (race.variables().read("armed", std::nullopt) != "1") return false;
    program.keyDown(race, marker.left() == 4680 ? 39 : 37, 0);
    return true;
  };
}

// Passes the feed with "１", "２", "３" whenever the buttons light up.
Player traveller(fm::Program& program, fm::Window& journey) {
  return [&program, buttons = std::array{&journey.widget("Command1"), &journey.widget("Command2"),
                                         &journey.widget("Command3")}] {
    bool moved = false;
    for (fm::Widget* button : buttons) {
      if (!usable(*button)) break;
      program.click(*button);
      moved = true;
    }
    return moved;
  };
}

// "グー", and "チョキ" when the rematch offers it.
Player dueller(fm::Program& program, fm::Window& duel) {
  return [&program, buttons = std::array{&duel.widget("Command1", 0), &duel.widget("Command2")}] {
    for (fm::Widget* button : buttons) {
      if (usable(*button)) {
        program.click(*button);
        return true;
      }
    }
    return false;
  };
}

// Throws the dice until the game is over.
Player thrower(fm::Program& program, fm::Window& board) {
  return [&program, &dice = board.widget("Command1")] {
    if (!usable(dice)) return false;
    program.click(dice);
    return true;
  };
}

struct Game {
  const char* name;
  const char* window;
  std::string_view opener;
  MakePlayer player;
};

// Opens the game from the menu and plays it until its window has gone or nothing is left to
// happen (the board stays on its defeat); returns the simulated ms it took.
std::int64_t play(const Game& game) {
  fm::Program program;
  fm::HeadlessHost host(program);
  fm::addCollection(program);
  program.start(fm::firstWindow(program));
  program.click(program.window("Form4").widget(game.opener));
  fm::Window& window = program.window(game.window);
  const Player move = game.player(program, window);
  std::optional<std::int64_t> movedAt;
  while (window.loaded()) {
    // At most one move a moment, so a move that changes nothing cannot hold time up.
    if (movedAt != host.now() && move()) {
      movedAt = host.now();
      continue;
    }
    const auto due = program.nextDue();
    if (!due) break;
    host.wait(*due - host.now());
  }
  return host.now();
}

struct Speed {
  double simulatedPerWall = 0;
  std::int64_t games = 0;
};

// Plays the game again and again for at least `wallMs`.
Speed measure(const Game& game, int wallMs) {
  std::int64_t simulatedMs = 0;
  Speed speed;
  const std::int64_t start = nowNs();
  std::int64_t elapsed = 0;
  do {
    simulatedMs += play(game);
    ++speed.games;
    elapsed = nowNs() - start;
  } while (elapsed < std::int64_t{wallMs} * 1'000'000);
  speed.simulatedPerWall = static_cast<double>(simulatedMs) * 1e6 / static_cast<double>(elapsed);
  return speed;
}

}  // namespace

void headlessSpeed(const Options& options) {
  const std::vector<Game> games = {
      {"race", "Form1", kOpenRace, racer},
      {"journey", "Form2", kOpenJourney, traveller},
      {"duel", "Form3", kOpenDuel, dueller},
      {"board", "Form5", kOpenBoard, thrower},
  };
  const int wallMs = options.span(500, 100);
  for (const Game& game : games) {
    std::vector<Speed> reps;
    reps.reserve(static_cast<std::size_t>(options.repetitions));
    for (int rep = 0; rep < options.repetitions; ++rep) reps.push_back(measure(game, wallMs));
    const double speed = medianOf(reps, [](const Speed& s) { return s.simulatedPerWall; });
    print(Json()
              .add("name", std::string("headless_speed_") + game.name)
              .add("unit", "simulated s per wall s")
              .add("value", speed)
              .add("simulated_s_per_game", static_cast<double>(play(game)) / 1000)
              .add("games_played", medianOf(reps, [](const Speed& s) { return double(s.games); }))
              .add("baseline", 1.0)
              .add("baseline_what", "real time")
              .add("ratio", speed)
              .add("target", ">= 10000 x real time")
              .add("met", speed >= 10000));
  }
}

}  // namespace bench
