#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_windows.h"
#include "tests/tools/sim/line_mutations.h"
#include "tests/tools/sim/scenario.h"
#include "tools/sim/dump.h"

namespace fm::testing {
namespace {

// The real collection with the test windows shown beside the menu, so that every address of
// the seeds below is live, and a hidden watchdog: armed around a line that must answer at
// once, its 1 ms timer falls due at the first virtual millisecond and throws, which cuts short
// a wait meant to be refused that could otherwise tick for hours.
void addEverything(Program& program) {
  addCollection(program);
  addShapesAndBoxes(program);
  program.window("Shapes").Show();
  program.window("Boxes").Show();
  auto& watchdog = program.add<HookWindow>("Watchdog");
  watchdog.onTimerC = [] { throw std::runtime_error("watchdog: time passed"); };
  watchdog.Load();
}

// Valid lines on the collection and the test windows. Waits stay short: a running game may
// tick every millisecond.
const std::vector<std::string>& seedLines() {
  // clang-format off
  static const std::vector<std::string> seeds{
      "click Form4.Command1", "click Form4.Command2", "click Form4.Command3",
      "click Form4.Command4", "click Form1.Command3", "click Form1.Option1(2)",
      "click Form2.Command1", "click Form2.Image1", "click Form3.Command1(0)",
      "click Form5.Command1", "click Form5.Command2", "click Shapes.Command1",
      "click Shapes.Option1(1)", "click Boxes.Image1",
      "get Form1.Image5.Left", "get Form1.armed", "get Form1.seimes.Caption",
      "get Form4.Command1.Caption", "get Form4.Label1(0).Caption", "get Form4.ActiveControl",
      "get Form2.nokori", "get Form5.squareLevel(17)", "get Shapes.cells(3)",
      "get Shapes.Image1(1).Picture", "get Boxes.ticks",
      "dump Form1", "dump Form2", "dump Form3", "dump Form4", "dump Form5", "dump Shapes",
      "dump Boxes",
      "key Form1 39", "key Form3 32 0", "key Boxes 37 1",
      "wait 30", "wait 250", "msgbox-delay 30", "rnd 0.5 0.25", "rnd 0.75"};
  // clang-format on
  return seeds;
}

// Everything a refused line must leave as it was: the clock, the boxes raised and every window
// as text, and the next draws (one past those queued, so that one more queued shows).
using State = std::pair<std::string, std::vector<float>>;
State stateOf(Scenario& scenario) {
  const HeadlessHost& host = scenario.host;
  State state{std::to_string(host.now()) + ' ' + std::to_string(host.messageBoxes().size()), {}};
  for (const auto& window : scenario.program.windows()) state.first += sim::dumpWindow(*window);
  RandomSource random = scenario.program.random();  // a copy: the program draws nothing
  for (std::size_t i = random.queued() + 1; i > 0; --i) state.second.push_back(random.Rnd());
  return state;
}

// The start of a line, printable, for failure messages.
std::string shown(const MutatedLine& line) {
  std::string text = std::string(line.how) + ": \"";
  for (const char c : line.text.substr(0, 60)) text += c >= 0x20 && c < 0x7f ? c : '?';
  return text + (line.text.size() > 60 ? "...\"" : "\"");
}

// What every line owes: one that fails prints one error line and nothing else, at once (with
// the watchdog armed, if any, when it is meant to be refused), and changes nothing; a malformed
// line fails; a well-formed one is never refused for its form. `known` is the scenario's state
// when the last line left it as it was, and is kept up to date.
void check(Scenario& scenario, HookWindow* watchdog, const MutatedLine& line,
           std::optional<State>& known) {
  const State before = known ? *std::exchange(known, std::nullopt) : stateOf(scenario);
  scenario.out.str({});
  const bool bounded = watchdog != nullptr && line.expect == Expect::Refused;
  if (bounded) watchdog->TimerC.setEnabled(true);
  bool succeeded = false;
  ASSERT_NO_THROW(succeeded = scenario.runner.execute(line.text)) << shown(line);
  if (bounded) watchdog->TimerC.setEnabled(false);
  const std::string out = scenario.out.str();
  ASSERT_EQ(out.find("watchdog"), std::string::npos) << shown(line) << " let time pass";
  if (succeeded) {
    EXPECT_NE(line.expect, Expect::Refused) << shown(line) << " was accepted";
    EXPECT_EQ(out.find("error: "), std::string::npos) << shown(line) << " -> " << out;
    return;
  }
  // One line: its only line break at its end (a megabyte line is echoed back whole).
  ASSERT_TRUE(!out.empty() && out.find('\n') == out.size() - 1)
      << shown(line) << " -> " << out.substr(0, 200);
  for (const std::string_view form : {"error: bad number", "error: bad address",
                                      "error: unknown command", "error: wrong number of"}) {
    EXPECT_FALSE(line.expect == Expect::Accepted && out.starts_with(form))
        << shown(line) << " -> " << out;
  }
  State after = stateOf(scenario);
  EXPECT_TRUE(after == before) << shown(line) << " changed the state";
  known = std::move(after);
}

TEST(SimRobustness, MalformedLinesAreRefusedAtOnceAndChangeNothing) {
  LineMutator mutator(seedLines(), 20241225U);
  std::vector<MutatedLine> lines = mutator.everyCut();
  for (int i = 0; i < 1000; ++i) lines.push_back(mutator.next());

  std::optional<Scenario> scenario;
  Scenario idle;  // for lines that let an hour pass: only the menu is open, no timer runs
  std::optional<State> knownState;
  std::optional<State> knownIdle;
  for (const MutatedLine& line : lines) {
    // Stray words may close every window: start again then.
    if (!scenario || scenario->program.ended()) {
      scenario.emplace(addEverything, "Form4");
      knownState.reset();
    }
    auto& watchdog = dynamic_cast<HookWindow&>(scenario->program.window("Watchdog"));
    if (line.slow) {
      check(idle, nullptr, line, knownIdle);
    } else {
      check(*scenario, &watchdog, line, knownState);
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
  // Whatever happened, the runner still answers.
  EXPECT_EQ(scenario->run("echo alive").back(), "alive");
}

}  // namespace
}  // namespace fm::testing
