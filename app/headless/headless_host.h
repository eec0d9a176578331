#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/model/host.h"
#include "app/model/program.h"
#include "app/pacing/tick_pacer.h"

namespace fm {

// Runs a program on a virtual clock, for tests and the scenario runner: time passes only when
// asked to, every tick that falls due is delivered in order, and message boxes are answered at
// once (optionally after some virtual time has passed while they were open).
class HeadlessHost final : public Host {
 public:
  explicit HeadlessHost(Program& program);

  [[nodiscard]] std::int64_t now() const override { return pacer_.now(); }
  void messageBox(Window& owner, const std::string& text) override;
  // A box here is answered as soon as it is raised: none is ever left open.
  void closeBoxesOf(Window& /*owner*/) override {}
  void refresh() override {
    if (refreshListener_) refreshListener_();
  }
  void timersChanged() override {}
  void beforeInput() override {}
  void programEnded() override;
  [[nodiscard]] std::uint32_t clockSeed() const override;

  // Advances the clock by `milliseconds`, delivering every tick due up to and including the
  // end. Also safe while a message box is open (nested inside a handler).
  void wait(std::int64_t milliseconds);

  // Passes over the ticks that would change nothing, as a host on a screen does; off by default.
  void setSkipIdleTicks(bool skip) { pacer_.setSkipIdleTicks(skip); }

  // Virtual time that passes while each message box is open.
  void setMessageBoxDelay(std::int64_t milliseconds) { messageBoxDelay_ = milliseconds; }
  [[nodiscard]] std::int64_t messageBoxDelay() const { return messageBoxDelay_; }
  // Called when a box is raised, before its delay passes.
  void onMessageBox(std::function<void(Window&, const std::string&)> listener) {
    messageBoxListener_ = std::move(listener);
  }
  void onEnded(std::function<void()> listener) { endedListener_ = std::move(listener); }
  // Called whenever the windows' changes would go to a screen: a page that shows the program
  // on a virtual clock paints them.
  void onRefresh(std::function<void()> listener) { refreshListener_ = std::move(listener); }

  // Every box text raised so far, in order.
  [[nodiscard]] const std::vector<std::string>& messageBoxes() const { return messageBoxes_; }

 private:
  TickPacer pacer_;
  std::int64_t messageBoxDelay_ = 0;
  std::vector<std::string> messageBoxes_;
  std::function<void(Window&, const std::string&)> messageBoxListener_;
  std::function<void()> endedListener_;
  std::function<void()> refreshListener_;
};

}  // namespace fm
