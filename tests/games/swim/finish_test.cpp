// The finish check, the verdict, strokes after the finish and the return to the menu.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/games/swim/race.h"

namespace fm::testing {
namespace {

void expectBackAtTheMenu(Session& session) {
  EXPECT_FALSE(session.form("Form1").loaded());
  EXPECT_FALSE(session.form("Form1").visible());
  EXPECT_TRUE(session.form("Form4").visible());
  EXPECT_FALSE(session.program.ended());
}

TEST(SwimRace, APerfectPlayerFinishesOnTheFortySecondStroke) {
  Session session;
  Race race(session);
  race.queueComputerStrokes(150, 0.0F);  // 30 twips a stroke: far behind
  race.start();
  PerfectPlayer player;
  player.play(race);

  ASSERT_EQ(player.strokes.size(), 42U);
  for (const auto& stroke : player.strokes) EXPECT_EQ(stroke.word, "Perfect");
  // Right at the 18th tick, then left 36 ticks later, then every 38 and 36 ticks in turn.
  EXPECT_EQ(player.strokes[0].tick, 18);
  EXPECT_EQ(player.strokes[1].tick, 54);
  EXPECT_EQ(player.strokes[2].tick, 92);
  EXPECT_EQ(player.strokes[3].tick, 128);
  EXPECT_EQ(player.strokes[40].star, 6480) << "exactly on the line is not a finish";
  EXPECT_EQ(player.strokes[41].tick, 1534);
  EXPECT_EQ(player.strokes[41].star, 6600);

  EXPECT_EQ(race.verdict(), "win");
  EXPECT_FALSE(race.shown("Image3"));
  EXPECT_TRUE(race.shown("Image2"));
  EXPECT_EQ(race.computer(), 1560 + 141 * 30);
  EXPECT_FALSE(race.running("Timer2"));
  EXPECT_FALSE(race.running("tenuriswim"));
  EXPECT_EQ(race.marker(), 1800) << "the marker stops where the last stroke caught it";

  // The finish check right after the last stroke, at 3000 + 1534 × 30 + 1 ms.
  constexpr std::int64_t finish = 49021;
  race.waitUntil(finish + 4999);
  EXPECT_TRUE(race.window().visible());
  EXPECT_EQ(race.verdict(), "win");
  race.wait(1);
  expectBackAtTheMenu(session);
}

TEST(SwimRace, TheComputerPastTheLineWinsAndTheMenuComesBackFiveSecondsLater) {
  Session session;
  Race race(session);
  race.queueComputerStrokes(170, 0.0F);
  race.start(0);  // 177 ms a stroke

  // 164 strokes of 30 put the computer exactly on the line, which is not a finish.
  race.wait(std::int64_t{164} * 177);
  ASSERT_EQ(race.computer(), 6480);
  race.wait(176);
  EXPECT_EQ(race.verdict(), "none");
  EXPECT_TRUE(race.running("Timer2"));

  race.wait(2);  // the 165th stroke, and the check after it
  const std::int64_t finish = session.host.now();
  EXPECT_EQ(race.computer(), 6510);
  EXPECT_EQ(race.verdict(), "lose");
  EXPECT_FALSE(race.shown("Image2"));
  EXPECT_TRUE(race.shown("Image3"));
  EXPECT_TRUE(race.running("owaritimer"));

  const float marker = race.marker();
  race.wait(1000);
  EXPECT_EQ(race.marker(), marker);
  EXPECT_EQ(race.computer(), 6510);

  race.waitUntil(finish + 4999);
  EXPECT_TRUE(race.window().loaded());
  race.wait(1);
  expectBackAtTheMenu(session);

  // Opened again, it starts from its layout, pace included.
  race.open();
  EXPECT_EQ(race.verdict(), "none");
  EXPECT_TRUE(race.shown("Image2"));
  EXPECT_EQ(race.computer(), 1560);
  EXPECT_EQ(race.widget("tenuriswim").interval(), 325);
  EXPECT_TRUE(race.widget("Option1", 1).value());
  EXPECT_EQ(race.window().activeControl(), &race.widget("Command3"));
  EXPECT_FALSE(race.running("owaritimer"));
  EXPECT_EQ(race.widget("sorunehosi").top(), 720);
  EXPECT_EQ(race.variable("direction"), 1);
  EXPECT_EQ(race.variable("countdown"), 0);
}

TEST(SwimRace, AStrokeAfterTheFinishThatOvertakesShowsOnlyTheWin) {
  Session session;
  Race race(session);
  // 34.995 twips a stroke: the 141st, at 48825 ms, crosses the line while the player, on the
  // line after 41 Perfects, is on the way to the left end with the keys armed.
  race.queueComputerStrokes(150, 0.999F);
  race.start();
  PerfectPlayer player;
  player.play(race);

  ASSERT_EQ(player.strokes.size(), 41U);
  ASSERT_EQ(race.player(), 6480);
  ASSERT_GT(race.computer(), 6490);
  ASSERT_LT(race.computer(), 6500);
  EXPECT_EQ(race.verdict(), "lose");
  EXPECT_FALSE(race.shown("Image2"));
  EXPECT_EQ(race.marker(), 2360);
  EXPECT_EQ(race.variable("armed"), 1);

  race.key(kLeftArrow);  // seven steps from the left end
  EXPECT_EQ(race.word(), "Bad");
  EXPECT_EQ(race.player(), 6500);
  race.wait(1);
  EXPECT_EQ(race.verdict(), "win");
  EXPECT_TRUE(race.shown("Image2"));
  EXPECT_FALSE(race.shown("Image3"));

  race.key(kLeftArrow);
  EXPECT_EQ(race.player(), 6500) << "one stroke per sweep, also after the finish";

  // The checks after the first one do not put off the return to the menu.
  constexpr std::int64_t finish = 48826;
  race.waitUntil(finish + 4999);
  EXPECT_TRUE(race.window().loaded());
  race.wait(1);
  expectBackAtTheMenu(session);
}

TEST(SwimRace, AMenuClosedDuringTheRaceComesBackAtTheEnd) {
  Session session;
  Race race(session);
  race.start();
  session.close("Form4");
  ASSERT_FALSE(session.form("Form4").loaded());

  race.placeStar("tenurihosi", 6500);
  race.wait(1);
  ASSERT_EQ(race.verdict(), "lose");
  race.wait(4999);
  EXPECT_TRUE(race.window().visible());
  EXPECT_FALSE(session.program.ended());
  race.wait(1);
  expectBackAtTheMenu(session);
  EXPECT_FALSE(session.program.nextDue().has_value());
}

struct Standing {
  float player;
  float computer;
  const char* verdict;
};

void PrintTo(const Standing& standing, std::ostream* out) {
  *out << "player " << standing.player << ", computer " << standing.computer;
}

class SwimFinishCheck : public ::testing::TestWithParam<Standing> {};

TEST_P(SwimFinishCheck, ComparesThePositionsOnceAStarIsBeyondTheLine) {
  const Standing& standing = GetParam();
  Session session;
  Race race(session);
  race.start();
  race.placeStar("sorunehosi", standing.player);
  race.placeStar("tenurihosi", standing.computer);
  race.wait(1);

  const std::string verdict = standing.verdict;
  EXPECT_EQ(race.verdict(), verdict);
  EXPECT_EQ(race.shown("Image2"), verdict != "lose");
  EXPECT_EQ(race.shown("Image3"), verdict != "win");
  EXPECT_EQ(race.running("Timer2"), verdict == "none");
  EXPECT_EQ(race.running("tenuriswim"), verdict == "none");
  EXPECT_EQ(race.running("owaritimer"), verdict != "none");
}

INSTANTIATE_TEST_SUITE_P(
    Standings, SwimFinishCheck,
    ::testing::Values(Standing{6480, 1560, "none"}, Standing{1560, 6480, "none"},
                      Standing{6480, 6480, "none"}, Standing{6480.25F, 1560, "win"},
                      Standing{1560, 6480.25F, "lose"}, Standing{6600, 6500, "win"},
                      Standing{6500, 6600, "lose"},
                      Standing{6500, 6500, "lose"},  // a tie is a loss
                      Standing{6480, 6480.5F, "lose"}));

TEST(SwimAfterTheFinish, EveryCheckShowsExactlyTheVerdictOfTheCurrentOrder) {
  Session session;
  Race race(session);
  race.start();
  race.placeStar("sorunehosi", 6600);
  race.wait(1);
  ASSERT_EQ(race.verdict(), "win");

  race.placeStar("tenurihosi", 6700);
  race.wait(1);
  EXPECT_EQ(race.verdict(), "lose");
  EXPECT_FALSE(race.shown("Image2"));
  EXPECT_TRUE(race.shown("Image3"));

  race.placeStar("sorunehosi", 6800);
  race.wait(1);
  EXPECT_EQ(race.verdict(), "win");
  EXPECT_TRUE(race.shown("Image2"));
  EXPECT_FALSE(race.shown("Image3"));
}

TEST(SwimAfterTheFinish, APoorAfterTheFinishShowsTheCrossForASecondButNeverRestartsTheMarker) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker();
  race.placeStar("tenurihosi", 6500);
  race.wait(1);
  ASSERT_EQ(race.verdict(), "lose");
  ASSERT_EQ(race.variable("armed"), 1);

