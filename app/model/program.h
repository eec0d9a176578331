#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/model/change_count.h"
#include "app/model/host.h"
#include "app/model/random_source.h"
#include "app/model/scheduler.h"
#include "app/model/window.h"

namespace fm {

// The whole running program: its windows, the shared random generator and the timers. Every
// input from the host (a click, a key, a close box, a tick) is handled here as one event;
// after the outermost event the changes go to the screen and, once no window is visible, the
// program ends.
class Program {
 public:
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  Program(Program&&) = delete;
  Program& operator=(Program&&) = delete;
  ~Program() = default;

  // The host must outlive the program's use of it.
  void setHost(Host& host) { host_ = &host; }

  template <class Form, class... Args>
  Form& add(Args&&... args) {
    auto form = std::make_unique<Form>(*this, std::forward<Args>(args)...);
    Form& added = *form;
    windows_.push_back(std::move(form));
    return added;
  }
  [[nodiscard]] Window* find(std::string_view name) const;
  // A window the program is known to have; a missing one is a programming error.
  [[nodiscard]] Window& window(std::string_view name) const;
  [[nodiscard]] const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }

  // --- services for handlers ---
  [[nodiscard]] float Rnd() {
    changes_.note();
    return random_.Rnd();
  }
  void Randomize();
  [[nodiscard]] RandomSource& random() { return random_; }
  // A modal box; returns once the player has pressed OK. Not shown for a window that is not
  // loaded.
  void MsgBox(Window& owner, const std::string& text);
  // A box is open somewhere: like the real box, it holds off clicks and keys in every window
  // until it is answered. Timers still tick and windows can still be closed.
  [[nodiscard]] bool boxOpen() const { return openBoxes_ > 0; }
  // The window has been unloaded: the boxes it raised close.
  void closeBoxesOf(Window& owner);
  [[nodiscard]] std::int64_t now() const;
  [[nodiscard]] Scheduler& scheduler() { return scheduler_; }
  [[nodiscard]] ChangeCount& changes() { return changes_; }

  // --- input from the host ---
  // Clicks and keys are ignored while a box is open. Each input first lets the host deliver the
  // ticks due by its moment.
  void start(Window& first);
  void click(Widget& widget);
  void keyDown(Window& window, std::int16_t keyCode, std::int16_t shift);
  void close(Window& window);
  // The player moved the focus (to `control`, or to the window itself for nullptr), or typed
  // `text` into a text box: taken at the moment they happened, with the ticks due by then
  // delivered first, even after a long idle stretch whose ticks were passed over.
  void moveFocus(Window& window, Widget* control);
  void typeText(Widget& textBox, std::string text);
  // Delivers the next tick if one is due by `now`; false when none is.
  bool deliverNextTick(std::int64_t now);
  [[nodiscard]] std::optional<std::int64_t> nextDue() const { return scheduler_.nextDue(); }
  // A timer is idle while its last tick changed nothing and nothing has changed since: its ticks
  // until the next change would change nothing either. The earliest due tick of a timer that is
  // not idle.
  [[nodiscard]] std::optional<std::int64_t> nextBusyDue() const {
    return scheduler_.nextBusyDue(changes_.value());
  }
  // Moves every idle timer on along its own grid, as if delivered, past its ticks due by `time`
  // that come before the next tick of a timer that is not idle. Returns nextDue() afterwards.
  std::optional<std::int64_t> skipIdleTicks(std::int64_t time) {
    return scheduler_.skipIdleTicks(time, changes_.value());
  }
  [[nodiscard]] bool ended() const { return ended_; }
  // Between these two, the ticks delivered go to the screen together, once, at the end: a
  // host shows one picture per frame however many ticks the frame holds. A message box shows
  // what came before it and every tick delivered while it is open. Pairs may nest.
  void beginBatch();
  void endBatch();
  // Sees every tick just before its handler runs, for tools that watch the program at work.
  void onTick(std::function<void(const Widget&)> observer) { tickObserver_ = std::move(observer); }

 private:
  // One input or tick for `window`, whose own variables are then looked at for changes.
  template <class Action>
  void event(Window& window, Action&& action);
  // Lets the host deliver the ticks due by the moment of an input. False when one of them raised
  // a box: the input came while that box would have been on the screen, holding it off.
  bool catchUp();
  void afterEvent();
  void showChanges();

  Host* host_ = nullptr;
  ChangeCount changes_;
  std::vector<std::unique_ptr<Window>> windows_;
  RandomSource random_;
  Scheduler scheduler_;
  std::function<void(const Widget&)> tickObserver_;
  int eventDepth_ = 0;
  int openBoxes_ = 0;
  std::uint64_t boxesRaised_ = 0;
  int batchDepth_ = 0;
  bool ended_ = false;
};

}  // namespace fm
