#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/model/program.h"

namespace fm::sim {

// The rules the running collection keeps whatever the player clicks, presses or closes, in
// whatever order: each check returns the first rule broken, or nothing.
class Invariants {
 public:
  explicit Invariants(Program& program);
  Invariants(const Invariants&) = delete;
  Invariants& operator=(const Invariants&) = delete;
  Invariants(Invariants&&) = delete;
  Invariants& operator=(Invariants&&) = delete;
  ~Invariants();

  // The state of every loaded window. `settled` means that no handler is part-way through
  // (no box is open), so the program must have ended exactly when no window is visible.
  [[nodiscard]] std::optional<std::string> check(bool settled) const;
  // A tick about to be delivered: its window is loaded and its handler is not running already.
  [[nodiscard]] static std::optional<std::string> checkTick(const Widget& timer);
  // A window that has just been loaded looks as in a program that has only just loaded it.
  [[nodiscard]] std::optional<std::string> checkFreshLoad(const Window& window) const;

 private:
  struct Range {
    const Window* window;
    std::string name;
    std::span<const std::int16_t> values;
    int lowest;
    int highest;
  };
  struct Counter {
    const Widget* label;
    int lowest;
    int highest;
  };
  struct FreshWindow {
    std::string widgets;  // the dump up to its variables
    std::map<std::string, std::string> variables;
  };

  [[nodiscard]] std::optional<std::string> checkRace(const Window& race) const;
  [[nodiscard]] std::optional<std::string> checkJourney(const Window& journey) const;
  [[nodiscard]] std::optional<std::string> checkDuel(const Window& duel) const;
  [[nodiscard]] std::optional<std::string> checkBoard(const Window& board) const;

  Program& program_;
  std::vector<Range> ranges_;
  std::vector<Counter> counters_;
  std::map<std::string, FreshWindow, std::less<>> fresh_;
};

// Every variable of a window as "name" or "name(index)" with its value as text.
std::map<std::string, std::string> variablesOf(const Window& window);

}  // namespace fm::sim