  race.key(kRightArrow);
  EXPECT_EQ(race.word(), "Poor");
  EXPECT_TRUE(race.shown("Image6"));
  race.wait(999);
  EXPECT_TRUE(race.shown("Image6"));
  race.wait(1);
  EXPECT_FALSE(race.shown("Image6"));
  EXPECT_FALSE(race.running("Timer3"));
  race.wait(1);
  EXPECT_FALSE(race.running("Timer2"));
  race.wait(500);
  EXPECT_EQ(race.marker(), 3320);
  EXPECT_EQ(race.verdict(), "lose");
}

TEST(SwimAfterTheFinish, APenaltyRunningAtTheFinishEndsOnTime) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker();
  race.key(kRightArrow);
  ASSERT_TRUE(race.shown("Image6"));
  race.wait(500);
  race.placeStar("tenurihosi", 6500);
  race.wait(1);
  ASSERT_EQ(race.verdict(), "lose");

  race.wait(498);
  EXPECT_TRUE(race.shown("Image6"));
  race.wait(1);
  EXPECT_FALSE(race.shown("Image6"));
  race.wait(100);
  EXPECT_FALSE(race.running("Timer2"));
  EXPECT_EQ(race.marker(), 3320);
}

}  // namespace
}  // namespace fm::testing
