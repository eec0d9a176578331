#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "tests/support/session.h"
#include "tools/sim/monkey.h"

namespace fm::testing {

// What the monkey found over several lives of the program.
struct MonkeyLives {
  std::uint64_t events = 0;
  std::uint64_t lives = 0;
  std::optional<std::string> fault;  // with the seed and event that replay it
  std::map<std::string, std::uint64_t> endings;
};

// Plays `events` monkey events from `seed`: a life lasts until its program ends, or for at most
// `perLife` events, and the next life starts a fresh program, as `minigames-sim` starts one,
// with the seed `seed` × 1,000,000 + the life's number.
inline MonkeyLives playLives(std::uint64_t seed, std::uint64_t events,
                             std::uint64_t perLife = 20'000) {
  MonkeyLives lives;
  while (lives.events < events && !lives.fault) {
    const std::uint64_t life = seed * 1'000'000 + lives.lives++;
    Session session;
    sim::Monkey monkey(session.program, session.host, life);
    const sim::MonkeyResult result = monkey.play(std::min(perLife, events - lives.events));
    lives.events += result.events;
    for (const auto& [ending, times] : result.endings) lives.endings[ending] += times;
    if (result.fault) {
      const std::string replay = std::to_string(life) + " " + std::to_string(result.events - 1);
      lives.fault = "monkey seed " + std::to_string(life) + ": " + *result.fault +
                    "\nreplay: printf 'monkey " + replay + "\\ndump FORM\\n' | minigames-sim";
    }
  }
  return lives;
}

}  // namespace fm::testing
