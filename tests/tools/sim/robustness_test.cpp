#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/tools/sim/line_mutations.h"
#include "tests/tools/sim/scenario.h"
#include "tests/support/test_windows.h"
#include "tools/sim/command_line.h"
#include "tools/sim/dump.h"

namespace fm::testing {
namespace {

// Cuts short a line that should answer at once but lets virtual time pass (a wait meant to be
// refused, which could otherwise tick for hours): armed around such a line, its 1 ms timer falls
// due at the first virtual millisecond and its handler throws, which ends the wait.
class Watchdog final : public Window {
 public:
  explicit Watchdog(Program& program) : Window(program, {"Watchdog", "", 1500, 1500}, layout()) {}
  void arm(bool armed) { widget("Timer1").setEnabled(armed); }
  bool fired = false;

 private:
  static std::span<const LayoutRow> layout() {
    // clang-format off
    static const LayoutRow rows[] = {
        {"Timer1", WidgetKind::Timer, -1, {}, {.enabled = false, .interval = 1},
         on(&Watchdog::Timer1_Timer)},
    };
    // clang-format on
    return rows;
  }
  void Timer1_Timer() {
    fired = true;
    throw std::runtime_error("time passed");
  }
};

// The real collection with the test windows shown beside the menu, so that every address of
// the seeds below is live, and a hidden watchdog.
void addEverything(Program& program) {
  addCollection(program);
  addShapesAndBoxes(program);
  program.window("Shapes").Show();
  program.window("Boxes").Show();
  program.add<Watchdog>().Load();
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

// Everything a refused line must leave as it was.
struct State {
  std::vector<std::string> dumps;
  std::int64_t now = 0;
  std::size_t boxes = 0;
  std::vector<float> nextDraws;
  bool operator==(const State&) const = default;
};

// `draws` must exceed the number of values queued for Rnd, so that one more shows.
State stateOf(Scenario& scenario, std::size_t draws) {
  State state;
  state.now = scenario.host.now();
  state.boxes = scenario.host.messageBoxes().size();
  for (const auto& window : scenario.program.windows()) {
    state.dumps.push_back(sim::dumpWindow(*window));
  }
  RandomSource random = scenario.program.random();  // a copy: the program draws nothing
  for (std::size_t i = 0; i < draws; ++i) state.nextDraws.push_back(random.Rnd());
  return state;
}

// The start of a line, printable, for failure messages.
std::string shown(const MutatedLine& line) {
  std::string text = std::string(line.how) + ": \"";
  for (const char c : line.text.substr(0, 60)) text += c >= 0x20 && c < 0x7f ? c : '?';
  return text + (line.text.size() > 60 ? "...\"" : "\"");
}

bool isRefusalOfItsForm(const std::string& line) {
  for (const std::string_view start :
       {"error: bad number", "error: bad address", "error: unknown command",
        "error: wrong number of arguments"}) {
    if (line.starts_with(start)) return true;
  }
  return false;
}

// Runs lines on one scenario and checks what every line owes: a line that fails prints one
// error line and nothing else, at once, and changes nothing; a malformed line fails; a
// well-formed one is never refused for its form.
class Checker {
 public:
  Checker(Scenario& scenario, Watchdog* watchdog)
      : scenario_(scenario), watchdog_(watchdog), state_(stateOf(scenario, 1)) {}
  Checker(const Checker&) = delete;
  Checker& operator=(const Checker&) = delete;
  Checker(Checker&&) = delete;
  Checker& operator=(Checker&&) = delete;
  ~Checker() {
    if (!::testing::Test::HasFatalFailure()) settle();
  }

  void run(const MutatedLine& line) {
    // Reading the state back is slow (a dump of every window): a run of refused lines, which
    // must all leave it as it was, is compared once, before a line that may change it.
    if (changed_ || line.expect != Expect::Refused) settle();
    scenario_.out.str({});
    const bool bounded = watchdog_ != nullptr && line.expect == Expect::Refused;
    if (bounded) watchdog_->arm(true);
    bool succeeded = false;
    ASSERT_NO_THROW(succeeded = scenario_.runner.execute(line.text)) << shown(line);
    if (bounded) watchdog_->arm(false);
    ASSERT_FALSE(bounded && watchdog_->fired) << shown(line) << " let time pass";
    std::vector<std::string> printed;
    std::istringstream out(scenario_.out.str());
    for (std::string text; std::getline(out, text);) printed.push_back(text);
    const bool failed = std::any_of(printed.begin(), printed.end(),
                                    [](const auto& text) { return text.starts_with("error: "); });
    EXPECT_EQ(succeeded, !failed) << shown(line);
    if (line.expect == Expect::Refused) {
      EXPECT_TRUE(failed) << shown(line) << " was accepted";
    }
    if (!failed) {
      changed_ = true;
      if (const auto split = sim::splitCommandLine(line.text); split && split->command == "rnd") {
        queuedAtMost_ += split->arguments.size();
      }
      return;
    }
    EXPECT_EQ(printed.size(), 1U) << shown(line) << " -> " << printed.front().substr(0, 200);
    if (line.expect == Expect::Accepted) {
      EXPECT_FALSE(isRefusalOfItsForm(printed.front())) << shown(line) << " -> " << printed.front();
    }
    if (unchecked_.empty()) unchecked_ = shown(line);
  }

 private:
  void settle() {
    State now = stateOf(scenario_, queuedAtMost_ + 1);
    if (!unchecked_.empty()) {
      EXPECT_TRUE(now == state_) << "the refused lines from " << unchecked_
                                 << " on changed the state";
    }
    state_ = std::move(now);
    changed_ = false;
    unchecked_.clear();
    // Long queues make the state slow to read: start the draws afresh between lines.
    if (queuedAtMost_ > 100) {
      scenario_.program.random() = RandomSource();
      queuedAtMost_ = 0;
      state_ = stateOf(scenario_, 1);
    }
  }

  Scenario& scenario_;
  Watchdog* watchdog_;  // null where no refused line runs
  State state_;
  std::size_t queuedAtMost_ = 0;  // values queued for Rnd since it started afresh
  bool changed_ = false;          // a line succeeded since the state was read
  std::string unchecked_;         // the first line that failed since then
};

TEST(SimRobustness, MalformedLinesAreRefusedAtOnceAndChangeNothing) {
  LineMutator mutator(seedLines(), 20241225U);
  std::vector<MutatedLine> lines = mutator.everyCut();
  for (int i = 0; i < 1000; ++i) lines.push_back(mutator.next());

  std::optional<Scenario> scenario;
  std::optional<Checker> checker;
  // Lines that let an hour pass run on a collection whose menu alone is open: no timer runs.
  Scenario idle;
  Checker idleChecker(idle, nullptr);
  for (const MutatedLine& line : lines) {
    // Stray words may close every window: start again then.
    if (!scenario || scenario->program.ended()) {
      checker.reset();
      scenario.emplace(addEverything, "Form4");
      checker.emplace(*scenario, &dynamic_cast<Watchdog&>(scenario->program.window("Watchdog")));
    }
    (line.slow ? idleChecker : *checker).run(line);
    if (::testing::Test::HasFatalFailure()) return;
  }
  checker.reset();
  // Whatever happened, the runner still answers.
  EXPECT_EQ(scenario->run("echo alive").back(), "alive");
}

}  // namespace
}  // namespace fm::testing
