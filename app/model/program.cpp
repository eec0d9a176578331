#include "app/model/program.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace fm {
namespace {

// Counts itself in for as long as it lives, also when a handler throws.
class Counted {
 public:
  explicit Counted(int& counter) : counter_(++counter) {}
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;
  Counted(Counted&&) = delete;
  Counted& operator=(Counted&&) = delete;
  ~Counted() { --counter_; }

 private:
  int& counter_;
};

}  // namespace

Program::Program()
    : scheduler_([this] { return now(); },
                 [this] {
                   if (host_ != nullptr) host_->timersChanged();
                 }) {
  // An idle timer whose ticks the host no longer woke for has work again.
  changes_.onWatchedChange([this] {
    if (host_ != nullptr) host_->timersChanged();
  });
}

Window* Program::find(std::string_view name) const {
  for (const auto& window : windows_) {
    if (window->name() == name) return window.get();
  }
  return nullptr;
}

Window& Program::window(std::string_view name) const {
  Window* found = find(name);
  if (found == nullptr) throw std::logic_error("no window " + std::string(name));
  return *found;
}

void Program::Randomize() {
  changes_.note();
  random_.Randomize(host_ != nullptr ? host_->clockSeed() : 0U);
}

std::int64_t Program::now() const {
  return host_ != nullptr ? host_->now() : 0;
}

void Program::MsgBox(Window& owner, const std::string& text) {
  // A window the player has closed says nothing more, also when it is closed while one of its
  // boxes is open: the handler runs on to its end without the rest of its boxes.
  if (host_ == nullptr || !owner.loaded()) return;
  // What the handler has drawn so far is on screen while the box waits, and so is every tick
  // delivered while it is open.
  showChanges();
  const int batchesAround = std::exchange(batchDepth_, 0);
  ++boxesRaised_;
  changes_.note();
  {
    const Counted open(openBoxes_);
    host_->messageBox(owner, text);
    changes_.note();
    // The handler goes on at the moment OK was pressed, with every other tick due by then.
    host_->beforeInput();
  }
  batchDepth_ = batchesAround;
}

void Program::closeBoxesOf(Window& owner) {
  if (host_ != nullptr && boxOpen()) host_->closeBoxesOf(owner);
}

void Program::beginBatch() {
  ++batchDepth_;
}

void Program::endBatch() {
  if (--batchDepth_ == 0) showChanges();
}

void Program::showChanges() {
  if (host_ != nullptr) host_->refresh();
  for (const auto& window : windows_) window->clearChanges();
}

template <class Action>
void Program::event(Window& window, Action&& action) {
  if (ended_) return;
  {
    // Even a handler that throws leaves the event finished, so the program can still end.
    const Counted depth(eventDepth_);
    action();
  }
  // A window's variables are written by its own handlers only; another window's are reset by
  // loading it, which counts as a change of its own.
  if (window.variables().changedSinceLastLook()) changes_.note();
  afterEvent();
}

void Program::afterEvent() {
  if (batchDepth_ == 0) showChanges();
  // Only once the outermost event is done: a game that unloads itself before showing the menu
  // must not end the program in between.
  if (eventDepth_ > 0 || ended_) return;
  const bool anyVisible = std::any_of(windows_.begin(), windows_.end(),
                                      [](const auto& window) { return window->visible(); });
  if (!anyVisible) {
    ended_ = true;
    if (host_ != nullptr) host_->programEnded();
  }
}

void Program::start(Window& first) {
  event(first, [&] { first.Show(); });
}

void Program::click(Widget& widget) {
  if (boxOpen() || !catchUp()) return;
  event(widget.window(), [&] { widget.window().deliverClick(widget); });
}

void Program::keyDown(Window& window, std::int16_t keyCode, std::int16_t shift) {
  if (boxOpen() || !catchUp()) return;
  event(window, [&] { window.deliverKeyDown(keyCode, shift); });
}

void Program::close(Window& window) {
  catchUp();
  event(window, [&] { window.Unload(); });
}

void Program::moveFocus(Window& window, Widget* control) {
  catchUp();
  if (control != nullptr) {
    window.focus(*control);
  } else {
    window.focusSelf();
  }
}

void Program::typeText(Widget& textBox, std::string text) {
  catchUp();
  textBox.setText(std::move(text));
}

bool Program::catchUp() {
  if (host_ == nullptr || ended_) return true;
  const std::uint64_t boxesBefore = boxesRaised_;
  host_->beforeInput();
  return boxesRaised_ == boxesBefore;
}

bool Program::deliverNextTick(std::int64_t now) {
  if (ended_) return false;
  Widget* timer = scheduler_.dueBy(now);
  if (timer == nullptr) return false;
  TimerState& state = timer->timerState();
  const std::int64_t due = state.due;
  const std::uint64_t generation = state.generation;
  if (tickObserver_) tickObserver_(*timer);
  const std::uint64_t changesBefore = changes_.value();
  event(timer->window(), [&] {
    state.running = true;
    timer->window().deliverTick(*timer);
    state.running = false;
    scheduler_.afterTick(*timer, due, generation);
  });
  if (changes_.value() == changesBefore) {
    state.idleAt = changesBefore;
    changes_.watch();
  }
  return true;
}

}  // namespace fm
