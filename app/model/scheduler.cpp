#include "app/model/scheduler.h"

#include <algorithm>
#include <utility>

#include "app/model/widget.h"

namespace fm {
namespace {

bool runsBefore(const Widget* a, const Widget* b) {
  const TimerState& x = a->timerState();
  const TimerState& y = b->timerState();
  return x.due != y.due ? x.due < y.due : x.order < y.order;
}

}  // namespace

Scheduler::Scheduler(std::function<std::int64_t()> clock, std::function<void()> onChange)
    : clock_(std::move(clock)), onChange_(std::move(onChange)) {}

void Scheduler::start(Widget& timer) {
  stop(timer);
  TimerState& state = timer.timerState();
  ++state.generation;
  if (timer.interval() <= 0) return;
  state.due = clock_() + timer.interval();
  state.order = nextOrder_++;
  state.scheduled = true;
  scheduled_.push_back(&timer);
  onChange_();
}

void Scheduler::stop(Widget& timer) {
  TimerState& state = timer.timerState();
  ++state.generation;
  if (!state.scheduled) return;
  state.scheduled = false;
  std::erase(scheduled_, &timer);
  onChange_();
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  std::optional<std::int64_t> earliest;
  for (const Widget* timer : scheduled_) {
    const TimerState& state = timer->timerState();
    if (state.running) continue;
    if (!earliest || state.due < *earliest) earliest = state.due;
  }
  return earliest;
}

std::optional<std::int64_t> Scheduler::nextBusyDue(std::uint64_t changes) const {
  const Widget* busy = firstBusy(changes);
  if (busy == nullptr) return std::nullopt;
  return busy->timerState().due;
}

std::optional<std::int64_t> Scheduler::skipIdleTicks(std::int64_t time, std::uint64_t changes) {
  const Widget* busy = firstBusy(changes);
  std::optional<std::int64_t> earliest;
  if (busy != nullptr) earliest = busy->timerState().due;
  for (Widget* timer : scheduled_) {
    TimerState& state = timer->timerState();
    if (state.running || state.idleAt != changes) continue;
    // The last moment whose tick of this timer would still come before the busy timer's.
    std::int64_t last = time;
    if (busy != nullptr) {
      const TimerState& next = busy->timerState();
      last = std::min(last, state.order < next.order ? next.due : next.due - 1);
    }
    if (state.due <= last) {
      const std::int64_t interval = timer->interval();
      state.due += ((last - state.due) / interval + 1) * interval;
    }
    if (!earliest || state.due < *earliest) earliest = state.due;
  }
  return earliest;
}

const Widget* Scheduler::firstBusy(std::uint64_t changes) const {
  const Widget* busy = nullptr;
  for (const Widget* timer : scheduled_) {
    const TimerState& state = timer->timerState();
    if (state.running || state.idleAt == changes) continue;
    if (busy == nullptr || runsBefore(timer, busy)) busy = timer;
  }
  return busy;
}

Widget* Scheduler::dueBy(std::int64_t now) const {
  Widget* next = nullptr;
  for (Widget* timer : scheduled_) {
    const TimerState& state = timer->timerState();
    if (state.running || state.due > now) continue;
    if (next == nullptr || runsBefore(timer, next)) next = timer;
  }
  return next;
}

void Scheduler::afterTick(Widget& timer, std::int64_t due, std::uint64_t generationBefore) {
  TimerState& state = timer.timerState();
  if (!state.scheduled || state.generation != generationBefore) return;
  const std::int64_t interval = timer.interval();
  const std::int64_t returned = clock_();
  std::int64_t periods = 1;
  if (due + interval < returned) periods = (returned - due + interval - 1) / interval;
  state.due = due + periods * interval;
  onChange_();
}

}  // namespace fm
