#include "tools/sim/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "tools/sim/command_error.h"

namespace fm::sim {

std::optional<std::int64_t> parseWhole(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc{} || result.ptr != end) return std::nullopt;
  return value;
}

namespace {

// For a well-formed decimal: whether its magnitude is below 1, read from where its first
// nonzero digit stands and from its exponent. A decimal out of the single range is either far
// above 1 (it overflows) or far below it (it underflows), so this tells the two apart, however
// long its digits or its exponent are.
bool belowOne(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const auto exponentStart = text.find_first_of("eE");
  const std::string_view significand = text.substr(0, exponentStart);
  const auto first = significand.find_first_not_of("0.");
  if (first == std::string_view::npos) return true;  // all zeros
  const auto point = std::min(significand.find('.'), significand.size());
  // The power of ten of the first nonzero digit: 0 for "7", 2 for "700", -1 for "0.7".
  std::int64_t order = first < point ? static_cast<std::int64_t>(point - first) - 1
                                     : -static_cast<std::int64_t>(first - point);
  if (exponentStart != std::string_view::npos) {
    std::string_view digits = text.substr(exponentStart + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
      digits.remove_prefix(1);
    }
    // Saturates far beyond any order the digits before the exponent can reach.
    constexpr std::int64_t kSaturated = 1'000'000'000'000'000;
    std::int64_t exponent = 0;
    for (const char digit : digits) exponent = std::min(exponent * 10 + (digit - '0'), kSaturated);
    order += negative ? -exponent : exponent;
  }
  return order < 0;
}

}  // namespace

std::optional<float> parseSingle(std::string_view text) {
  float value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (text.empty() || result.ptr != end) return std::nullopt;
  // from_chars reports a value too small for single precision as out of range too: it rounds
  // to zero, keeping its sign as IEEE rounding does.
  if (result.ec == std::errc::result_out_of_range && belowOne(text)) {
    return text.front() == '-' ? -0.0F : 0.0F;
  }
  if (result.ec != std::errc{} || !std::isfinite(value)) return std::nullopt;
  return value;
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
