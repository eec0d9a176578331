#include "tools/sim/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "app/model/decimal.h"
#include "tools/sim/command_error.h"

namespace fm::sim {

std::optional<std::int64_t> parseWhole(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc{} || result.ptr != end) return std::nullopt;
  return value;
}

std::optional<float> parseSingle(std::string_view text) {
  const DecimalRead<float> read = readFloat(text);
  if (text.empty() || read.length != text.size()) return std::nullopt;
  // A value too small for single precision rounds to zero, keeping its sign as IEEE rounding
  // does; one too large is refused.
  if (!std::isfinite(read.value)) return std::nullopt;
  return read.value;
}

std::int64_t wholeInRange(std::string_view text, std::int64_t lowest, std::int64_t highest) {
  const auto value = parseWhole(text);
  if (!value || *value < lowest || *value > highest) {
    throw CommandError("bad number \"" + std::string(text) + "\" (expected a whole number from " +
                       std::to_string(lowest) + " to " + std::to_string(highest) + ")");
  }
  return *value;
}

float randomDraw(std::string_view text) {
  const auto value = parseSingle(text);
  // -0 passes as 0; a value just below 1 that rounds up to 1 is refused.
  if (!value || !(*value >= 0.0F) || !(*value < 1.0F)) {
    throw CommandError("bad number \"" + std::string(text) +
                       "\" (expected a value from 0 up to but not including 1)");
  }
  return *value;
}

}  // namespace fm::sim
