#pragma once

#include "app/model/window.h"

namespace fm {

// The card rock-paper-scissors duel.
class Form3 final : public Window {
 public:
  explicit Form3(Program& program);
};

}  // namespace fm
