#pragma once

#include <string>

#include "tools/sim/address.h"

namespace fm::sim {

// The value at an address as `get` prints it. `Loaded` and `Visible` of a window can always be
// read; everything else needs the window loaded (CommandError "window not loaded ..."). A bare
// window or widget has no value of its own (CommandError naming what to read instead).
std::string readValue(const Target& target);

}  // namespace fm::sim
