#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fm::sim {

// A decimal whole number: an optional '-' and digits, nothing else. "12x", "", "+3", " 4" and
// values beyond 64 bits are not numbers.
std::optional<std::int64_t> parseWhole(std::string_view text);

// A decimal number ("0.25", "1e-3") rounded to single precision; one too small for it ("1e-46")
// rounds to 0 (-0 when negative). Junk, values beyond the float range, NaN and infinities are
// not numbers.
std::optional<float> parseSingle(std::string_view text);

// As parseWhole, within [lowest, highest]; anything else is a CommandError "bad number ...".
std::int64_t wholeInRange(std::string_view text, std::int64_t lowest, std::int64_t highest);

// A value for the random queue: 0 <= v < 1 once rounded to single precision, so that a queued
// draw can never be 1. Anything else is a CommandError "bad number ...".
float randomDraw(std::string_view text);

}  // namespace fm::sim
