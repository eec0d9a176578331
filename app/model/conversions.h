#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The arithmetic rules every window's handlers rely on.
namespace fm {

// The largest integer not greater than x: Int(-0.5) is -1.
double Int(double x);

// Assignment of a floating-point value to a 16-bit Integer or a 32-bit Long: round to the
// nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values
// beyond the range saturate instead of wrapping, and NaN becomes 0.
std::int16_t toInteger(double x);
std::int32_t toLong(double x);

// Number to text: decimal digits, a leading "-" for negatives, no leading blank.
std::string Str(std::int64_t value);
inline std::string Str(std::int32_t value) {
  return Str(std::int64_t{value});
}
inline std::string Str(std::int16_t value) {
  return Str(std::int64_t{value});
}

// A single-precision value as the shortest decimal text that reads back to the same value,
// without an exponent: 1560, 1592.5, -0.25.
std::string Str(float value);

// Text to number: the decimal value of a caption such as "556". Leading and trailing blanks
// are ignored; text that holds no number reads as 0, as does the part after a stray
// character ("12a" reads 12).
double Val(std::string_view text);

}  // namespace fm
