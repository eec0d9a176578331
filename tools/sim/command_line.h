#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace fm::sim {

// One line of input split into its command and arguments. The views point into the line.
struct CommandLine {
  std::string_view command;
  std::vector<std::string_view> arguments;
  // Everything after the command and the one blank that follows it, for echo.
  std::string_view rest;
};

// Splits a line at spaces and tabs. A trailing carriage return and trailing blanks are dropped.
// Blank lines and lines whose first non-blank character is '#' hold no command.
std::optional<CommandLine> splitCommandLine(std::string_view line);

}  // namespace fm::sim
