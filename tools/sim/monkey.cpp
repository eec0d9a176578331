#include "tools/sim/monkey.h"

#include <algorithm>
#include <array>
#include <vector>

#include "tools/sim/dump.h"

namespace fm::sim {
namespace {

constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kSpace = 32;
constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kUp = 38;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kDown = 40;

// Draws that decide something in one game or another: a duel's rematch (17 of 100), the true
// ending (77 of 100), a die showing 66, the captor's return (2 of 5), a hand-back (2 of 4), the
// journey's warning (17 of 20), and both ends of the range.
constexpr std::array kTellingDraws = {0.175F, 0.775F, 0.665F, 0.45F, 0.5F, 0.85F, 0.05F};
constexpr float kHighestDraw = 0.99999994F;

// Boxes that show how the board ends.
struct BoardEnding {
  std::string_view box;
  std::string_view ending;
};
constexpr BoardEnding kBoardEndings[] = {
    {"ネモネモ「フフフ・・私から逃げられるとでも。」", "Form5 captor returned"},
    {"ラビトー！！！！", "Form5 rescue failed"},
    {"このままでは終われない！", "Form5 true ending"},
    {"あなたも監禁されたいのね★（ニコリ）", "Form5 caught"},
};

}  // namespace

Monkey::Monkey(Program& program, HeadlessHost& host, std::uint64_t seed)
    : program_(program),
      host_(host),
      invariants_(program),
      random_(seed),
      hostBoxDelay_(host.messageBoxDelay()) {
  host_.setMessageBoxDelay(0);  // the monkey keeps each box open itself
  host_.onMessageBox([this](Window& owner, const std::string& text) { onBox(owner, text); });
  program_.onTick([this](const Widget& timer) { onTick(timer); });
}

Monkey::~Monkey() {
  host_.onMessageBox(nullptr);
  host_.setMessageBoxDelay(hostBoxDelay_);
  program_.onTick(nullptr);
}

MonkeyResult Monkey::play(std::uint64_t events) {
  limit_ = result_.events + events;
  while (!stopped()) event(true, [this] { act(); });
  return result_;
}

bool Monkey::stopped() const {
  return result_.fault || result_.events >= limit_ || program_.ended();
}

template <class Action>
void Monkey::event(bool settled, Action&& action) {
  action();
  ++result_.events;
  if (result_.fault) return;  // broken inside the event
  if (auto broken = invariants_.check(settled)) {
    result_.fault = "after event " + std::to_string(result_.events) + ": " + *broken;
  }
}

void Monkey::act() {
  const auto roll = below(1000);
  if (roll < 300) {
    wait(someWait());
  } else if (roll < 600) {
    playGame();
  } else if (roll < 660) {
    openGame(someGame());
  } else if (roll < 770) {
    clickAnything();
  } else if (roll < 870) {
    pressAnyKey();
  } else if (roll < 920) {
    queueDraws();
  } else if (roll < 924) {
    closeSomeWindow();
  } else {
    game_ = someGame();
    playGame();
  }
}

void Monkey::onBox(const Window& owner, const std::string& text) {
  if (owner.name() == "Form5") {
    for (const BoardEnding& ending : kBoardEndings) {
      if (text == ending.box) ++result_.endings[std::string(ending.ending)];
    }
  }
  // Boxes within boxes are answered at once, and so is every box once the run is over.
  if (stopped() || boxDepth_ > 2) return;
  ++boxDepth_;
  const auto roll = below(100);
  if (roll >= 55 && roll < 85) {
    event(false, [this] { wait(someWait()); });
  } else if (roll >= 85) {
    for (auto moves = 1 + below(3); moves > 0 && !stopped(); --moves) {
      event(false, [this] { actDuringBox(); });
    }
  }
  --boxDepth_;
}

void Monkey::actDuringBox() {
  const auto roll = below(100);
  if (roll < 35) {
    wait(someWait());
  } else if (roll < 60) {
    closeSomeWindow();
  } else if (roll < 85) {
    clickAnything();
  } else {
    pressAnyKey();
  }
}

void Monkey::onTick(const Widget& timer) {
  if (!result_.fault) {
    if (auto broken = Invariants::checkTick(timer)) {
      result_.fault = "during event " + std::to_string(result_.events + 1) + ": " + *broken;
    }
  }
  // Only two timers matter here; every other tick leaves at once.
  const bool ending = timer.name() == "owaritimer";
  if (!ending && timer.name() != "Timer8") return;
  // A failed rescue turns into the true ending on an ending roll of 77, drawn by this tick.
  if (!ending && timer.window().name() == "Form5" && program_.random().queued() == 0 &&
      chance(0.3)) {
    program_.random().queue(0.775F);
  }
  // A game's owaritimer hands back to the menu: its ending is on screen.
  if (!ending) return;
  const Window& game = timer.window();
  const auto shown = [&](std::string_view name) { return game.widget(name).visible(); };
  if (game.name() == "Form1") {
    ++result_.endings[std::string(shown("Image7") ? "Form1 won" : "Form1 lost")];
  } else if (game.name() == "Form2") {
    ++result_.endings[std::string(shown("Image8") ? "Form2 won" : "Form2 lost")];
  } else if (game.name() == "Form3") {
    static constexpr std::array<std::string_view, 4> kOutcomes = {
        "", "Form3 won", "Form3 rematch won", "Form3 lost"};
    const auto outcome = variable(game, "outcome");
    if (outcome >= 1 && outcome <= 3) ++result_.endings[std::string(kOutcomes.at(outcome))];
  } else if (game.name() == "Form5") {
    ++result_.endings[std::string("Form5 rescued")];
  }
}

// --- what a player can do ---

void Monkey::wait(std::int64_t milliseconds) {
  host_.wait(milliseconds);
}

void Monkey::click(Widget& widget) {
  const Window& window = widget.window();
  const bool refused = program_.boxOpen() || !window.visible() || !widget.isClickableKind() ||
                       !widget.visible() || !widget.enabled();
  const std::string before = refused ? snapshot() : std::string();
  std::vector<bool> loadedBefore;
  for (const auto& each : program_.windows()) loadedBefore.push_back(each->loaded());
  program_.click(widget);
  if (result_.fault) return;
  if (refused && snapshot() != before) {
    result_.fault = "a click on " + std::string(window.name()) + "." + widget.displayName() +
                    " that no player can make changed the program";
    return;
  }
  // A menu button that opens a game opens it as laid out, however it was left last time.
  for (std::size_t i = 0; i < loadedBefore.size() && !result_.fault; ++i) {
    const Window& opened = *program_.windows()[i];
    if (!loadedBefore[i] && opened.loaded()) result_.fault = invariants_.checkFreshLoad(opened);
  }
}

void Monkey::key(Window& window, std::int16_t keyCode, std::int16_t shift) {
  if (!window.loaded()) return;
  const bool refused = program_.boxOpen() || !window.visible();
  const std::string before = refused ? snapshot() : std::string();
  program_.keyDown(window, keyCode, shift);
  if (refused && !result_.fault && snapshot() != before) {
    result_.fault =
        "a key in " + std::string(window.name()) + " that no player can press changed the program";
  }
}

void Monkey::closeSomeWindow() {
  // Only a shown window has a close box.
  if (Window* window = someWindow(true)) program_.close(*window);
}

void Monkey::clickAnything() {
  Window* window = someWindow(false);
  if (window == nullptr) return;
  const auto& widgets = window->widgets();
  click(*widgets[pick(widgets.size())]);
}

void Monkey::pressAnyKey() {
  Window* window = someWindow(false);
  if (window == nullptr) return;
  static constexpr std::array<std::int16_t, 6> kKeys = {kLeft, kRight, kUp, kDown, kSpace, kEnter};
  std::int16_t code = kKeys.at(pick(kKeys.size()));
  if (chance(0.2)) code = static_cast<std::int16_t>(below(256));
  if (chance(0.03)) code = static_cast<std::int16_t>(random_());
  std::int16_t shift = 0;
  if (chance(0.3)) shift = static_cast<std::int16_t>(below(8));
  key(*window, code, shift);
}

void Monkey::openGame(Game game) {
  // The menu's buttons, in the order of Game.
  static constexpr std::array<std::string_view, 4> kButtons = {"Command1", "Command3", "Command2",
                                                               "Command4"};
  game_ = game;
  Window& menu = program_.window("Form4");
  if (!menu.loaded()) {
    wait(someWait());
    return;
  }
  const auto index = static_cast<std::size_t>(game);
  if (game == Game::Duel && !program_.window("Form3").loaded() && chance(0.3)) {
    // The duel's outcome is drawn at load: a win, the rare rematch or a loss.
    static constexpr std::array kOutcomeDraws = {0.05F, 0.175F, 0.5F};
    program_.random().queue(kOutcomeDraws.at(pick(kOutcomeDraws.size())));
  }
  click(menu.widget(kButtons.at(index)));
}

void Monkey::queueDraws() {
  for (auto count = 1 + below(4); count > 0; --count) {
    const auto roll = below(100);
    float draw = 0;
    if (roll < 10) {
      draw = kHighestDraw;
    } else if (roll < 35) {
      draw = kTellingDraws.at(pick(kTellingDraws.size()));
    } else if (roll < 75) {
      draw = static_cast<float>(below(std::uint64_t{1} << 24)) / static_cast<float>(1 << 24);
    }
    program_.random().queue(draw);
  }
}

// --- the monkey's own draws ---

std::uint64_t Monkey::below(std::uint64_t n) {
  return random_() % n;
}

std::size_t Monkey::pick(std::size_t n) {
  return static_cast<std::size_t>(below(n));
}

bool Monkey::chance(double p) {
  return static_cast<double>(below(1'000'000)) < p * 1'000'000;
}

Monkey::Game Monkey::someGame() {
  // The board and the journey need the longest play to reach their endings.
  static constexpr std::array kGames = {Game::Race,    Game::Race,    Game::Race, Game::Journey,
                                        Game::Journey, Game::Journey, Game::Duel, Game::Board,
                                        Game::Board,   Game::Board,   Game::Board};
  return kGames.at(pick(kGames.size()));
}

std::int64_t Monkey::someWait() {
  // Mostly short, as a player's pauses are, and now and then up to a minute.
  const auto roll = below(100);
  std::uint64_t milliseconds = 0;
  if (roll < 55) {
    milliseconds = 1 + below(40);
  } else if (roll < 85) {
    milliseconds = 40 + below(960);
  } else if (roll < 97) {
    milliseconds = 1000 + below(9000);
  } else {
    milliseconds = 10000 + below(50001);
  }
  return static_cast<std::int64_t>(milliseconds);
}

Window* Monkey::someWindow(bool visibleOnly) {
  std::vector<Window*> candidates;
  for (const auto& window : program_.windows()) {
    if (window->loaded() && (window->visible() || !visibleOnly)) candidates.push_back(window.get());
  }
  if (candidates.empty()) return nullptr;
  return candidates[pick(candidates.size())];
}

std::int16_t Monkey::variable(const Window& window, std::string_view name) const {
  const auto value = window.variables().read(name, std::nullopt);
  return value ? static_cast<std::int16_t>(std::stoi(*value)) : std::int16_t{0};
}

std::string Monkey::snapshot() const {
  std::string state = std::to_string(host_.now());
  for (const auto& window : program_.windows()) state += dumpWindow(*window);
  return state;
}

}  // namespace fm::sim
