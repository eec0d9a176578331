#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "tests/app/model/test_window.h"

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
  TestWindow& window = program.add<TestWindow>("Test");
  TestWindow& other = program.add<TestWindow>("Other");
};

}  // namespace fm::testing
