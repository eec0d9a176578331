// minigames-sim: runs the collection headless on a virtual clock, driven by commands on
// standard input. See README.md for the commands.
#include <exception>
#include <iostream>

#include "tools/sim/run_collection.h"

int main() {
  try {
    return fm::sim::runCollection(std::cin, std::cout);
  } catch (const std::exception& error) {
    std::cout << "error: internal failure: " << error.what() << std::endl;
    return 1;
  }
}
