// CPU and wake-ups: the process's own CPU seconds per wall second, and how often a second it is
// woken, in four states of the program on the real clock: only the menu open, the race window
// open, a race running, all four games running at once. Each is measured on a fresh program and
// right after it its baseline: a bare shown window for the menu, a bare 1 ms precise QTimer loop
// for the others (the race's finish check, ticking every millisecond, alone would be one). The
// ratio is the median of the pairs' ratios. The race, open or running, has a second baseline, its
// floor on a screen: a bare window of its size repainting a marker of its marker's size at every
// frame of a 60 Hz screen.
//
// Wake-ups are counted two ways: the expiries of platform timers (Qt timer events), and as the
// OS counts them, the process's voluntary context switches, every thread (getrusage counts every
// thread, ended ones included; /proc/self/task only those alive). On a real X server the second
// also counts the waits for the server's answers.

#include <QEventLoop>
#include <QMessageBox>
#include <QMetaObject>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/qt_session.h"

namespace bench {
namespace {

struct Load {
  double cpuPerWall = 0;
  double seconds = 0;
  std::int64_t timerEvents = 0;          // Qt timer deliveries in the process: its wake-ups
  std::int64_t sleeps = 0;               // voluntary context switches
  std::int64_t ticks = 0;                // of the program's timers
  std::set<const QMetaObject*> wokenBy;  // the classes of the timer events' receivers
};

// Measures `ms` of the running event loop. Message boxes a game raises meanwhile are answered
// at once, so that the loop runs on.
Load measure(int ms, fm::Program* program = nullptr) {
  Load load;
  QEventLoop loop;
  QTimer stop;
  stop.setSingleShot(true);
  stop.setTimerType(Qt::PreciseTimer);
  QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
  app().onEvent = [&load, &stop](QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::Timer && receiver != &stop) {
      ++load.timerEvents;
      load.wokenBy.insert(receiver->metaObject());
    }
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(receiver)) {
        QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
      }
    }
  };
  if (program != nullptr) program->onTick([&load](const fm::Widget&) { ++load.ticks; });
  const std::int64_t cpu = cpuNs();
  const std::int64_t wall = nowNs();
  const std::int64_t slept = sleeps();
  stop.start(ms);
  loop.exec();
  const auto wallNs = static_cast<double>(nowNs() - wall);
  load.cpuPerWall = static_cast<double>(cpuNs() - cpu) / wallNs;
  load.seconds = wallNs / 1e9;
  // The stop timer's own wake-up is not the program's.
  load.sleeps = sleeps() - slept - 1;
  app().onEvent = {};
  if (program != nullptr) program->onTick({});
  return load;
}

constexpr int kSettleMs = 300;  // windows shown and painted before a span starts

enum class State : std::uint8_t { menu, raceOpen, raceRunning, fourGames };

// A fresh program brought to the state, then measured.
Load measureState(State state, int spanMs) {
  QtSession session;
  runFor(kSettleMs);
  if (state != State::menu) session.click("Form4", kOpenRace);
  if (state == State::raceRunning || state == State::fourGames) {
    session.click("Form1", "Command3");
    runFor(3000);  // the countdown
  }
  if (state == State::fourGames) {
    session.click("Form4", kOpenDuel);
    session.click("Form4", kOpenJourney);
    session.click("Form4", kOpenBoard);
    session.click("Form3", "Command1", 0);  // "グー": the duel's steps begin
    session.click("Form5", "Command1");     // "さいころ": the dice roll and she walks
  }
  runFor(kSettleMs);
  return measure(spanMs, &session.program);
}

// The baselines: a bare shown window of the menu's size, and a bare 1 ms precise QTimer loop.
Load measureBareWindow(int spanMs) {
  QWidget window;
  window.resize(349, 276);
  window.show();
  runFor(kSettleMs);
  return measure(spanMs);
}

Load measureBareLoop(int spanMs) {
  QTimer loop;
  loop.setTimerType(Qt::PreciseTimer);
  std::int64_t count = 0;
  QObject::connect(&loop, &QTimer::timeout, &loop, [&count] { ++count; });
  loop.start(1);
  return measure(spanMs);
}

