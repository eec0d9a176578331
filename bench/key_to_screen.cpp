// Key to screen: from an arrow key pressed in the race window to the end of the repaint that
// shows the star moved by the stroke and its grade word, in this process. Beside it, the same
// path in a bare widget that moves a painted star on each key.
//
// The race runs on a clock that keeps real time but can be wound on: between strokes the bench
// winds it forward, tick by tick, to the moment the marker stands where the next stroke is
// made, so that 200 strokes take seconds rather than the minutes of real sweeps. Each stroke
// itself happens on the running clock, with the finish check ticking every millisecond and the
// marker moving around it as in a race.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/qt_session.h"

namespace bench {
namespace {

constexpr int kStrokes = 200;
constexpr int kWarmUpStrokes = 10;  // the first pictures and glyphs are rendered and cached
constexpr std::int64_t kMsNs = 1'000'000;
constexpr std::int64_t kGiveUpNs = 1'000'000'000;

struct Latency {
  double p50 = 0;
  double p99 = 0;
  std::int64_t strokes = 0;
  std::int64_t missed = 0;  // keys that did not make the stroke (the marker had moved on)
};

// Presses `key` in `window` and returns the ns from the press to the end of the first paint of
// `view` that begins once `taken` says the key has had its effect; nullopt if none came.
std::optional<std::int64_t> pressAndWatch(QWidget& view, Qt::Key key,
                                          const std::function<bool()>& taken) {
  QCoreApplication::processEvents();  // what was pending reaches the screen before the key
  bool painting = false;
  std::int64_t paintedAt = 0;
  app().onEvent = [&](QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::Paint && receiver == &view && taken()) painting = true;
  };
  app().onOutermostEventDone = [&] {
    if (painting && paintedAt == 0) paintedAt = nowNs();
  };
  const std::int64_t pressed = nowNs();
  QTest::keyClick(view.windowHandle(), key);
  while (paintedAt == 0 && nowNs() - pressed < kGiveUpNs) QCoreApplication::processEvents();
  app().onEvent = {};
  app().onOutermostEventDone = {};
  if (paintedAt == 0) return std::nullopt;
  return paintedAt - pressed;
}

Latency summarise(const std::vector<double>& ms, std::int64_t missed) {
  return {percentile(ms, 0.5), percentile(ms, 0.99), static_cast<std::int64_t>(ms.size()), missed};
}

Latency race() {
  const std::int64_t origin = nowNs();
  std::int64_t wound = 0;  // ms the clock has been wound on
  QtSession session([&] { return wound + (nowNs() - origin) / kMsNs; });
  fm::Window& race = session.window("Form1");
  const fm::Widget& marker = race.widget("Image5");
  const fm::Widget& star = race.widget("sorunehosi");
  const fm::Widget& sweep = race.widget("Timer2");
  const auto variable = [&race](const char* name) {
    return race.variables().read(name, std::nullopt).value_or("");
  };
  QWidget& view = session.host.view(race);

  const fm::Widget& countdown = race.widget("Timer1");
  std::vector<double> ms;
  std::int64_t missed = 0;
  for (int stroke = 0; stroke < kWarmUpStrokes + kStrokes;) {
    if (!sweep.enabled()) {  // not yet started, or the race is over: a new one
      if (race.loaded()) session.program.close(race);
      session.click("Form4", kOpenRace);
      session.click("Form1", "Command3");
      view.activateWindow();
    }
    // Grades from "Perfect" to "Good1" in turn: 0 to 4 marker steps short of the end the
    // marker is heading for. It turns as it reaches an end, so at an end it heads away.
    const auto grade = static_cast<float>(stroke % 5);
    const auto inPlace = [&] {
      if (!sweep.enabled() || variable("armed") != "1") return false;
      const float at = marker.left();
      if (grade == 0) return at == 4680 || at == 1800;
      return variable("direction") == "1" ? at == 4680 - 80 * grade : at == 1800 + 80 * grade;
    };
    while (!inPlace() && (sweep.enabled() || countdown.enabled())) {
      const auto due = session.program.nextDue();
      if (!due) break;
      wound += std::max<std::int64_t>(0, *due - session.host.now());
      session.host.deliverDueTicks();
    }
    if (!inPlace()) continue;  // the race ended on the way: the next stroke starts another
    const Qt::Key key = marker.left() > 3240 ? Qt::Key_Right : Qt::Key_Left;
    const float before = star.left();
    const auto latency = pressAndWatch(view, key, [&] { return star.left() != before; });
    if (stroke++ < kWarmUpStrokes) continue;
    if (latency) {
      ms.push_back(static_cast<double>(*latency) / kMsNs);
    } else {
      ++missed;
    }
  }
  return summarise(ms, missed);
}

// The baseline: a window of the race's size that paints a background, a star and a word, and
// moves the star on each key.
class BareRace final : public QWidget {
 public:
  BareRace() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(577, 209);
    setFocusPolicy(Qt::StrongFocus);
  }
  int left = 104;

 protected:
  void keyPressEvent(QKeyEvent* /*event*/) override {
    const QRect before = starArea();
    left = left > 420 ? 104 : left + 8;
    update(QRegion(before) + starArea() + QRect(184, 128, 81, 25));
  }
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(0, 128, 255));
    painter.drawText(starArea(), QStringLiteral("☆"));
    painter.drawText(QRect(184, 128, 81, 25),
                     left % 16 == 0 ? QStringLiteral("Perfect") : QStringLiteral("Great"));
  }

 private:
  [[nodiscard]] QRect starArea() const { return {left, 48, 33, 25}; }
};

Latency bare() {
  BareRace window;
  window.show();
  window.activateWindow();
  runFor(100);
  std::vector<double> ms;
  std::int64_t missed = 0;
  for (int stroke = 0; stroke < kWarmUpStrokes + kStrokes; ++stroke) {
    const int before = window.left;
    const auto latency =
        pressAndWatch(window, Qt::Key_Right, [&] { return window.left != before; });
    if (stroke < kWarmUpStrokes) continue;
    if (latency) {
      ms.push_back(static_cast<double>(*latency) / kMsNs);
    } else {
      ++missed;
    }
  }
  return summarise(ms, missed);
}

Json asJson(const std::vector<Latency>& reps) {
  return Json()
      .add("p50", medianOf(reps, [](const Latency& l) { return l.p50; }))
      .add("p99", medianOf(reps, [](const Latency& l) { return l.p99; }))
      .add("strokes", medianOf(reps, [](const Latency& l) { return double(l.strokes); }))
      .add("missed", medianOf(reps, [](const Latency& l) { return double(l.missed); }));
}

}  // namespace

void keyToScreen(const Options& options) {
  std::vector<Latency> races;
  std::vector<Latency> bares;
  for (int rep = 0; rep < options.repetitions; ++rep) {
    note("key to screen: repetition " + std::to_string(rep + 1));
    races.push_back(race());
    bares.push_back(bare());
  }
  const auto p99 = [](const Latency& l) { return l.p99; };
  const double value = medianOf(races, p99);
  print(Json()
            .add("name", "key_to_screen")
            .add("unit", "ms")
            .add("value", asJson(races))
            .add("baseline", asJson(bares).add("what", "bare widget moving a painted star"))
            .add("ratio", Json().add("p99", value / medianOf(bares, p99)))
            .add("target", "p99 < 2 ms")
            .add("met", value < 2.0));
}

}  // namespace bench
