#include "app/model/decimal.h"

#include <array>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <locale.h>  // newlocale and uselocale (POSIX), which <clocale> does not declare

namespace fm {
namespace {

// The "C" locale for the calling thread while it lives: the C library's conversions then read
// and write a decimal point whatever locale the program runs in (Qt sets the user's own when it
// starts, and a German or French one would write and expect a comma).
class InCLocale {
 public:
  InCLocale() : before_(uselocale(cLocale())) {}
  InCLocale(const InCLocale&) = delete;
  InCLocale& operator=(const InCLocale&) = delete;
  InCLocale(InCLocale&&) = delete;
  InCLocale& operator=(InCLocale&&) = delete;
  ~InCLocale() { uselocale(before_); }

 private:
  static locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
  }
  locale_t before_;
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool startsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
  }
  return true;
}

// How long the number at the start of `text` is, by the grammar above; 0 for none. Tells
// whether it is written in digits, and whether any of them is not zero.
struct Scanned {
  std::size_t length = 0;
  bool digits = false;
  bool nonZero = false;
};

Scanned scan(std::string_view text) {
  Scanned found;
  std::size_t at = !text.empty() && text.front() == '-' ? 1 : 0;
  const std::string_view rest = text.substr(at);
  if (startsWithWord(rest, "infinity")) return {at + 8};
  if (startsWithWord(rest, "inf")) return {at + 3};
  if (startsWithWord(rest, "nan")) {
    at += 3;
    // "nan(" letters, digits and underscores ")" belongs to it; a "(" left open does not.
    if (at < text.size() && text[at] == '(') {
      std::size_t close = at + 1;
      while (close < text.size() &&
             (std::isalnum(static_cast<unsigned char>(text[close])) != 0 || text[close] == '_')) {
        ++close;
      }
      if (close < text.size() && text[close] == ')') at = close + 1;
    }
    return {at};
  }
  std::size_t mantissaDigits = 0;
  for (bool point = false; at < text.size(); ++at) {
    if (isDigit(text[at])) {
      ++mantissaDigits;
      found.nonZero = found.nonZero || text[at] != '0';
    } else if (text[at] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return {};
  found.digits = true;
  // An exponent counts only with at least one digit.
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && isDigit(text[exponent])) {
      while (exponent < text.size() && isDigit(text[exponent])) ++exponent;
      at = exponent;
    }
  }
  found.length = at;
  return found;
}

template <class Float>
DecimalRead<Float> read(std::string_view text, Float (*convert)(const char*, char**)) {
  const Scanned scanned = scan(text);
  DecimalRead<Float> result;
  if (scanned.length == 0) return result;
  result.length = scanned.length;
  // The C library reads the text so matched exactly.
  const std::string number(text.substr(0, scanned.length));
  {
    const InCLocale decimalPoint;
    result.value = convert(number.c_str(), nullptr);
  }
  result.outOfRange =
      scanned.digits && (std::isinf(result.value) || (result.value == 0 && scanned.nonZero));
  return result;
}

double toDouble(const char* text, char** end) {
  return std::strtod(text, end);
}

float toFloat(const char* text, char** end) {
  return std::strtof(text, end);
}

}  // namespace

DecimalRead<double> readDouble(std::string_view text) {
  return read<double>(text, &toDouble);
}

DecimalRead<float> readFloat(std::string_view text) {
  return read<float>(text, &toFloat);
}

std::string shortestFixed(float value) {
  const InCLocale decimalPoint;
  // Room for the widest: 39 digits before the point, or 45 decimals of the smallest value.
  std::array<char, 64> buffer{};
  const auto print = [&buffer, value](int decimals) {
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, static_cast<double>(value));
    return std::string(buffer.data());
  };
  // From 2^24 on every single is a whole number: its exact digits are as short as any.
  if (std::fabs(value) >= 16777216.0F) return print(0);
  // The printed decimals are the nearest to the value (halves to even); the fewest that read
  // back give the shortest text.
  for (int decimals = 0; decimals < 60; ++decimals) {
    std::string text = print(decimals);
    if (std::strtof(text.c_str(), nullptr) == value) return text;
  }
  return print(60);
}

}  // namespace fm
