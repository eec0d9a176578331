#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace fm {

class Widget;

// When each enabled timer ticks next. Ticks due at the same moment go in the order their
// timers were enabled. A timer whose handler is still running is never picked, so it cannot
// re-enter; after a tick its next one is due one Interval after the previous due time, at
// the earliest when the handler returned: missed ticks are dropped, not queued.
class Scheduler {
 public:
  explicit Scheduler(std::function<std::int64_t()> clock, std::function<void()> onChange);

  // A new period: the first tick comes one Interval from now. A timer with no positive
  // Interval never ticks.
  void start(Widget& timer);
  void stop(Widget& timer);

  // The earliest due time among the timers that can tick.
  [[nodiscard]] std::optional<std::int64_t> nextDue() const;
  // The same among the timers that are not idle at the program's change count `changes`.
  [[nodiscard]] std::optional<std::int64_t> nextBusyDue(std::uint64_t changes) const;
  // Moves each idle timer's due time on by whole intervals past `time`, or up to the next
  // tick of a timer that is not idle if that comes first: the ticks passed over would have
  // changed nothing. Returns nextDue() as it is afterwards.
  std::optional<std::int64_t> skipIdleTicks(std::int64_t time, std::uint64_t changes);
  // The timer whose tick is next, if it is due by `now`.
  [[nodiscard]] Widget* dueBy(std::int64_t now) const;
  // After a tick that was due at `due`: schedules the next one unless the handler stopped or
  // restarted the timer (its generation changed).
  void afterTick(Widget& timer, std::int64_t due, std::uint64_t generationBefore);

 private:
  // The timer, not idle at `changes`, whose tick comes first; nullptr when there is none.
  [[nodiscard]] const Widget* firstBusy(std::uint64_t changes) const;

  std::function<std::int64_t()> clock_;
  std::function<void()> onChange_;
  std::vector<Widget*> scheduled_;
  std::uint64_t nextOrder_ = 0;
};

}  // namespace fm
