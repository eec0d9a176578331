#include "app/headless/headless_host.h"

#include <algorithm>
#include <limits>

namespace fm {

HeadlessHost::HeadlessHost(Program& program) : pacer_(program) {
  // The reference: every tick is delivered, those that change nothing too.
  pacer_.setSkipIdleTicks(false);
  program.setHost(*this);
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
  return static_cast<std::uint32_t>(pacer_.now());
}

void HeadlessHost::wait(std::int64_t milliseconds) {
  // Saturates rather than overflowing the clock.
  const std::int64_t now = pacer_.now();
  const std::int64_t room = std::numeric_limits<std::int64_t>::max() - now;
  pacer_.advanceTo(now + std::clamp<std::int64_t>(milliseconds, 0, room));
}

}  // namespace fm
