#pragma once

#include <iosfwd>

namespace fm::sim {

// Starts the whole collection as the real program starts (the menu loaded and shown at time
// 0), carries out every line of `in` and returns the exit status: 0, or 1 if any command
// failed.
int runCollection(std::istream& in, std::ostream& out);

}  // namespace fm::sim