// A window of the race's size whose only work is a marker of the race's marker's size, moved
// and repainted once a frame at 60 Hz.
class MarkerWindow final : public QWidget {
 public:
  MarkerWindow() {
    resize(577, 209);  // the race window's client area
    step_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&step_, &QTimer::timeout, this, [this] {
      const QRect before = marker();
      x_ = x_ >= 300 ? 100 : x_ + 5;  // 80 twips a step, as the race's marker moves
      update(before.united(marker()));
    });
    step_.start(17);  // the frame interval the program paces itself to at 60 Hz
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(marker(), Qt::red);
  }

 private:
  [[nodiscard]] QRect marker() const { return {x_, 176, 10, 20}; }  // 150 × 300 twips
  QTimer step_;
  int x_ = 100;
};

Load measurePaintedMarker(int spanMs) {
  MarkerWindow window;
  window.show();
  runFor(kSettleMs);
  return measure(spanMs);
}

// Each state measured right before its baselines, so that all see the machine alike.
struct Pairs {
  std::vector<Load> state, baseline, painted;
  std::vector<double> ratios;         // of CPU, pair by pair
  std::vector<double> paintedRatios;  // of CPU beside the painted marker, for the race
};

double wakeUpsPerSecond(const Load& load) {
  return static_cast<double>(load.timerEvents) / load.seconds;
}
double sleepsPerSecond(const Load& load) {
  return static_cast<double>(load.sleeps) / load.seconds;
}

Json asJson(const std::vector<Load>& loads) {
  return Json()
      .add("cpu", medianOf(loads, [](const Load& l) { return l.cpuPerWall; }))
      .add("wake_ups_per_s", medianOf(loads, wakeUpsPerSecond))
      .add("context_switches_per_s", medianOf(loads, sleepsPerSecond))
      .add("timer_deliveries",
           medianOf(loads, [](const Load& l) { return static_cast<double>(l.timerEvents); }))
      .add("ticks", medianOf(loads, [](const Load& l) { return static_cast<double>(l.ticks); }));
}

// At most one wake-up a display frame: 62 a second at 60 Hz, in every repetition.
constexpr double kMostWakeUpsPerSecond = 62;

// What a state must meet beside the bare 1 ms loop: at most one wake-up a frame in every
// repetition, and at most `mostCpu` times the loop's CPU unless that is 0. Wake-ups are counted
// as the OS counts them, the voluntary context switches of every thread, unless `threadsAside`:
// then the platform timer's expiries, the other threads' sleeps only reported.
struct Target {
  double mostCpu = 0;
  bool threadsAside = false;
  double mostWakeUps = kMostWakeUpsPerSecond;
};

void printAgainstLoop(const char* name, const std::string& platform, const Pairs& pairs, int spanMs,
                      Target target) {
  const double ratio = median(pairs.ratios);
  const auto [lowest, highest] = std::minmax_element(pairs.ratios.begin(), pairs.ratios.end());
  double mostWakeUps = 0;
  double mostSleeps = 0;
  for (const Load& load : pairs.state) {
    mostWakeUps = std::max(mostWakeUps, wakeUpsPerSecond(load));
    mostSleeps = std::max(mostSleeps, sleepsPerSecond(load));
  }
  const double counted = target.threadsAside ? mostWakeUps : std::max(mostWakeUps, mostSleeps);
  const bool met =
      counted <= target.mostWakeUps && (target.mostCpu == 0 || ratio <= target.mostCpu);
  std::string text =
      "<= " + std::to_string(static_cast<int>(target.mostWakeUps)) +
      (target.threadsAside ? " platform timer wake-ups a second in every repetition"
                           : " wake-ups a second (context switches, every thread) in every "
                             "repetition");
  if (target.mostCpu > 0) {
    char cpu[64];
    std::snprintf(cpu, sizeof cpu, "; cpu <= %.2f x baseline", target.mostCpu);
    text += cpu;
  }
  Json line;
  line.add("name", name)
      .add("platform", platform)
      .add("unit", "cpu s per wall s")
      .add("span_ms", spanMs)
      .add("value", asJson(pairs.state)
                        .add("most_wake_ups_per_s", mostWakeUps)
                        .add("most_context_switches_per_s", mostSleeps))
      .add("baseline", asJson(pairs.baseline).add("what", "bare 1 ms precise QTimer loop"))
      .add("ratio", ratio)
      .add("ratio_range", Json().add("min", *lowest).add("max", *highest));
  if (!pairs.paintedRatios.empty()) {
    const auto [least, most] =
        std::minmax_element(pairs.paintedRatios.begin(), pairs.paintedRatios.end());
    line.add("painted_baseline",
             asJson(pairs.painted).add("what", "bare window repainting a marker at 60 Hz"))
        .add("ratio_to_painted", median(pairs.paintedRatios))
        .add("ratio_to_painted_range", Json().add("min", *least).add("max", *most));
  }
  print(line.add("target", text).add("met", met));
}

}  // namespace

