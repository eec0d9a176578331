#pragma once

#include <sys/types.h>

#include <string>

namespace bench {

// An X display of the bench's own: Xvfb started on a free display number, its screen 1280×1024
// at 24 bits, and DISPLAY set to it for this process and its children. The server is stopped
// when this goes away.
class VirtualDisplay {
 public:
  // Throws std::runtime_error when Xvfb cannot be started.
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;
  VirtualDisplay(VirtualDisplay&&) = delete;
  VirtualDisplay& operator=(VirtualDisplay&&) = delete;

  [[nodiscard]] const std::string& name() const { return name_; }

 private:
  pid_t pid_ = 0;
  std::string name_;
};

}  // namespace bench
