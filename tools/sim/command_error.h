#pragma once

#include <stdexcept>

namespace fm::sim {

// A command that cannot be carried out. The runner prints the message after "error: " and
// goes on with the next line.
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace fm::sim
