#pragma once

#include <string>

#include "app/model/window.h"

namespace fm::sim {

// A window's whole state as one line of JSON:
//   {"window":"Form4","Caption":...,"Loaded":true,...,"widgets":[...],"variables":{...}}
// with its properties, every widget front to back (name, index or null outside an array, kind
// and all the properties of its kind) and every registered variable (an array as a JSON array
// from its first index on). A window that is not loaded has only its name, Loaded and Visible.
std::string dumpWindow(const Window& window);

}  // namespace fm::sim
