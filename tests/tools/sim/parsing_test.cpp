#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "tools/sim/address.h"
#include "tools/sim/command_error.h"
#include "tools/sim/numbers.h"

namespace fm::sim {
namespace {

TEST(SimNumbers, WholeNumbersAreStrictlyDecimal) {
  EXPECT_EQ(parseWhole("1560"), 1560);
  EXPECT_EQ(parseWhole("-2147483641"), -2147483641);
  EXPECT_EQ(parseWhole("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  for (const std::string_view junk :
       {"", "12x", "x12", "+3", " 4", "4 ", "1.5", "1e3", "0x10", "-", "9223372036854775808"}) {
    EXPECT_FALSE(parseWhole(junk)) << '"' << junk << '"';
  }
}

TEST(SimNumbers, SinglesTooSmallRoundToZeroTooLargeAreRefused) {
  struct Case {
    std::string text;
    std::optional<float> value;
  };
  const float smallest = std::numeric_limits<float>::denorm_min();
  const Case cases[] = {
      {"1e-45", smallest},
      {"7.1e-46", smallest},  // just above half the smallest: rounds up to it
      {"7e-46", 0.0F},
      {"1e-46", 0.0F},
      {"-1e-46", -0.0F},
      {"100000e-51", 0.0F},
      {"1e-99999999999999999999", 0.0F},
      {"0." + std::string(5000, '0') + "1", 0.0F},
      {"3.4028235e38", std::numeric_limits<float>::max()},
      {"3.4028236e38", std::nullopt},
      {"1e39", std::nullopt},
      {"-1e39", std::nullopt},
      {"0.00001e44", std::nullopt},
      {"1e+99999999999999999999", std::nullopt},
      {"1" + std::string(5000, '0'), std::nullopt},
      {"1e-46x", std::nullopt},
  };
  for (const Case& number : cases) {
    const auto value = parseSingle(number.text);
    ASSERT_EQ(value.has_value(), number.value.has_value()) << number.text.substr(0, 30);
    if (!value) continue;
    EXPECT_EQ(*value, *number.value) << number.text.substr(0, 30);
    EXPECT_EQ(std::signbit(*value), std::signbit(*number.value)) << number.text.substr(0, 30);
  }
}

TEST(SimNumbers, RandomDrawsStayBelowOneInSinglePrecision) {
  EXPECT_EQ(randomDraw("0"), 0.0F);
  EXPECT_EQ(randomDraw("0.25"), 0.25F);
  EXPECT_EQ(randomDraw("1e-3"), 0.001F);
  EXPECT_EQ(randomDraw("1e-60"), 0.0F);
  EXPECT_EQ(randomDraw("-1e-46"), 0.0F);
  // The largest single below 1 is accepted; a value that only rounds to it from above is not.
  EXPECT_EQ(randomDraw("0.99999994"), 0.99999994F);
  for (const std::string_view bad :
       {"1", "0.99999999", "-0.1", "2", "nan", "inf", "", "0.5x", "+0.5", "1e39"}) {
    try {
      (void)randomDraw(bad);
      ADD_FAILURE() << "accepted \"" << bad << '"';
    } catch (const CommandError& error) {
      EXPECT_EQ(error.what(), "bad number \"" + std::string(bad) +
                                  "\" (expected a value from 0 up to but not including 1)");
    }
  }
}

TEST(SimAddresses, RejectMalformedText) {
  for (const std::string_view bad :
       {"", ".", ".Caption", "Form4.", "Form4..Caption", "Form4.Label1(0", "Form4.(1)",
        "Form4.Label1(0).", "Form4.Label1(0).Caption.Size", "Form4.Label1(0)(1)",
        "Form4.Command1.Caption(1)", "Form4.Label1)(0)"}) {
    try {
      (void)parseAddress(bad);
      ADD_FAILURE() << "accepted \"" << bad << '"';
    } catch (const CommandError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("bad address", 0), 0U) << error.what();
    }
  }
  for (const std::string_view badIndex :
       {"Form4.Label1()", "Form4.Label1(x)", "Form4.Label1(1.5)", "Form4.Label1(99999999999)"}) {
    try {
      (void)parseAddress(badIndex);
      ADD_FAILURE() << "accepted \"" << badIndex << '"';
    } catch (const CommandError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("bad number", 0), 0U) << error.what();
    }
  }
}

}  // namespace
}  // namespace fm::sim
