#include "app/pacing/tick_pacer.h"

#include <algorithm>
#include <cmath>

namespace fm {

void TickPacer::advanceTo(std::int64_t time) {
  // One picture for the whole batch, also when a handler throws.
  struct Batch {
    explicit Batch(Program& batched) : program(batched) { program.beginBatch(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    Batch(Batch&&) = delete;
    Batch& operator=(Batch&&) = delete;
    ~Batch() { program.endBatch(); }
    Program& program;
  } batch(program_);
  while (true) {
    const auto due = skipIdleTicks_ ? program_.skipIdleTicks(time) : program_.nextDue();
    if (!due || *due > time || program_.ended()) break;
    // A box raised by an earlier tick may have moved the time past this due time already.
    now_ = std::max(now_, *due);
    if (!program_.deliverNextTick(now_)) break;
  }
  now_ = std::max(now_, time);
}

void TickPacer::frame(std::int64_t time) {
  lastFrame_ = time;
  advanceTo(time);
}

std::optional<std::int64_t> TickPacer::nextFrame() const {
  auto due = skipIdleTicks_ ? program_.nextBusyDue() : program_.nextDue();
  if (!due || program_.ended()) return std::nullopt;
  if (lastFrame_) due = std::max(*due, *lastFrame_ + frameInterval_);
  return due;
}

std::int64_t TickPacer::frameIntervalFor(double hertz) {
  constexpr double kUnknownRate = 60;
  const double rate = hertz > 0 ? hertz : kUnknownRate;
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(1000 / rate)));
}

}  // namespace fm