void cpuLoad(const Options& options) {
  const int spanMs = options.span(5000, 1000);
  constexpr State kStates[] = {State::menu, State::raceOpen, State::raceRunning, State::fourGames};
  std::array<Pairs, std::size(kStates)> pairs;
  const auto of = [&pairs](State state) -> Pairs& {
    return pairs.at(static_cast<std::size_t>(state));
  };
  // The machine's load moves these ratios more than the others: two more pairs in a full run.
  const int repetitions = options.quick ? options.repetitions : options.repetitions + 2;
  for (int rep = 0; rep < repetitions; ++rep) {
    note("cpu: repetition " + std::to_string(rep + 1));
    for (const State state : kStates) {
      Pairs& pair = of(state);
      const Load& load = pair.state.emplace_back(measureState(state, spanMs));
      const Load& base = pair.baseline.emplace_back(state == State::menu ? measureBareWindow(spanMs)
                                                                         : measureBareLoop(spanMs));
      pair.ratios.push_back(load.cpuPerWall / base.cpuPerWall);
      if (state == State::raceOpen || state == State::raceRunning) {
        const Load& painted = pair.painted.emplace_back(measurePaintedMarker(spanMs));
        pair.paintedRatios.push_back(load.cpuPerWall / painted.cpuPerWall);
      }
    }
  }
  const Pairs& menu = of(State::menu);
  // No wake-up at all, in any repetition; what woke the menu up, if anything did.
  std::int64_t deliveries = 0;
  std::string wokenBy;
  for (const Load& load : menu.state) {
    deliveries += load.timerEvents + load.ticks;
    for (const QMetaObject* receiver : load.wokenBy) {
      if (!wokenBy.empty()) wokenBy += ' ';
      wokenBy += receiver->className();
    }
  }
  const auto cpu = [](const Load& l) { return l.cpuPerWall; };
  print(Json()
            .add("name", "cpu_menu_only")
            .add("platform", options.platform)
            .add("unit", "cpu s per wall s")
            .add("span_ms", spanMs)
            .add("value", asJson(menu.state))
            .add("baseline", asJson(menu.baseline).add("what", "bare shown QWidget"))
            .add("difference",
                 Json().add("cpu", medianOf(menu.state, cpu) - medianOf(menu.baseline, cpu)))
            .add("deliveries_in_all_repetitions", deliveries)
            .add("woken_by", wokenBy)
            .add("target", "no timer deliveries at all")
            .add("met", deliveries == 0));
  // A real display server costs every frame more than the offscreen platform does.
  const double raceCpu = options.platform == "offscreen" ? 0.25 : 0.35;
  // A window nobody plays: its finish check finds nothing, and nothing wakes for it.
  printAgainstLoop("cpu_race_window_open", options.platform, of(State::raceOpen), spanMs,
                   {.mostWakeUps = 1});
  printAgainstLoop("cpu_race_running", options.platform, of(State::raceRunning), spanMs,
                   {.mostCpu = raceCpu});
  // Qt renders a picture shown for the first time on worker threads of its own.
  printAgainstLoop("cpu_four_games_running", options.platform, of(State::fourGames), spanMs,
                   {.mostCpu = 0.4, .threadsAside = true});
}

}  // namespace bench
