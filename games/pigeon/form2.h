#pragma once

#include "app/model/window.h"

namespace fm {

// The pigeon-attack journey from Osaka to Tokyo.
class Form2 final : public Window {
 public:
  explicit Form2(Program& program);
};

}  // namespace fm
