#include "app/headless/headless_host.h"

#include <algorithm>
#include <limits>

namespace fm {

HeadlessHost::HeadlessHost(Program& program) : program_(program) {
  program_.setHost(*this);
}

void HeadlessHost::messageBox(Window& owner, const std::string& text) {
  messageBoxes_.push_back(text);
  if (messageBoxListener_) messageBoxListener_(owner, text);
  if (messageBoxDelay_ > 0) wait(messageBoxDelay_);
}

void HeadlessHost::programEnded() {
  if (endedListener_) endedListener_();
}

std::uint32_t HeadlessHost::clockSeed() const {
  return static_cast<std::uint32_t>(now_);
}

void HeadlessHost::wait(std::int64_t milliseconds) {
  // Saturates rather than overflowing the clock.
  const std::int64_t room = std::numeric_limits<std::int64_t>::max() - now_;
  const std::int64_t end = now_ + std::clamp<std::int64_t>(milliseconds, 0, room);
  while (const auto due = program_.nextDue()) {
    if (*due > end || program_.ended()) break;
    // A box opened by an earlier tick may have moved the clock past this due time already.
    now_ = std::max(now_, *due);
    if (!program_.deliverNextTick(now_)) break;
  }
  now_ = std::max(now_, end);
}

}  // namespace fm
