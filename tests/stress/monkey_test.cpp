// The seeded monkey over the whole collection: many lives of random play from fixed seeds,
// every rule checked after every event.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>

#include "tests/support/monkey_lives.h"
#include "tests/support/session.h"
#include "tools/sim/dump.h"
#include "tools/sim/run_collection.h"

namespace fm::testing {
namespace {

// Events per seed: 500 in every test run. The long runs of the soak preset set
// MINIGAMES_MONKEY_EVENTS: 25,000 a seed (200,000 in all) and 1,250,000 a seed.
std::uint64_t eventsPerSeed() {
  const char* events = std::getenv("MINIGAMES_MONKEY_EVENTS");
  return events != nullptr ? std::strtoull(events, nullptr, 10) : 500;
}
// From this many events a seed on, every game reaches every one of its endings.
constexpr std::uint64_t kLongRun = 25'000;

class MonkeySeeds : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(MonkeySeeds, BreakNoRuleAndOnALongRunReachEveryEnding) {
  const MonkeyLives lives = playLives(GetParam(), eventsPerSeed());
  ASSERT_FALSE(lives.fault) << *lives.fault;
  EXPECT_GE(lives.events, eventsPerSeed());
  if (eventsPerSeed() < kLongRun) return;
  EXPECT_GT(lives.lives, 1U) << "the program was ended and started again";
  // Every ending of every game, as the monkey names them.
  for (const char* ending :
       {"Form1 won", "Form1 lost", "Form2 won", "Form2 lost", "Form3 won", "Form3 rematch won",
        "Form3 lost", "Form5 rescued", "Form5 captor returned", "Form5 rescue failed",
        "Form5 true ending", "Form5 caught"}) {
    EXPECT_TRUE(lives.endings.contains(ending)) << "never reached: " << ending;
  }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, MonkeySeeds, ::testing::Range<std::uint64_t>(1, 9));

// What the scenario runner prints for `monkey SEED EVENTS` and a `dump` of every window after
// it, and where the virtual clock stands then.
std::pair<std::string, std::int64_t> playedOut(std::uint64_t seed, std::uint64_t events) {
  Session session;
  sim::MonkeyResult result;
  {
    sim::Monkey monkey(session.program, session.host, seed);
    result = monkey.play(events);
  }
  std::string printed = "monkey " + std::to_string(result.events) + " events\n";
  for (const auto& window : session.program.windows()) printed += sim::dumpWindow(*window) + "\n";
  return {printed, session.host.now()};
}

TEST(Monkey, ASeedReplaysExactlyAlsoInTheScenarioRunner) {
  const auto played = playedOut(42, 300);
  EXPECT_EQ(playedOut(42, 300), played);
  EXPECT_NE(playedOut(43, 300), played);

  // The windows in the order the collection adds them, as playedOut dumps them.
  std::istringstream in(
      "monkey 42 300\ndump Form4\ndump Form1\ndump Form2\ndump Form3\ndump Form5\n"
      "monkey 42 -1\n");
  std::ostringstream out;
  EXPECT_EQ(sim::runCollection(in, out), 1);
  EXPECT_EQ(out.str(), played.first +
                           "error: bad number \"-1\" (expected a whole number from 0 "
                           "to 100000000)\n");
}

TEST(Monkey, StopsAtTheFirstBrokenRuleWithItsEvent) {
  Session session;
  session.click("Form4", "Command4");
  session.form("Form5").widget("Label2").setCaption("-1");
  sim::Monkey monkey(session.program, session.host, 7);
  const sim::MonkeyResult result = monkey.play(100);
  EXPECT_EQ(result.events, 1U);
  EXPECT_EQ(result.fault, "after event 1: Form5.Label2 shows \"-1\", not a count from 0 to 100");
}

}  // namespace
}  // namespace fm::testing
