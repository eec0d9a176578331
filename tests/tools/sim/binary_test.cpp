#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  int status = -1;
  std::string output;
};

// Runs the real minigames-sim with `scenario` on standard input.
Outcome runSimulator(const std::string& scenario, const std::string& name) {
  const std::string directory = ::testing::TempDir();
  const std::string input = directory + name + ".in";
  const std::string output = directory + name + ".out";
  std::ofstream(input, std::ios::binary) << scenario;
  const std::string command = "'" MINIGAMES_SIM_PATH "' < '" + input + "' > '" + output + "'";
  const int raw = std::system(command.c_str());
  Outcome outcome;
  if (raw != -1 && WIFEXITED(raw)) outcome.status = WEXITSTATUS(raw);
  std::ostringstream text;
  text << std::ifstream(output, std::ios::binary).rdbuf();
  outcome.output = text.str();
  return outcome;
}

TEST(SimBinary, RunsAMenuSessionFromStandardInput) {
  const Outcome clean = runSimulator(
      "# open the race, read its caption, close everything\r\n"
      "click Form4.Command1\r\n"
      "get Form1.Loaded\r\n"
      "get Form1.Caption\r\n"
      "close Form1\r\n"
      "echo menu left\r\n"
      "close Form4\r\n",
      "clean");
  EXPECT_EQ(clean.output, "true\n水泳勝負\nmenu left\nended\n");
  EXPECT_EQ(clean.status, 0);
}

TEST(SimBinary, ExitsWithOneWhenACommandFailed) {
  const Outcome failed =
      runSimulator("get Form9.Caption\necho after\nclose Form4\nwait 1", "failed");
  EXPECT_EQ(failed.output,
            "error: unknown window Form9\nafter\nended\nerror: the program has ended\n");
  EXPECT_EQ(failed.status, 1);
}

}  // namespace
