#include "app/model/conversions.h"

#include <gtest/gtest.h>

#include <limits>

namespace fm {
namespace {

TEST(Conversions, IntIsTheFloor) {
  EXPECT_EQ(Int(2.9), 2);
  EXPECT_EQ(Int(-0.5), -1);
  EXPECT_EQ(Int(-2.0), -2);
  EXPECT_EQ(Int(0.0), 0);
}

TEST(Conversions, AssignmentRoundsHalvesToEven) {
  EXPECT_EQ(toInteger(2.5), 2);
  EXPECT_EQ(toInteger(3.5), 4);
  EXPECT_EQ(toInteger(-2.5), -2);
  EXPECT_EQ(toInteger(-3.5), -4);
  EXPECT_EQ(toInteger(0.5), 0);
  EXPECT_EQ(toInteger(2.4999), 2);
  EXPECT_EQ(toInteger(2.5001), 3);
  EXPECT_EQ(toLong(1234567.5), 1234568);
  EXPECT_EQ(toLong(-1234566.5), -1234566);
}

TEST(Conversions, AssignmentSaturatesOutsideTheRange) {
  EXPECT_EQ(toInteger(40000.0), 32767);
  EXPECT_EQ(toInteger(-40000.0), -32768);
  EXPECT_EQ(toInteger(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(toLong(1e12), std::numeric_limits<std::int32_t>::max());
}

TEST(Conversions, NumbersToText) {
  EXPECT_EQ(Str(std::int64_t{556}), "556");
  EXPECT_EQ(Str(std::int64_t{-3}), "-3");
  EXPECT_EQ(Str(std::int64_t{0}), "0");
  EXPECT_EQ(Str(1560.0F), "1560");
  EXPECT_EQ(Str(1592.5F), "1592.5");
  EXPECT_EQ(Str(-0.25F), "-0.25");
  EXPECT_EQ(Str(-0.0F), "0");
  // The shortest text that reads back to the same single-precision value.
  const float third = 1.0F / 3.0F;
  EXPECT_EQ(static_cast<float>(Val(Str(third))), third);
  const float position = 1560.0F + 0.1F * 5.0F + 30.0F;
  EXPECT_EQ(static_cast<float>(Val(Str(position))), position);
}

TEST(Conversions, TextToNumbers) {
  EXPECT_EQ(Val("556"), 556);
  EXPECT_EQ(Val(" 12"), 12);
  EXPECT_EQ(Val("-7"), -7);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val("2.5"), 2.5);
  EXPECT_EQ(Val("12a"), 12);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("死"), 0);
}

}  // namespace
}  // namespace fm
