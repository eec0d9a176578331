#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "tools/sim/invariants.h"

namespace fm::sim {

// What a monkey's run came to.
struct MonkeyResult {
  std::uint64_t events = 0;  // events played, up to and including a broken rule's
  // The first rule broken, seen after event `events`.
  std::optional<std::string> fault;
  // The endings the games were played to, as "Form1 won".
  std::map<std::string, std::uint64_t> endings;
};

// A seeded random player of the whole program. Each event is one thing a player can do: a
// click on any widget of any loaded window (the program must ignore what a player cannot
// click), a key, closing a window, opening a game from the menu, a scripted player's move in
// one game, queued random draws, or a wait from 1 ms to a minute. Message boxes stay open for
// a while, during which timers run and the monkey tries clicks, keys and closing windows.
// After every event the invariants are checked; the run stops at the first one broken or when
// the program ends. The same seed on the same program plays the same events.
class Monkey {
 public:
  Monkey(Program& program, HeadlessHost& host, std::uint64_t seed);
  Monkey(const Monkey&) = delete;
  Monkey& operator=(const Monkey&) = delete;
  Monkey(Monkey&&) = delete;
  Monkey& operator=(Monkey&&) = delete;
  // Leaves the host without listeners.
  ~Monkey();

  MonkeyResult play(std::uint64_t events);

 private:
  enum class Game { Race, Journey, Duel, Board };

  // --- events ---
  [[nodiscard]] bool stopped() const;
  // Plays one event and checks the rules after it. `settled`: not inside a message box.
  template <class Action>
  void event(bool settled, Action&& action);
  void act();
  void actDuringBox();
  void onBox(const Window& owner, const std::string& text);
  void onTick(const Widget& timer);

  // --- what a player can do ---
  void wait(std::int64_t milliseconds);
  void click(Widget& widget);
  void key(Window& window, std::int16_t keyCode, std::int16_t shift);
  void closeSomeWindow();
  void clickAnything();
  void pressAnyKey();
  void openGame(Game game);
  void queueDraws();

  // --- a scripted player for the game in play, one move per event ---
  void playGame();
  void playRace(Window& race);
  void strokeInTime(Window& race);
  void playJourney(Window& journey);
  void playDuel(Window& duel);
  void playBoard(Window& board);

  // --- the monkey's own draws ---
  [[nodiscard]] std::uint64_t below(std::uint64_t n);
  // An index into something of `n` elements, drawn as below(n).
  [[nodiscard]] std::size_t pick(std::size_t n);
  [[nodiscard]] bool chance(double p);
  [[nodiscard]] Game someGame();
  [[nodiscard]] std::int64_t someWait();
  [[nodiscard]] Window* someWindow(bool visibleOnly);
  [[nodiscard]] std::int16_t variable(const Window& window, std::string_view name) const;
  [[nodiscard]] std::string snapshot() const;

  Program& program_;
  HeadlessHost& host_;
  Invariants invariants_;
  std::mt19937_64 random_;
  Game game_ = Game::Race;
  std::uint64_t limit_ = 0;
  int boxDepth_ = 0;
  std::int64_t hostBoxDelay_ = 0;
  MonkeyResult result_;
};

}  // namespace fm::sim
