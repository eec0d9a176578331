#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decimal text to and from floating point, alike on every platform: the standard library of the
// web build has no floating-point to_chars and from_chars.
namespace fm {

// What reading a number from the start of a text found.
template <class Float>
struct DecimalRead {
  Float value = 0;
  std::size_t length = 0;   // the characters it took; 0 when the text starts with no number
  bool outOfRange = false;  // too large for the type, or too small to be anything but zero
};

// Reads a number as std::from_chars does in its general format: an optional "-", digits with an
// optional decimal point (at least one digit in all), an optional exponent ("e" or "E", an
// optional sign, digits); or "inf", "infinity", "nan" or "nan(...)" in any case. The nearest
// value, halves to even; a number out of range has the value it rounds to, an infinity or a
// zero of its sign.
DecimalRead<double> readDouble(std::string_view text);
DecimalRead<float> readFloat(std::string_view text);

// The shortest text in fixed notation (no exponent) that reads back to `value`, and of those
// the nearest to it: 1560, 1592.5, -0.25. For a finite value.
std::string shortestFixed(float value);

}  // namespace fm
