#include <gtest/gtest.h>

#include <limits>

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

TEST(SimNumbers, RandomDrawsStayBelowOneInSinglePrecision) {
  EXPECT_EQ(randomDraw("0"), 0.0F);
  EXPECT_EQ(randomDraw("0.25"), 0.25F);
  EXPECT_EQ(randomDraw("1e-3"), 0.001F);
  // The largest single below 1 is accepted; a value that only rounds to it from above is not.
  EXPECT_EQ(randomDraw("0.99999994"), 0.99999994F);
  for (const std::string_view bad :
       {"1", "0.99999999", "-0.1", "2", "nan", "inf", "", "0.5x", "+0.5", "1e-60"}) {
    EXPECT_THROW((void)randomDraw(bad), CommandError) << '"' << bad << '"';
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
