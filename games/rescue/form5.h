#pragma once

#include "app/model/window.h"

namespace fm {

// The rescue dice board.
class Form5 final : public Window {
 public:
  explicit Form5(Program& program);
};

}  // namespace fm
