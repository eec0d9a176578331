#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace fm {

// How many real changes the program's state has seen: a widget property, a variable, the random
// generator, a timer, a window or a box that became different. Writing the value already held
// is no change. The handlers depend on that state alone, so a tick after which the count has not
// moved changed nothing, and another tick of the same timer would change nothing either until
// the count moves.
class ChangeCount {
 public:
  [[nodiscard]] std::uint64_t value() const { return value_; }

  void note() {
    ++value_;
    if (watched_) {
      watched_ = false;
      if (onWatchedChange_) onWatchedChange_();
    }
  }

  // The next change calls the listener once: a timer known to be idle is idle no more.
  void watch() { watched_ = true; }
  void onWatchedChange(std::function<void()> listener) { onWatchedChange_ = std::move(listener); }

 private:
  std::uint64_t value_ = 0;
  bool watched_ = false;
  std::function<void()> onWatchedChange_;
};

}  // namespace fm
