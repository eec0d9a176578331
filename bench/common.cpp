#include "bench/common.h"

#include <sys/resource.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>

namespace bench {

bool BenchApplication::notify(QObject* receiver, QEvent* event) {
  if (onEvent) onEvent(receiver, event);
  ++depth_;
  const bool handled = QApplication::notify(receiver, event);
  if (--depth_ == 0 && onOutermostEventDone) onOutermostEventDone();
  return handled;
}

BenchApplication& app() {
  return *static_cast<BenchApplication*>(QCoreApplication::instance());
}

std::int64_t nowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

std::int64_t cpuNs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ns = [](const timeval& t) {
    return std::int64_t{t.tv_sec} * 1'000'000'000 + std::int64_t{t.tv_usec} * 1000;
  };
  return ns(usage.ru_utime) + ns(usage.ru_stime);
}

std::int64_t sleeps() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_nvcsw;
}

void runFor(int ms) {
  QEventLoop loop;
  QTimer stop;
  stop.setSingleShot(true);
  stop.setTimerType(Qt::PreciseTimer);
  QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
  stop.start(ms);
  loop.exec();
}

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  // Nearest rank: the smallest value with at least `fraction` of all values at or below it.
  const auto rank =
      static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
  const std::size_t index = std::clamp<std::size_t>(rank, 1, values.size()) - 1;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index),
                   values.end());
  return values[index];
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Json::key(std::string_view name) {
  if (!body_.empty()) body_ += ',';
  body_ += '"';
  body_ += name;
  body_ += "\":";
}

Json& Json::add(std::string_view name, double value) {
  key(name);
  if (!std::isfinite(value)) {
    body_ += "null";
    return *this;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  // Whole numbers of up to 15 digits in full, not in exponent form.
  if (std::abs(value) >= 1e4 && std::abs(value) < 1e15) {
    std::snprintf(text, sizeof text, "%.0f", value);
  }
  body_ += text;
  return *this;
}

Json& Json::add(std::string_view name, std::int64_t value) {
  key(name);
  body_ += std::to_string(value);
  return *this;
}

Json& Json::add(std::string_view name, bool value) {
  key(name);
  body_ += value ? "true" : "false";
  return *this;
}

Json& Json::add(std::string_view name, std::string_view value) {
  key(name);
  body_ += '"';
  for (const char c : value) {
    if (c == '"' || c == '\\') body_ += '\\';
    body_ += c;
  }
  body_ += '"';
  return *this;
}

Json& Json::add(std::string_view name, const Json& object) {
  key(name);
  body_ += object.text();
  return *this;
}

void print(const Json& line) {
  std::cout << line.text() << std::endl;
}

void note(const std::string& text) {
  std::cerr << text << std::endl;
}

}  // namespace bench
