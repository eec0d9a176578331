#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/tools/sim/scenario.h"
#include "tests/support/test_windows.h"

namespace fm::testing {
namespace {

// Random lines built from the protocol's words, near misses and stray bytes must only ever
// produce values or error lines: no exception, no crash (run it under the sanitizers too).
TEST(SimRobustness, RandomLinesNeverBreakTheRunner) {
  const std::vector<std::string> words{"click",
                                       "key",
                                       "close",
                                       "wait",
                                       "rnd",
                                       "msgbox-delay",
                                       "get",
                                       "dump",
                                       "echo",
                                       "#",
                                       "Shapes",
                                       "Boxes",
                                       "Form4",
                                       "Shapes.Command1",
                                       "Shapes.Image1(0)",
                                       "Shapes.Image1(1).Picture",
                                       "Shapes.cells(2)",
                                       "Shapes.cells(-2147483648)",
                                       "Shapes.Label1(2147483647).Caption",
                                       "Boxes.Image1",
                                       "Shapes.Option1(1)",
                                       "Shapes..",
                                       "Shapes.(",
                                       ")",
                                       "(",
                                       ".",
                                       "0",
                                       "1",
                                       "13",
                                       "32",
                                       "-1",
                                       "0.5",
                                       "0.99999999",
                                       "1e309",
                                       "-0",
                                       "nan",
                                       "250",
                                       "12x",
                                       "99999999999999999999",
                                       "-9223372036854775808",
                                       "",
                                       "ソルネ",
                                       "\t",
                                       "\r",
                                       std::string("\0x", 2),
                                       "\xff\xfe"};
  std::mt19937 generator(12345);
  std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
  std::uniform_int_distribution<int> length(0, 4);
  std::uniform_int_distribution<int> byte(0, 255);

  Scenario scenario(addShapesAndBoxes, "Shapes");
  for (int round = 0; round < 3000; ++round) {
    std::string line;
    const int count = length(generator);
    for (int i = 0; i < count; ++i) {
      line += words[pick(generator)];
      line += ' ';
    }
    if (round % 7 == 0) line += static_cast<char>(byte(generator));
    std::vector<std::string> printed;
    ASSERT_NO_THROW(printed = scenario.run(line)) << line;
  }
  // Whatever happened, the runner still answers.
  EXPECT_EQ(scenario.run("echo alive").back(), "alive");
}

}  // namespace
}  // namespace fm::testing
