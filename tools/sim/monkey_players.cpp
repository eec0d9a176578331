// The monkey's scripted players: one sensible move at a time in the game it is playing, so
// that every game is regularly played to each of its endings among the random events.

#include <array>

#include "app/model/program.h"
#include "games/swim/form1.h"
#include "tools/sim/monkey.h"

namespace fm::sim {
namespace {

constexpr float kBarLeftEnd = 1800;
constexpr float kBarRightEnd = 4680;

bool usable(const Widget& widget) {
  return widget.visible() && widget.enabled();
}

}  // namespace

void Monkey::playGame() {
  static constexpr std::array<std::string_view, 4> kWindows = {"Form1", "Form2", "Form3", "Form5"};
  Window& game = program_.window(kWindows.at(static_cast<std::size_t>(game_)));
  if (!game.visible()) {
    if (chance(0.7)) {
      openGame(game_);
    } else {
      game_ = someGame();
      wait(someWait());
    }
    return;
  }
  switch (game_) {
    case Game::Race:
      playRace(game);
      break;
    case Game::Journey:
      playJourney(game);
      break;
    case Game::Duel:
      playDuel(game);
      break;
    case Game::Board:
      playBoard(game);
      break;
  }
}

void Monkey::playRace(Window& race) {
  Widget& start = race.widget("Command3");
  if (usable(start)) {
    if (chance(0.3)) {
      click(race.widget("Option1", static_cast<int>(below(3))));
      return;
    }
    // Only a player who never misses beats a computer of average speed; now and then the
    // computer is given its slowest strokes (two draws a stroke).
    if (chance(0.3)) {
      for (int draw = 0; draw < 320; ++draw) program_.random().queue(0.0F);
    }
    click(start);
  } else if (race.widget("Timer2").enabled() || race.widget("Timer3").enabled()) {
    if (chance(0.85)) {
      for (auto strokes = 1 + below(12); strokes > 0 && race.widget("Timer2").enabled();
           --strokes) {
        strokeInTime(race);
      }
    } else {
      wait(static_cast<std::int64_t>(1 + below(400)));
      key(race, chance(0.5) ? Form1::kLeftArrow : Form1::kRightArrow, 0);
    }
  } else {
    wait(static_cast<std::int64_t>(100 + below(2000)));
  }
}

void Monkey::strokeInTime(Window& race) {
  // Waits, one marker step at a time, for the marker to reach an end with the keys armed.
  const Widget& marker = race.widget("Image5");
  const Widget& sweep = race.widget("Timer2");
  const Widget& penalty = race.widget("Timer3");
  for (int steps = 0; steps < 200 && race.loaded() && !program_.ended(); ++steps) {
    if (!sweep.enabled() && !penalty.enabled()) return;
    if (sweep.enabled() && variable(race, "armed") == 1) {
      if (marker.left() <= kBarLeftEnd) return key(race, Form1::kLeftArrow, 0);
      if (marker.left() >= kBarRightEnd) return key(race, Form1::kRightArrow, 0);
    }
    wait(std::max(sweep.interval(), 1));
  }
}

void Monkey::playJourney(Window& journey) {
  if (chance(0.1)) {
    click(journey.widget("Image1"));  // the pigeon brings the distance back
    return;
  }
  // Near Tokyo a player keeps passing the feed to the partner until the pigeon arrives.
  const bool toTheEnd = variable(journey, "nokori") < 40 && chance(0.5);
  for (int moves = 0; moves < 1000 && journey.loaded() && !program_.ended(); ++moves) {
    static constexpr std::array<std::string_view, 3> kInOrder = {"Command1", "Command2",
                                                                 "Command3"};
    Widget& next = journey.widget(kInOrder.at(static_cast<std::size_t>(variable(journey, "step"))));
    if (usable(next)) {
      click(next);
      if (variable(journey, "step") != 0) continue;  // the feed passes with "３"
    } else if (!next.visible()) {
      wait(static_cast<std::int64_t>(200 + below(3000)));
      return;
    }
    if (!toTheEnd) return;
    wait(10);
  }
}

void Monkey::playDuel(Window& duel) {
  Widget& rematch = duel.widget("Command2");
  Widget& hand = duel.widget("Command1", static_cast<int>(below(3)));
  if (usable(rematch)) {
    click(rematch);
  } else if (usable(hand)) {
    click(hand);
  } else {
    wait(static_cast<std::int64_t>(300 + below(5000)));
  }
}

void Monkey::playBoard(Window& board) {
  Widget& dice = board.widget("Command1");
  if (!usable(dice)) {
    wait(static_cast<std::int64_t>(200 + below(3000)));
    return;
  }
  // Once the squares show more than 1, a rescue can fail: a player tries it then more often.
  const bool risky = variable(board, "distance") <= 17;
  const double rescue = risky ? 0.6 : 0.05;
  if (!chance(rescue)) {
    // A throw, watched until the walk is over.
    click(dice);
    for (int looks = 0; looks < 60 && board.loaded() && !usable(dice); ++looks) wait(500);
    return;
  }
  if (program_.random().queued() == 0 && chance(0.5)) {
    // The rescue draw: 0 fails wherever a rescue can fail, 0.99 never does.
    program_.random().queue(risky && chance(0.7) ? 0.0F : 0.99F);
  }
  click(board.widget("Command2"));
}

}  // namespace fm::sim
