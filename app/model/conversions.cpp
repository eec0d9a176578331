#include "app/model/conversions.h"

#include <cmath>
#include <limits>

#include "app/model/decimal.h"

namespace fm {
namespace {

template <class Integral>
Integral roundHalfEven(double x) {
  if (std::isnan(x)) return 0;
  constexpr auto lowest = static_cast<double>(std::numeric_limits<Integral>::min());
  constexpr auto highest = static_cast<double>(std::numeric_limits<Integral>::max());
  // nearbyint rounds halves to even in the default rounding mode.
  const double rounded = std::nearbyint(x);
  if (rounded <= lowest) return std::numeric_limits<Integral>::min();
  if (rounded >= highest) return std::numeric_limits<Integral>::max();
  return static_cast<Integral>(rounded);
}

}  // namespace

double Int(double x) {
  return std::floor(x);
}

std::int16_t toInteger(double x) {
  return roundHalfEven<std::int16_t>(x);
}

std::int32_t toLong(double x) {
  return roundHalfEven<std::int32_t>(x);
}

std::string Str(std::int64_t value) {
  return std::to_string(value);
}

std::string Str(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  if (value == 0.0F) return "0";  // also for -0
  return shortestFixed(value);
}

double Val(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const DecimalRead<double> read = readDouble(text);
  if (read.outOfRange || !std::isfinite(read.value)) return 0;
  return read.value;
}

}  // namespace fm
