#include "tools/sim/invariants.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <variant>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/conversions.h"
#include "tools/sim/dump.h"

namespace fm::sim {
namespace {

// The values every integer variable of the collection takes in play; an array's range holds
// for each of its elements. A variable that is not listed here is a fault of the table.
struct VariableRange {
  std::string_view window;
  std::string_view variable;
  int lowest;
  int highest;
};
constexpr VariableRange kVariableRanges[] = {
    {"Form1", "countdown", 0, 3},    {"Form1", "direction", 1, 2},
    {"Form1", "grade", 0, 6},        {"Form1", "armed", 0, 1},
    {"Form2", "nokori", 0, 556},     {"Form2", "rtndraw", 0, 3},
    {"Form2", "step", 0, 2},         {"Form2", "warndraw", 0, 19},
    {"Form2", "holder", 0, 2},       {"Form3", "outcome", 1, 3},
    {"Form3", "roll", 0, 99},        {"Form3", "playerhand", 0, 2},
    {"Form3", "opponenthand", 0, 2}, {"Form5", "dieA1", 0, 7},
    {"Form5", "dieA2", 0, 7},        {"Form5", "dieA3", 0, 99},
    {"Form5", "jackpotRoll", 0, 99}, {"Form5", "dieB1", 0, 6},
    {"Form5", "dieB2", 0, 6},        {"Form5", "dieB3", 0, 6},
    {"Form5", "settleRoll1", 0, 2},  {"Form5", "settleRoll2", 0, 2},
    {"Form5", "rescueValue", 0, 99}, {"Form5", "settleRoll3", 0, 2},
    {"Form5", "shownFace1", 0, 7},   {"Form5", "shownFace2", 0, 7},
    {"Form5", "settledCount", 0, 3}, {"Form5", "shownFace3", 0, 7},
    {"Form5", "moveSteps", 0, 198},  {"Form5", "distance", 0, 100},
    {"Form5", "sumA", 0, 198},       {"Form5", "sumB", 0, 27},
    {"Form5", "landA", 0, 97},       {"Form5", "landB", 0, 97},
    {"Form5", "squareLevel", 0, 12}, {"Form5", "levelValue", 0, 99},
};

// Captions that show a counter: a whole number within these bounds.
struct CounterCaption {
  std::string_view window;
  std::string_view label;
  int lowest;
  int highest;
};
constexpr CounterCaption kCounterCaptions[] = {
    {"Form1", "Label1", 0, 3},    // the countdown
    {"Form2", "Label2", 0, 556},  // the distance left to Tokyo
    {"Form5", "Label2", 0, 100},  // the squares left to the captor
    {"Form5", "Label3", 0, 198},  // the steps left of a throw
};

// Variables that Form_Load draws at random: a fresh window has some value in their range.
bool drawnAtLoad(std::string_view window, std::string_view variable) {
  return window == "Form3" && (variable == "roll" || variable == "outcome");
}

std::string where(const Window& window, std::string_view what) {
  return std::string(window.name()) + "." + std::string(what);
}

std::optional<int> wholeCaption(const std::string& caption) {
  const double value = Val(caption);
  if (std::abs(value) > 32767 || value != std::floor(value)) return std::nullopt;
  const auto whole = static_cast<std::int16_t>(value);
  if (Str(whole) != caption) return std::nullopt;
  return whole;
}

std::string widgetsOf(const Window& window) {
  const std::string dump = dumpWindow(window);
  return dump.substr(0, dump.rfind(",\"variables\":"));
}

}  // namespace

std::map<std::string, std::string> variablesOf(const Window& window) {
  std::map<std::string, std::string> values;
  for (const Variables::Entry& entry : window.variables().entries()) {
    std::visit(
        [&](const auto& target) {
          using Target = std::decay_t<decltype(target)>;
          if constexpr (std::is_same_v<Target, std::span<std::int16_t>>) {
            for (std::size_t i = 0; i < target.size(); ++i) {
              const auto index = static_cast<int>(i) + entry.lowerBound;
              values[entry.name + "(" + std::to_string(index) + ")"] = std::to_string(target[i]);
            }
          } else if constexpr (std::is_same_v<Target, std::string*>) {
            values[entry.name] = *target;
          } else {
            values[entry.name] = std::to_string(*target);
          }
        },
        entry.target);
  }
  return values;
}

Invariants::Invariants(Program& program) : program_(program) {
  for (const auto& window : program.windows()) {
    for (const Variables::Entry& entry : window->variables().entries()) {
      std::span<const std::int16_t> values;
      if (const auto* plain = std::get_if<std::int16_t*>(&entry.target)) {
        values = std::span<const std::int16_t>(*plain, 1);
      } else if (const auto* array = std::get_if<std::span<std::int16_t>>(&entry.target)) {
        values = *array;
      } else {
        continue;  // the duel's lines are texts
      }
      const auto* range = std::find_if(
          std::begin(kVariableRanges), std::end(kVariableRanges),
          [&](const auto& r) { return r.window == window->name() && r.variable == entry.name; });
      if (range == std::end(kVariableRanges)) {
        throw std::logic_error("no range known for " + where(*window, entry.name));
      }
      ranges_.push_back({window.get(), entry.name, values, range->lowest, range->highest});
    }
  }
  for (const CounterCaption& counter : kCounterCaptions) {
    counters_.push_back(
        {&program.window(counter.window).widget(counter.label), counter.lowest, counter.highest});
  }

  // What each window looks like once loaded, in a program of its own.
  Program reference;
  addCollection(reference);
  HeadlessHost host(reference);
  reference.start(firstWindow(reference));
  for (const auto& window : reference.windows()) {
    window->Show();
    fresh_[std::string(window->name())] = {widgetsOf(*window), variablesOf(*window)};
  }
}

Invariants::~Invariants() = default;

std::optional<std::string> Invariants::check(bool settled) const {
  bool anyVisible = false;
  for (const auto& window : program_.windows()) {
    anyVisible = anyVisible || window->visible();
    for (const auto& widget : window->widgets()) {
      const TimerState& timer = widget->timerState();
      if (!window->loaded() && timer.scheduled) {
        return where(*window, widget->displayName()) + " is due to tick in an unloaded window";
      }
      if (settled && timer.running) {
        return where(*window, widget->displayName()) + " is still running its tick";
      }
    }
  }
  if (settled && program_.ended() == anyVisible) {
    return anyVisible ? "the program ended with a window still open"
                      : "no window is open but the program goes on";
  }

  for (const Range& range : ranges_) {
    if (!range.window->loaded()) continue;
    for (std::size_t i = 0; i < range.values.size(); ++i) {
      const int value = range.values[i];
      if (value < range.lowest || value > range.highest) {
        const std::string name =
            range.values.size() > 1 ? range.name + "(" + std::to_string(i) + ")" : range.name;
        return where(*range.window, name) + " is " + std::to_string(value) + ", outside " +
               std::to_string(range.lowest) + " to " + std::to_string(range.highest);
      }
    }
  }
  for (const Counter& counter : counters_) {
    if (!counter.label->window().loaded()) continue;
    const auto value = wholeCaption(counter.label->caption());
    if (!value || *value < counter.lowest || *value > counter.highest) {
      return where(counter.label->window(), counter.label->name()) + " shows \"" +
             counter.label->caption() + "\", not a count from " + std::to_string(counter.lowest) +
             " to " + std::to_string(counter.highest);
    }
  }

  using Rule = std::optional<std::string> (Invariants::*)(const Window&) const;
  static constexpr std::pair<std::string_view, Rule> kGameRules[] = {
      {"Form1", &Invariants::checkRace},
      {"Form2", &Invariants::checkJourney},
      {"Form3", &Invariants::checkDuel},
      {"Form5", &Invariants::checkBoard},
  };
  for (const auto& [name, rule] : kGameRules) {
    const Window& window = program_.window(name);
    if (!window.loaded()) continue;
    if (auto broken = (this->*rule)(window)) return broken;
  }
  return std::nullopt;
}

std::optional<std::string> Invariants::checkTick(const Widget& timer) {
  const auto name = [&] { return where(timer.window(), timer.displayName()); };
  if (!timer.window().loaded()) return "a tick of " + name() + " in an unloaded window";
  if (timer.timerState().running) return "a tick of " + name() + " while its last one runs";
  return std::nullopt;
}

std::optional<std::string> Invariants::checkFreshLoad(const Window& window) const {
  const FreshWindow& fresh = fresh_.at(std::string(window.name()));
  if (widgetsOf(window) != fresh.widgets) {
    return std::string(window.name()) +
           " was loaded with widgets other than its layout's: " + widgetsOf(window);
  }
  for (const auto& [name, value] : variablesOf(window)) {
    if (drawnAtLoad(window.name(), name) || fresh.variables.at(name) == value) continue;
    return where(window, name) + " starts at " + value + ", not " + fresh.variables.at(name);
  }
  return std::nullopt;
}

std::optional<std::string> Invariants::checkRace(const Window& race) const {
  // The marker steps 80 twips along the bar and dips one step past its left end.
  const float marker = race.widget("Image5").left();
  constexpr float kLowest = 1720;
  constexpr float kHighest = 4680;
  if (marker < kLowest || marker > kHighest || std::fmod(marker - kLowest, 80.0F) != 0) {
    return "the race marker stands at " + Str(marker) + ", off its grid";
  }
  if (race.widget("Image7").visible() && race.widget("Image8").visible()) {
    return "the race shows both WIN! and Lose..";
  }
  return std::nullopt;
}

std::optional<std::string> Invariants::checkJourney(const Window& journey) const {
  // Once the countdown runs, the feed is with exactly one of the two characters.
  const auto nokori = journey.variables().read("nokori", std::nullopt);
  if (nokori == "556") return std::nullopt;
  if (journey.widget("Image6").visible() == journey.widget("Image7").visible()) {
    return "the journey's feed is shown at " +
           std::string(journey.widget("Image6").visible() ? "both characters" : "neither");
  }
  return std::nullopt;
}

std::optional<std::string> Invariants::checkDuel(const Window& duel) const {
  int enabled = 0;
  for (const auto& widget : duel.widgets()) {
    if (widget->kind() == WidgetKind::Timer && widget->name().starts_with("Timer") &&
        widget->enabled()) {
      ++enabled;
    }
  }
  if (enabled > 1) return "the duel has " + std::to_string(enabled) + " step timers enabled";
  return std::nullopt;
}

std::optional<std::string> Invariants::checkBoard(const Window& board) const {
  const Variables& variables = board.variables();
  const auto levelAt = [&](int distance) {
    return std::stoi(*variables.read("squareLevel", std::max(distance, 0)));
  };
  const int distance = std::stoi(*variables.read("distance", std::nullopt));
  if (board.widget("Image2", 0).visible()) {
    for (int square = 0; square < 5; ++square) {
      const Picture shown = board.widget("Image2", square).picture();
      const Picture expected = board.widget("Image1", levelAt(distance - square)).picture();
      if (shown != expected) {
        return "track square " + std::to_string(square) + " shows " + std::string(shown.name()) +
               " at distance " + std::to_string(distance);
      }
    }
  }
  const bool defeat = board.backColor() == board.widget("Label4").backColor();
  if (defeat && (board.widget("Command1").enabled() || board.widget("Command2").enabled())) {
    return "a button of the board is enabled during the defeat";
  }
  return std::nullopt;
}

}  // namespace fm::sim
