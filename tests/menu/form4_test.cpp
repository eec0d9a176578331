#include <gtest/gtest.h>

#include "tests/support/session.h"

namespace fm {
namespace {

TEST(Menu, StartsAlone) {
  testing::Session session;
  EXPECT_TRUE(session.form("Form4").visible());
}

}  // namespace
}  // namespace fm
