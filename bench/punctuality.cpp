// Tick punctuality in the real host: how late each tick of the race's marker (Timer2, 30 ms)
// and finish check (hantei, 1 ms) is delivered on the real clock, beside bare precise QTimers
// at the same intervals in the same process; and whether the marker keeps its cadence.

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/figures.h"
#include "bench/qt_session.h"

namespace bench {
namespace {

constexpr std::int64_t kMsNs = 1'000'000;

struct Lateness {
  double p50 = 0;
  double p99 = 0;
  double max = 0;
  std::int64_t ticks = 0;
};

Lateness summarise(const std::vector<double>& lateMs) {
  return {percentile(lateMs, 0.5), percentile(lateMs, 0.99), percentile(lateMs, 1.0),
          static_cast<std::int64_t>(lateMs.size())};
}

struct RaceRun {
  Lateness lateness;
  std::int64_t steps = 0;    // ticks of the marker from the race's start to the end of the run
  std::int64_t allowed = 0;  // whole marker intervals in that time
};

// A race on the real host, watched for `spanMs` from its first marker step. The host is given
// the real clock in the form it reads it itself (whole milliseconds on the monotonic clock),
// only with a known origin, so that each due time can be placed in real time.
RaceRun race(int spanMs) {
  const std::int64_t origin = nowNs();
  QtSession session([origin] { return (nowNs() - origin) / kMsNs; });
  session.click("Form4", kOpenRace);
  session.click("Form1", "Command3");  // Start, at the pace the window opens with
  const fm::Widget& sweep = session.widget("Form1", "Timer2");
  const fm::Widget& check = session.widget("Form1", "hantei");

  QEventLoop loop;
  QTimer stop;
  stop.setSingleShot(true);
  stop.setTimerType(Qt::PreciseTimer);
  QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
  std::vector<double> lateMs;
  lateMs.reserve(static_cast<std::size_t>(spanMs) * 2);
  RaceRun run;
  std::int64_t raceStart = -1;  // when the marker was started, on the host's clock
  session.program.onTick([&](const fm::Widget& timer) {
    const std::int64_t delivered = nowNs();
    if (&timer == &sweep && raceStart < 0) {
      raceStart = timer.timerState().due - timer.interval();
      stop.start(spanMs);
    }
    if (raceStart < 0 || (&timer != &sweep && &timer != &check)) return;
    const std::int64_t due = origin + timer.timerState().due * kMsNs;
    lateMs.push_back(static_cast<double>(delivered - due) / kMsNs);
    if (&timer == &sweep) ++run.steps;
  });
  loop.exec();
  const std::int64_t end = nowNs();
  session.program.onTick({});
  run.lateness = summarise(lateMs);
  run.allowed = (end - (origin + raceStart * kMsNs)) / (sweep.interval() * kMsNs);
  return run;
}

// Bare repeating precise QTimers at the race's intervals, for `spanMs`. Each tick is due where
// Qt puts it: one interval after the last due time, or one interval after the last delivery
// when that one came more than an interval late.
Lateness bare(int spanMs, const std::vector<int>& intervals) {
  struct Bare {
    QTimer timer;
    std::int64_t due = 0;
  };
  std::vector<double> lateMs;
  lateMs.reserve(static_cast<std::size_t>(spanMs) * 2);
  std::vector<std::unique_ptr<Bare>> timers;
  for (const int interval : intervals) {
    auto& bare = *timers.emplace_back(std::make_unique<Bare>());
    bare.timer.setTimerType(Qt::PreciseTimer);
    bare.timer.setInterval(interval);
    QObject::connect(&bare.timer, &QTimer::timeout, &bare.timer, [&bare, &lateMs, interval] {
      const std::int64_t delivered = nowNs();
      lateMs.push_back(static_cast<double>(delivered - bare.due) / kMsNs);
      bare.due += interval * kMsNs;
      if (bare.due < delivered) bare.due = delivered + interval * kMsNs;
    });
  }
  for (const auto& bare : timers) {
    bare->due = nowNs() + bare->timer.interval() * kMsNs;
    bare->timer.start();
  }
  runFor(spanMs);
  return summarise(lateMs);
}

// Each statistic's median over the repetitions.
Lateness medianLateness(const std::vector<Lateness>& reps) {
  return {medianOf(reps, [](const Lateness& l) { return l.p50; }),
          medianOf(reps, [](const Lateness& l) { return l.p99; }),
          medianOf(reps, [](const Lateness& l) { return l.max; }),
          static_cast<std::int64_t>(
              medianOf(reps, [](const Lateness& l) { return static_cast<double>(l.ticks); }))};
}

Json asJson(const Lateness& lateness) {
  return Json()
      .add("p50", lateness.p50)
      .add("p99", lateness.p99)
      .add("max", lateness.max)
      .add("ticks", lateness.ticks);
}

}  // namespace

void tickPunctuality(const Options& options) {
  const int spanMs = options.span(20000, 3000);
  std::vector<RaceRun> races;
  std::vector<Lateness> bares;
  for (int rep = 0; rep < options.repetitions; ++rep) {
    note("tick punctuality: repetition " + std::to_string(rep + 1));
    races.push_back(race(spanMs));
    bares.push_back(bare(spanMs, {30, 1}));
  }
  std::vector<Lateness> raceLateness;
  raceLateness.reserve(races.size());
  for (const RaceRun& run : races) raceLateness.push_back(run.lateness);
  const Lateness value = medianLateness(raceLateness);
  const Lateness baseline = medianLateness(bares);
  // The cadence must hold in every repetition: the worst one counts.
  const RaceRun& worst =
      *std::max_element(races.begin(), races.end(), [](const auto& a, const auto& b) {
        return std::abs(a.steps - a.allowed) < std::abs(b.steps - b.allowed);
      });
  const std::int64_t drift = worst.steps - worst.allowed;
  const double difference = value.p99 - baseline.p99;
  print(Json()
            .add("name", "tick_punctuality")
            .add("unit", "ms late")
            .add("span_ms", spanMs)
            .add("value", asJson(value))
            .add("baseline", asJson(baseline))
            .add("difference", Json().add("p99", difference))
            .add("marker",
                 Json().add("steps", worst.steps).add("allowed", worst.allowed).add("drift", drift))
            .add("target", "p99 <= baseline p99 + 0.5 ms; marker steps = elapsed / 30 ms, +-1")
            .add("met", difference <= 0.5 && std::abs(drift) <= 1));
}

}  // namespace bench
