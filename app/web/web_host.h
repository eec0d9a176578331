#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/model/host.h"
#include "app/model/program.h"
#include "app/pacing/tick_pacer.h"
#include "app/web/dom_view.h"

namespace fm::web {

// Runs the program in the page. The program sleeps until an animation frame when a tick is due
// within a frame, until the due time of a tick farther off, or until the player does something,
// and then delivers every tick due by then, in order (the same pacing as the desktop's). The
// page only records the player's inputs; this loop, or the loop of the innermost message box,
// takes each in turn, having first caught up with the ticks due by its moment. A message box is
// a modal dialog: the handler that raised it waits in the box's own loop, on the same stack,
// while other timers tick.
class WebHost final : public Host {
 public:
  explicit WebHost(Program& program);

  [[nodiscard]] std::int64_t now() const override { return pacer_.now(); }
  void beforeInput() override;
  void messageBox(Window& owner, const std::string& text) override;
  void closeBoxesOf(Window& owner) override;
  void refresh() override { view_.applyChanges(); }
  void timersChanged() override {}
  void programEnded() override;
  [[nodiscard]] std::uint32_t clockSeed() const override;

  // Runs until the program has ended; returns then.
  void run();

 private:
  [[nodiscard]] std::int64_t clockNow() const;
  // Sleeps until the next frame, tick or input, then takes the inputs and the due ticks.
  void turn();
  void takeInputs();

  Program& program_;
  TickPacer pacer_;
  DomView view_;
  // A whole millisecond on the page's clock: a wake-up planned for a tick's due time then finds
  // the tick due exactly, with no rounding in between.
  double start_ = 0;
  int boxesRaised_ = 0;
  struct OpenBox {
    int id;
    const Window* owner;
  };
  std::vector<OpenBox> openBoxes_;  // innermost last
};

}  // namespace fm::web
