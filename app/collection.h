#pragma once

#include "app/model/program.h"

namespace fm {

// Adds the menu and the four game windows to the program.
void addCollection(Program& program);
// The same, for a member initialiser: the program, with the collection added.
inline Program& withCollection(Program& program) {
  addCollection(program);
  return program;
}

// The window the program opens at start: the menu.
Window& firstWindow(Program& program);

}  // namespace fm
