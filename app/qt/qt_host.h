#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "app/model/host.h"
#include "app/model/program.h"
#include "app/qt/form_view.h"
#include "app/qt/picture_cache.h"

namespace fm::qt {

// Runs a program in a Qt application: one FormView per window, the program's timers on one
// precise platform timer, message boxes as QMessageBox. A QApplication must exist for the
// host's whole life, and the program's windows must outlive it.
class QtHost final : public Host {
 public:
  using Clock = std::function<std::int64_t()>;

  // `clock` gives milliseconds on a monotonic clock; by default the real one.
  explicit QtHost(Program& program, Clock clock = {});
  ~QtHost() override;
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;
  QtHost(QtHost&&) = delete;
  QtHost& operator=(QtHost&&) = delete;

  [[nodiscard]] std::int64_t now() const override;
  void messageBox(Window& owner, const std::string& text) override;
  void refresh() override;
  void timersChanged() override;
  void programEnded() override;
  [[nodiscard]] std::uint32_t clockSeed() const override;

  // The screen of a window, created on first use.
  FormView& view(Window& window);

  // Delivers every tick due by now, then waits for the next one. The platform timer calls
  // this; it may be entered again from a message box opened by one of the ticks.
  void deliverDueTicks();
  // Whether the platform timer is waiting for a tick, and how long until it fires.
  [[nodiscard]] bool tickTimerArmed() const { return tickTimer_.isActive(); }
  [[nodiscard]] int tickTimerRemaining() const { return tickTimer_.remainingTime(); }

 private:
  void armTickTimer();

  Program& program_;
  Clock clock_;
  QElapsedTimer elapsed_;
  QTimer tickTimer_;
  PictureCache pictures_;
  std::unordered_map<const Window*, std::unique_ptr<FormView>> views_;
  bool delivering_ = false;  // a batch of ticks is being delivered
};

}  // namespace fm::qt
