// Ticks paced to the screen change no outcome. Each scenario plays the same timed inputs twice:
// in the real windows of the Qt host, whose ticks come a display frame at a time on a clock the
// test moves frame by frame, and headless, with every millisecond delivered. Every window's
// whole state must be the same after each input, and at the end.

#include <QMessageBox>
#include <map>
#include <string>
#include <vector>

#include "games/swim/form1.h"
#include "tests/support/qt_test_support.h"
#include "tests/support/session.h"
#include "tools/sim/dump.h"

namespace fm::testing {
namespace {

enum class Act : std::uint8_t { click, key, close };

struct Input {
  std::int64_t at = 0;
  Act act = Act::click;
  const char* form = "";
  const char* widget = "";
  int index = -1;
  std::int16_t code = 0;  // of a key: 37 or 39
};

Input clicked(std::int64_t at, const char* form, const char* widget, int index = -1) {
  return {at, Act::click, form, widget, index};
}
Input pressed(std::int64_t at, const char* form, std::int16_t code) {
  return {.at = at, .act = Act::key, .form = form, .code = code};
}
Input closed(std::int64_t at, const char* form) {
  return {.at = at, .act = Act::close, .form = form};
}

struct Scenario {
  const char* name;
  std::vector<Input> inputs;
  std::int64_t end = 0;
  std::int64_t boxHold = 0;  // how long each message box stays open
};

// What a player could see and every variable, after each input and at the end.
using Record = std::vector<std::string>;

std::string state(const Program& program) {
  std::string all = "t=" + std::to_string(program.now());
  for (const auto& window : program.windows()) all += "\n" + sim::dumpWindow(*window);
  return all;
}

// Headless, every millisecond: the reference.
Record playHeadless(const Scenario& scenario) {
  Session session;
  session.host.setMessageBoxDelay(scenario.boxHold);
  Record record;
  session.host.onMessageBox([&](Window&, const std::string& text) { record.push_back(text); });
  for (const Input& input : scenario.inputs) {
    // A box held open may already have carried the clock past the input's moment.
    session.wait(input.at - session.host.now());
    if (input.act == Act::click) {
      session.click(input.form, input.widget, input.index);
    } else if (input.act == Act::key) {
      session.key(input.form, input.code);
    } else {
      session.close(input.form);
    }
    record.push_back(state(session.program));
  }
  session.wait(scenario.end - session.host.now());
  record.push_back(state(session.program));
  return record;
}

// The Qt host, a frame at a time, driven from its own event loop so that boxes open and close
// as they do for a player: every look round the loop moves the clock to whatever comes first,
// the host's next frame, the next input, or the moment to answer the open box.
class PacedPlay : public QtCollectionTest {
 protected:
  Record play(const Scenario& scenario) {
    scenario_ = &scenario;
    pump_.setInterval(0);
    QObject::connect(&pump_, &QTimer::timeout, &pump_, [this] { step(); });
    pump_.start();
    loop_.exec();
    return record_;
  }

 private:
  void step() {
    if (done_ || posted_) return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    // An action that looks round the loop itself (a click does) goes on alone, unless it waits
    // on a box.
    if (box == nullptr && acting_ > 0) return;
    if (box != nullptr && !answerAt_.contains(box)) {
      // Raised at the program's present moment, the due time of the tick that raised it.
      answerAt_[box] = program.now() + scenario_->boxHold;
      record_.push_back(box->text().toStdString());
      return;
    }
    const auto& inputs = scenario_->inputs;
    const auto wake = host.nextWake();
    if (box != nullptr) {
      const std::int64_t answer = answerAt_[box];
      if (wake && *wake < answer) return post([this, at = *wake] { frame(at); });
      clock = std::max(clock, answer);
      // Its address may come again for a later box.
      answerAt_.erase(box);
      return clickOn(*box->button(QMessageBox::Ok));
    }
    const std::int64_t next = next_ < inputs.size() ? inputs[next_].at : scenario_->end;
    if (wake && *wake < next) return post([this, at = *wake] { frame(at); });
    if (next_ == inputs.size()) {
      clock = std::max(clock, next);
      host.deliverDueTicks();
      record_.push_back(state(program));
      done_ = true;
      loop_.quit();
      return;
    }
    post([this, next] {
      clock = std::max(clock, next);
      give(scenario_->inputs[next_++]);
      record_.push_back(state(program));
    });
  }

  // Frames and inputs may open a box: they run from the loop, which must go on looking round
  // while the box waits.
  template <class Action>
  void post(Action action) {
    posted_ = true;
    QMetaObject::invokeMethod(
        &pump_,
        [this, action] {
          posted_ = false;
          ++acting_;
          action();
          --acting_;
        },
        Qt::QueuedConnection);
  }

  void frame(std::int64_t at) {
    clock = at;
    host.deliverDueTicks();
  }

  // The input as a player makes it, through the window on the screen.
  void give(const Input& input) {
    qt::FormView& window = view(input.form);
    if (input.act == Act::close) {
      window.windowHandle()->close();
    } else if (input.act == Act::key) {
      key(window, input.code == Form1::kLeftArrow ? Qt::Key_Left : Qt::Key_Right);
    } else if (QWidget* native = window.nativeWidget(
                   program.window(input.form).widget(input.widget, input.index))) {
      clickOn(*native);
    } else {
      const Widget& image = program.window(input.form).widget(input.widget, input.index);
      clickAt(window, QPoint(static_cast<int>(image.left() / 15) + 2,
                             static_cast<int>(image.top() / 15) + 2));
    }
  }

