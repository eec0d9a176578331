#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "tests/support/test_windows.h"

namespace fm::testing {

// A program of two test windows on a virtual clock, the first one open.
class ModelTest : public ::testing::Test {
 protected:
  ModelTest() { program.start(window); }

  // Records the virtual time of every call.
  std::function<void()> recordInto(std::vector<std::int64_t>& times) {
    return [this, &times] { times.push_back(host.now()); };
  }

  Program program;
  HeadlessHost host{program};
  HookWindow& window = program.add<HookWindow>("Test");
  HookWindow& other = program.add<HookWindow>("Other");
};

}  // namespace fm::testing
