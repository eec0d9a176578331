#pragma once

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench {

// How long each measurement runs: the full run, or shorter spans for trying the bench out.
struct Options {
  bool quick = false;
  int repetitions = 3;
  std::string platform = "offscreen";  // Qt's platform plugin
  [[nodiscard]] int span(int fullMs, int quickMs) const { return quick ? quickMs : fullMs; }
};

// The bench's application: sees every event as it reaches its receiver and learns when the
// outermost event has been handled (a paint, with the flush of its window, is then on screen).
class BenchApplication final : public QApplication {
 public:
  using QApplication::QApplication;
  std::function<void(QObject*, QEvent*)> onEvent;
  std::function<void()> onOutermostEventDone;

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  int depth_ = 0;
};
[[nodiscard]] BenchApplication& app();

// Monotonic time in nanoseconds, comparable between processes (CLOCK_MONOTONIC).
[[nodiscard]] std::int64_t nowNs();
// CPU time the whole process has used so far (user and system, every thread), in ns.
[[nodiscard]] std::int64_t cpuNs();
// How often the process has gone to sleep and been woken so far: its voluntary context switches,
// every thread.
[[nodiscard]] std::int64_t sleeps();
// Runs Qt's event loop for `ms` of wall time.
void runFor(int ms);

// --- statistics ---
[[nodiscard]] double percentile(std::vector<double> values, double fraction);
[[nodiscard]] double median(std::vector<double> values);
// The median of one field over the repetitions.
template <class Rep, class Field>
[[nodiscard]] double medianOf(const std::vector<Rep>& reps, Field field) {
  std::vector<double> values;
  values.reserve(reps.size());
  for (const Rep& rep : reps) values.push_back(field(rep));
  return median(std::move(values));
}

// --- output: one JSON object per line, keys in the order they were added ---
class Json {
 public:
  Json& add(std::string_view key, double value);
  Json& add(std::string_view key, std::int64_t value);
  Json& add(std::string_view key, int value) { return add(key, std::int64_t{value}); }
  Json& add(std::string_view key, bool value);
  Json& add(std::string_view key, std::string_view value);
  Json& add(std::string_view key, const char* value) { return add(key, std::string_view(value)); }
  Json& add(std::string_view key, const Json& object);
  [[nodiscard]] std::string text() const { return "{" + body_ + "}"; }

 private:
  void key(std::string_view name);
  std::string body_;
};
// A figure's line on standard output, flushed at once so a long run shows its progress.
void print(const Json& line);
// A note on standard error, which the JSON lines on standard output stay free of.
void note(const std::string& text);

}  // namespace bench
