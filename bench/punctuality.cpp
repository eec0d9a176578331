// Tick punctuality in the real host, which wakes once a display frame: how late the effect of
// each tick of a running race (the marker's Timer2 every 30 ms, the finish check hantei every
// millisecond, the rival's strokes) reaches the screen, on the real clock. A tick's effect is on
// the screen once the event loop, having delivered and painted it, goes back to sleep. Beside
// it, one frame, which no frame-paced host can beat for a tick falling due just after a frame.
//
// Keys are pressed meanwhile at odd moments between frames: at each one the program must be
// exact, every tick due by the key's moment already delivered (no tick owed).

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <vector>

#include "bench/figures.h"
#include "bench/qt_session.h"

namespace bench {
namespace {

constexpr std::int64_t kMsNs = 1'000'000;
constexpr int kKeyEveryMs = 37;  // never in step with the frames or the marker

struct RaceRun {
  std::vector<double> lateMs;  // of each tick's effect on the screen
  std::int64_t keys = 0;
  std::int64_t owed = 0;  // keys at which a tick due by then had not been delivered
};

// A race on the real host, watched for `spanMs` from its first marker step. The host is given
// the real clock in the form it reads it itself (whole milliseconds on the monotonic clock),
// only with a known origin, so that each due time can be placed in real time.
RaceRun race(int spanMs) {
  const std::int64_t origin = nowNs();
  const auto clock = [origin] { return (nowNs() - origin) / kMsNs; };
  QtSession session(clock);
  session.click("Form4", kOpenRace);
  session.click("Form1", "Command3");  // Start, at the pace the window opens with
  const fm::Widget& sweep = session.widget("Form1", "Timer2");
  QWindow* raceWindow = session.host.view(session.window("Form1")).windowHandle();

  QEventLoop loop;
  QTimer stop;
  stop.setSingleShot(true);
  QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
  QTimer keys;
  keys.setTimerType(Qt::PreciseTimer);
  RaceRun run;
  QObject::connect(&keys, &QTimer::timeout, &keys, [&] {
    // The up arrow reaches the race's key handler and changes nothing there.
    const std::int64_t pressedAt = clock();
    QTest::keyClick(raceWindow, Qt::Key_Up);
    const auto due = session.program.nextDue();
    ++run.keys;
    if (due && *due <= pressedAt) ++run.owed;
  });
  std::vector<std::int64_t> pending;  // due times of ticks delivered and not yet shown, in ns
  run.lateMs.reserve(static_cast<std::size_t>(spanMs) * 2);
  session.program.onTick([&](const fm::Widget& timer) {
    if (&timer == &sweep && !stop.isActive()) {
      stop.start(spanMs);
      keys.start(kKeyEveryMs);
    }
    if (stop.isActive()) pending.push_back(origin + timer.timerState().due * kMsNs);
  });
  const auto shown = QObject::connect(
      QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [&] {
        const std::int64_t now = nowNs();
        for (const std::int64_t due : pending) {
          run.lateMs.push_back(static_cast<double>(now - due) / kMsNs);
        }
        pending.clear();
      });
  loop.exec();
  QObject::disconnect(shown);
  session.program.onTick({});
  return run;
}

struct Lateness {
  double p50 = 0;
  double p99 = 0;
  double max = 0;
};

}  // namespace

void tickPunctuality(const Options& options) {
  const int spanMs = options.span(20000, 3000);
  std::vector<Lateness> reps;
  std::int64_t ticks = 0;
  std::int64_t keys = 0;
  std::int64_t owed = 0;
  for (int rep = 0; rep < options.repetitions; ++rep) {
    note("tick punctuality: repetition " + std::to_string(rep + 1));
    const RaceRun run = race(spanMs);
    reps.push_back(
        {percentile(run.lateMs, 0.5), percentile(run.lateMs, 0.99), percentile(run.lateMs, 1.0)});
    ticks += static_cast<std::int64_t>(run.lateMs.size());
    keys += run.keys;
    owed += run.owed;
  }
  // The program's own frame: its host paces to the fastest screen.
  fm::Program program;
  const fm::qt::QtHost host(program);
  const auto frameMs = static_cast<double>(host.frameInterval());
  const double p99 = medianOf(reps, [](const Lateness& l) { return l.p99; });
  print(Json()
            .add("name", "tick_punctuality")
            .add("unit", "ms from due time to screen")
            .add("span_ms", spanMs)
            .add("value", Json()
                              .add("p50", medianOf(reps, [](const Lateness& l) { return l.p50; }))
                              .add("p99", p99)
                              .add("max", medianOf(reps, [](const Lateness& l) { return l.max; }))
                              .add("ticks", ticks))
            .add("baseline", Json().add("frame_ms", frameMs).add("what", "one display frame"))
            .add("inputs", Json().add("keys", keys).add("ticks_owed", owed))
            .add("target", "p99 <= one frame + 3 ms; no tick owed at any key")
            .add("met", p99 <= frameMs + 3 && owed == 0 && keys > 0));
}

}  // namespace bench
