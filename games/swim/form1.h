#pragma once

#include "app/model/window.h"

namespace fm {

// The swimming race.
class Form1 final : public Window {
 public:
  explicit Form1(Program& program);
};

}  // namespace fm
