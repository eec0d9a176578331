#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "app/model/host.h"
#include "app/model/program.h"
#include "app/pacing/tick_pacer.h"
#include "app/qt/form_view.h"
#include "app/qt/picture_cache.h"

namespace fm::qt {

// Runs a program in a Qt application: one FormView per window, message boxes as QMessageBox,
// and the program's timers paced to the screen. One precise platform timer wakes the program at
// most once a display frame, or at the due time of a tick after a quiet stretch, and every
// tick due by then is delivered in due order; an input first gets every tick due by its moment.
// A QApplication must exist for the host's whole life, and the program's windows must outlive
// it.
class QtHost final : public Host {
 public:
  using Clock = std::function<std::int64_t()>;

  // `clock` gives milliseconds on a monotonic clock; by default the real one. A clock of the
  // caller's also seeds Randomize, so that a test's draws repeat.
  explicit QtHost(Program& program, Clock clock = {});
  ~QtHost() override;
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;
  QtHost(QtHost&&) = delete;
  QtHost& operator=(QtHost&&) = delete;

  [[nodiscard]] std::int64_t now() const override { return pacer_.now(); }
  void beforeInput() override;
  void messageBox(Window& owner, const std::string& text) override;
  void closeBoxesOf(Window& owner) override;
  void refresh() override;
  void timersChanged() override;
  void programEnded() override;
  [[nodiscard]] std::uint32_t clockSeed() const override;

  // The screen of a window, created on first use.
  FormView& view(Window& window);

  // A frame: delivers every tick due by now, then waits for the next frame. The platform timer
  // calls this; it may be entered again from a message box opened by one of the ticks.
  void deliverDueTicks();
  // When the platform timer wakes the program next, on the host's clock.
  [[nodiscard]] std::optional<std::int64_t> nextWake() const { return pacer_.nextFrame(); }
  // Milliseconds from one frame to the next: by default, those of the fastest screen.
  void setFrameInterval(std::int64_t milliseconds) { pacer_.setFrameInterval(milliseconds); }
  [[nodiscard]] std::int64_t frameInterval() const { return pacer_.frameInterval(); }
  // Whether the platform timer is waiting for a tick, and how long until it fires.
  [[nodiscard]] bool tickTimerArmed() const { return tickTimer_.isActive(); }
  [[nodiscard]] int tickTimerRemaining() const { return tickTimer_.remainingTime(); }
  // When it fires next, on the host's clock; nothing while it is not armed.
  [[nodiscard]] std::optional<std::int64_t> tickTimerDue() const;

 private:
  [[nodiscard]] std::int64_t clockNow() const;
  // Delivers every tick due by `time`, as a frame or to catch up before an input.
  void deliverTicksUpTo(std::int64_t time, bool frame);
  void armTickTimer();
  // The platform timer's next expiry after `now`: it repeats at its interval from when it was
  // armed.
  [[nodiscard]] std::int64_t tickTimerExpiryAfter(std::int64_t now) const;

  Program& program_;
  Clock clock_;
  QElapsedTimer elapsed_;
  TickPacer pacer_;
  QTimer tickTimer_;
  std::int64_t armedAt_ = 0;  // the host's time the platform timer was last armed
  PictureCache pictures_;
  std::unordered_map<const Window*, std::unique_ptr<FormView>> views_;
  bool delivering_ = false;  // a batch of ticks is being delivered
};

}  // namespace fm::qt
