// The portable decimal conversions give what the standard library's to_chars and from_chars
// give where it has them, here on the desktop, so the web build reads and writes numbers alike.

#include "app/model/decimal.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace fm {
namespace {

std::string toCharsFixed(float value) {
  std::array<char, 128> buffer{};
  const auto end =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed)
          .ptr;
  return {buffer.data(), end};
}

TEST(Decimal, ShortestFixedIsWhatToCharsWrites) {
  std::vector<float> values = {1560.0F,
                               1592.5F,
                               -0.25F,
                               1.0F / 3.0F,
                               0.1F,
                               16777215.0F,
                               16777216.0F,
                               1e20F,
                               -3.4028235e38F,
                               1.4e-45F,
                               1.17549435e-38F,
                               4680.0F - 80.0F * 0.3F,
                               999999.94F,
                               0.5F,
                               2.5F,
                               1e-7F};
  // Every exponent, with random significands and signs.
  std::mt19937 random(20241225U);
  for (int i = 0; i < 20000; ++i) {
    const auto bits = static_cast<std::uint32_t>(random());
    const auto value = std::bit_cast<float>(bits);
    if (std::isfinite(value) && value != 0) values.push_back(value);
  }
  for (const float value : values) EXPECT_EQ(shortestFixed(value), toCharsFixed(value)) << value;
}

TEST(Decimal, ReadingTakesWhatFromCharsTakes) {
  const std::vector<std::string> texts = {"556",
                                          "-7",
                                          "2.5",
                                          "12a",
                                          "",
                                          "-",
                                          ".",
                                          ".5",
                                          "5.",
                                          "-.5e",
                                          "1e+",
                                          "1e-3x",
                                          "0x10",
                                          "+7",
                                          " 1",
                                          "1e-40",
                                          "1e-45",
                                          "1e-46",
                                          "-1e-50",
                                          "3.4028235e38",
                                          "3.4028236e38",
                                          "1e39",
                                          "1e-310",
                                          "1e-320",
                                          "1e-330",
                                          "1e309",
                                          "0e-999",
                                          "0.000",
                                          "inf",
                                          "-Infinity",
                                          "infinit",
                                          "NaN",
                                          "nan(abc)",
                                          "nan(",
                                          "1.5.5",
                                          "0.1",
                                          "16777217",
                                          "9007199254740993",
                                          "1e0005",
                                          "123456789012345678901234567890",
                                          "2.4999999999999999999",
                                          "死"};
  for (const std::string& text : texts) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    double expectedDouble = 0;
    float expectedFloat = 0;
    const auto fromDouble = std::from_chars(begin, end, expectedDouble);
    const auto fromFloat = std::from_chars(begin, end, expectedFloat);
    const DecimalRead<double> readD = readDouble(text);
    const DecimalRead<float> readF = readFloat(text);
    EXPECT_EQ(readD.length, static_cast<std::size_t>(fromDouble.ptr - begin)) << text;
    EXPECT_EQ(readF.length, static_cast<std::size_t>(fromFloat.ptr - begin)) << text;
    EXPECT_EQ(readD.outOfRange, fromDouble.ec == std::errc::result_out_of_range) << text;
    EXPECT_EQ(readF.outOfRange, fromFloat.ec == std::errc::result_out_of_range) << text;
    if (fromDouble.ec == std::errc{} && !std::isnan(expectedDouble)) {
      EXPECT_EQ(readD.value, expectedDouble) << text;
    }
    if (fromFloat.ec == std::errc{} && !std::isnan(expectedFloat)) {
      EXPECT_EQ(readF.value, expectedFloat) << text;
    }
  }
}

// Qt starts the program in the user's locale: one that writes a decimal comma must change
// neither what the conversions read nor what they write.
TEST(Decimal, TheLocaleDoesNotChangeTheDecimalPoint) {
  ASSERT_EQ(setenv("LOCPATH", MINIGAMES_TEST_LOCALES, 1), 0);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(readFloat("0.7").value, 0.7F);
  EXPECT_EQ(readFloat("0.7").length, 3U);
  EXPECT_EQ(readDouble("1592.5e1").value, 15925.0);
  EXPECT_EQ(shortestFixed(-0.25F), "-0.25");
  EXPECT_EQ(shortestFixed(1592.5F), "1592.5");
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace fm
