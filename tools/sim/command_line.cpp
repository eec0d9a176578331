#include "tools/sim/command_line.h"

namespace fm::sim {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<CommandLine> splitCommandLine(std::string_view line) {
  line = trimmed(line);
  if (line.empty() || line.front() == '#') return std::nullopt;

  CommandLine split;
  std::string_view remaining = line;
  bool first = true;
  while (!remaining.empty()) {
    std::size_t length = 0;
    while (length < remaining.size() && !isBlank(remaining[length])) ++length;
    const std::string_view word = remaining.substr(0, length);
    remaining.remove_prefix(length);
    if (first) {
      split.command = word;
      // One separating blank belongs to the command; the rest of the line is echo's text.
      split.rest = remaining.empty() ? remaining : remaining.substr(1);
      first = false;
    } else {
      split.arguments.push_back(word);
    }
    while (!remaining.empty() && isBlank(remaining.front())) remaining.remove_prefix(1);
  }
  return split;
}

}  // namespace fm::sim
