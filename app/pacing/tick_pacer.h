#pragma once

#include <cstdint>
#include <optional>

#include "app/model/program.h"

namespace fm {

// The program's time, moved on by its host. Whether the host advances it a millisecond or a
// whole display frame at a time, every tick that falls due is delivered in due order, at its due
// time as far as the handlers can tell: the outcome is the one a perfect timer would give.
//
// A host on a real screen wakes at most once a frame: it calls frame() at nextFrame(), and
// advanceTo() the real time before it hands the program any input, so that a handler always sees
// exactly the state a perfect 1 ms timer would have left. A host on a virtual clock only calls
// advanceTo().
class TickPacer {
 public:
  explicit TickPacer(Program& program) : program_(program) {}

  // The program's clock: the due time of the tick being delivered, otherwise the time last
  // advanced to. It never goes back.
  [[nodiscard]] std::int64_t now() const { return now_; }

  // Moves the program's time on to `time`, delivering every tick due by then in due order. A
  // message box raised by one of the ticks may enter it again.
  void advanceTo(std::int64_t time);

  // A display frame at `time`: every tick due by then. The next frame comes one frame later at
  // the earliest.
  void frame(std::int64_t time);
  // When the host should call frame() next: at the earliest due tick, but not sooner than one
  // frame after the last one; nothing while no timer runs. While skipping idle ticks, only the
  // ticks of timers that are not idle count: nothing while every timer is idle.
  [[nodiscard]] std::optional<std::int64_t> nextFrame() const;

  // Passes over the ticks of idle timers (see Program::nextBusyDue) instead of delivering them,
  // each timer going on along its own grid: the outcome is the same, with no wake-up for a tick
  // that would change nothing. On by default; a host that is the reference delivers them all.
  void setSkipIdleTicks(bool skip) { skipIdleTicks_ = skip; }

  // Whole milliseconds from one frame to the next; 0 paces the ticks by their due times alone.
  void setFrameInterval(std::int64_t milliseconds) { frameInterval_ = milliseconds; }
  [[nodiscard]] std::int64_t frameInterval() const { return frameInterval_; }
  // The frame interval for a screen refreshed `hertz` times a second, rounded up so that there
  // are never more frames than pictures; 60 Hz when the rate is unknown (0 or less).
  [[nodiscard]] static std::int64_t frameIntervalFor(double hertz);

 private:
  Program& program_;
  std::int64_t now_ = 0;
  std::int64_t frameInterval_ = 0;
  std::optional<std::int64_t> lastFrame_;
  bool skipIdleTicks_ = true;
};

}  // namespace fm