  const Scenario* scenario_ = nullptr;
  std::size_t next_ = 0;
  bool done_ = false;
  bool posted_ = false;  // a frame or input waits to run
  int acting_ = 0;       // frames or inputs under way
  Record record_;
  std::map<const QMessageBox*, std::int64_t> answerAt_;
  QTimer pump_;
  QEventLoop loop_;
  QtWarnings warnings_;
};

// At the fastest pace the marker steps every 15 ms from 3,110 on. The strokes fall between
// frames, a few milliseconds after a step: Perfect, Great, Good3 and Poor ones.
const Scenario kScenarios[] = {
    {"race",
     {clicked(0, "Form4", "Command1"), clicked(40, "Form1", "Option1", 0),
      clicked(95, "Form1", "Command3"), pressed(3367, "Form1", 39), pressed(3907, "Form1", 37),
      pressed(4447, "Form1", 39), pressed(4988, "Form1", 37), pressed(5526, "Form1", 39),
      pressed(6066, "Form1", 37), pressed(6611, "Form1", 39), pressed(7139, "Form1", 37),
      pressed(7687, "Form1", 39), pressed(8227, "Form1", 37), pressed(8767, "Form1", 39),
      pressed(9001, "Form1", 37), pressed(10500, "Form1", 37), pressed(11000, "Form1", 39)},
     70000},
    {"journey",
     {clicked(0, "Form4", "Command3"), clicked(4003, "Form2", "Command1"),
      clicked(4011, "Form2", "Command2"), clicked(4019, "Form2", "Command3"),
      clicked(9001, "Form2", "Command1"), clicked(9002, "Form2", "Command2"),
      clicked(9037, "Form2", "Command3"), clicked(14009, "Form2", "Image1"),
      clicked(21001, "Form2", "Command1"), clicked(21013, "Form2", "Command2"),
      clicked(21029, "Form2", "Command3"), clicked(30005, "Form2", "Image1"),
      clicked(36001, "Form2", "Command1"), clicked(36002, "Form2", "Command2"),
      clicked(36003, "Form2", "Command3")},
     60000},
    {"board beside a race",
     {clicked(0, "Form4", "Command4"), clicked(10, "Form4", "Command1"),
      clicked(30, "Form1", "Command3"), clicked(500, "Form5", "Command1"),
      clicked(6100, "Form5", "Command1"), clicked(11503, "Form5", "Command2"),
      pressed(14003, "Form1", 39), closed(20001, "Form1")},
     40000,
     700},
    {"duel", {clicked(0, "Form4", "Command2"), clicked(300, "Form3", "Command1", 1)}, 30000, 0},
    // The race window left open for two minutes, its finish check idle all along; then a race
    // whose first stroke falls on a frame: the fifteenth after the one at 123,112 that follows
    // the countdown.
    {"race after two idle minutes",
     {clicked(0, "Form4", "Command1"), clicked(120040, "Form1", "Option1", 0),
      clicked(120095, "Form1", "Command3"), pressed(123367, "Form1", 39),
      pressed(123907, "Form1", 37), pressed(124447, "Form1", 39), pressed(125000, "Form1", 37)},
     190000},
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

class PacedDelivery : public PacedPlay, public ::testing::WithParamInterface<Scenario> {};

TEST_P(PacedDelivery, LeavesEveryWindowAsEveryMillisecondWould) {
  const Scenario& scenario = GetParam();
  host.setFrameInterval(17);
  const Record paced = play(scenario);
  const Record reference = playHeadless(scenario);
  ASSERT_EQ(paced.size(), reference.size());
  for (std::size_t i = 0; i < paced.size(); ++i) {
    EXPECT_EQ(paced[i], reference[i]) << scenario.name << ", record " << i;
  }
  EXPECT_EQ(QtWarnings::seen(), "");
}

// Nobody plays the race window: once its finish check has found nothing, nothing wakes the
// program until the player moves the focus, a minute later: then one more look, not a minute of
// ticks passed over.
TEST_F(QtCollectionTest, AnIdleRaceWindowWakesNothing) {
  host.setFrameInterval(17);
  Window& race = program.window("Form1");
  program.click(program.window("Form4").widget("Command1"));
  advance(60000);
  EXPECT_FALSE(host.tickTimerArmed());
  int ticks = 0;
  program.onTick([&ticks](const Widget&) { ++ticks; });
  program.moveFocus(race, &race.widget("Option1", 2));
  EXPECT_TRUE(host.tickTimerArmed());
  advance(20);
  EXPECT_FALSE(host.tickTimerArmed());
  EXPECT_LE(ticks, 2);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, PacedDelivery, ::testing::ValuesIn(kScenarios),
                         [](const auto& scenario) {
                           std::string name = scenario.param.name;
                           std::erase(name, ' ');
                           return name;
                         });

}  // namespace
}  // namespace fm::testing
