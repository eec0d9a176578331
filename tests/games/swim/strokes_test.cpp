// The timing marker, the grading of strokes, the Poor penalty and the computer swimmer.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/games/swim/race.h"

namespace fm::testing {
namespace {

TEST(SwimMarker, SweepsOneStepPerTickAndRestsAtEachEnd) {
  Session session;
  Race race(session);
  race.start();

  race.stepMarker();
  EXPECT_EQ(race.marker(), 3320);
  EXPECT_EQ(race.variable("armed"), 1) << "the first tick begins at the centre";
  race.stepMarker(17);
  EXPECT_EQ(race.marker(), 4680);
  EXPECT_EQ(race.variable("direction"), 2);
  race.stepMarker();
  EXPECT_EQ(race.marker(), 4600);
  race.stepMarker(35);
  EXPECT_EQ(race.marker(), 1800);
  EXPECT_EQ(race.variable("direction"), 1);
  race.stepMarker();
  EXPECT_EQ(race.marker(), 1880) << "without a stroke the marker turns at the end";
  EXPECT_EQ(race.player(), 1560);
}

struct StrokeCase {
  int ticks;  // marker steps from the start of the race
  std::int16_t key;
  const char* word;
  int grade;
  float advance;
};

void PrintTo(const StrokeCase& stroke, std::ostream* out) {
  *out << "key " << stroke.key << " after " << stroke.ticks << " marker steps";
}

class SwimGrade : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(SwimGrade, TheDistanceFromTheKeysEndGivesWordAndAdvance) {
  const StrokeCase& stroke = GetParam();
  Session session;
  Race race(session);
  race.start();
  race.stepMarker(stroke.ticks);
  race.key(stroke.key);

  EXPECT_EQ(race.word(), stroke.word);
  EXPECT_EQ(race.variable("grade"), stroke.grade);
  EXPECT_EQ(race.player(), 1560 + stroke.advance);
  EXPECT_EQ(race.variable("armed"), 0);
  EXPECT_EQ(race.variable("direction"), 2);
  EXPECT_EQ(race.shown("Image6"), stroke.grade == 6);
}

INSTANTIATE_TEST_SUITE_P(
    RightEnd, SwimGrade,
    ::testing::Values(StrokeCase{18, kRightArrow, "Perfect", 0, 120},  // at 4680
                      StrokeCase{17, kRightArrow, "Great", 1, 100},    // 4600 on the way in
                      StrokeCase{19, kRightArrow, "Great", 1, 100},    // 4600 on the way back
                      StrokeCase{16, kRightArrow, "Good3", 2, 80},
                      StrokeCase{15, kRightArrow, "Good2", 3, 60},
                      StrokeCase{14, kRightArrow, "Good1", 4, 40},
                      StrokeCase{13, kRightArrow, "Bad", 5, 20},    // five steps
                      StrokeCase{11, kRightArrow, "Bad", 5, 20},    // seven steps
                      StrokeCase{10, kRightArrow, "Poor", 6, 0}));  // eight steps

INSTANTIATE_TEST_SUITE_P(LeftEnd, SwimGrade,
                         ::testing::Values(StrokeCase{54, kLeftArrow, "Perfect", 0,
                                                      120},  // at 1800
                                           StrokeCase{53, kLeftArrow, "Great", 1, 100},
                                           StrokeCase{49, kLeftArrow, "Bad", 5, 20},
                                           StrokeCase{46, kLeftArrow, "Poor", 6, 0},
                                           // Each key measures from its own end only.
                                           StrokeCase{18, kLeftArrow, "Poor", 6, 0},     // at 4680
                                           StrokeCase{54, kRightArrow, "Poor", 6, 0}));  // at 1800

TEST(SwimStroke, APerfectAtTheLeftEndDipsPastItBeforeComingBack) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker(54);
  race.key(kLeftArrow);
  ASSERT_EQ(race.word(), "Perfect");

  race.stepMarker();
  EXPECT_EQ(race.marker(), 1720);
  EXPECT_EQ(race.variable("direction"), 1);
  race.key(kLeftArrow);  // locked: not back at the centre yet
  EXPECT_EQ(race.player(), 1680);
  race.stepMarker();
  EXPECT_EQ(race.marker(), 1800);
  race.stepMarker();
  EXPECT_EQ(race.marker(), 1880);
}

TEST(SwimStroke, AnEarlyRightStrokeTurnsTheMarkerBackAtOnce) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker(16);
  race.key(kRightArrow);
  race.stepMarker();
  EXPECT_EQ(race.marker(), 4440);
}

TEST(SwimStroke, KeysStayLockedUntilATickBeginsAtTheCentre) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker(18);
  race.key(kRightArrow);
  ASSERT_EQ(race.player(), 1680);

  // The repeats of a held key, all the way back to the centre, are ignored.
  for (int tick = 0; tick < 18; ++tick) {
    race.key(kRightArrow);
    race.key(kLeftArrow);
    race.stepMarker();
  }
  ASSERT_EQ(race.marker(), 3240);
  EXPECT_EQ(race.variable("armed"), 0) << "the tick that reached the centre began elsewhere";
  race.key(kLeftArrow);
  EXPECT_EQ(race.player(), 1680);
  EXPECT_EQ(race.word(), "Perfect");
  EXPECT_EQ(race.variable("grade"), 0);

  race.stepMarker();
  EXPECT_EQ(race.variable("armed"), 1);
  race.stepMarker(16);
  race.key(kLeftArrow);
  EXPECT_EQ(race.word(), "Great");
  EXPECT_EQ(race.player(), 1780);
}

TEST(SwimStroke, OtherKeysLeaveTheStrokeArmed) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker(18);
  for (const int other : {38, 40, 32, 13, 65, 27}) race.key(static_cast<std::int16_t>(other));
  EXPECT_EQ(race.variable("armed"), 1);
  EXPECT_EQ(race.player(), 1560);
  race.key(kRightArrow, 1);  // with Shift held: still a stroke
  EXPECT_EQ(race.player(), 1680);
}

TEST(SwimPenalty, APoorFreezesTheMarkerForOneSecondWhileTheComputerSwimsOn) {
  Session session;
  Race race(session);
  race.start();
  race.stepMarker(10);
  ASSERT_EQ(race.marker(), 4040);
  race.key(kRightArrow);

  EXPECT_EQ(race.word(), "Poor");
  EXPECT_EQ(race.player(), 1560);
  EXPECT_TRUE(race.shown("Image6"));
  EXPECT_FALSE(race.running("Timer2"));
  EXPECT_TRUE(race.running("Timer3"));

  const float computerBefore = race.computer();
  race.wait(999);
  EXPECT_EQ(race.marker(), 4040);
  EXPECT_TRUE(race.shown("Image6"));
  EXPECT_GE(race.computer() - computerBefore, 3 * 30) << "three computer strokes in the second";

  race.wait(1);
  EXPECT_FALSE(race.shown("Image6"));
  EXPECT_FALSE(race.running("Timer3"));
  EXPECT_TRUE(race.running("Timer2"));
  EXPECT_EQ(race.marker(), 4040);
  race.stepMarker();
  EXPECT_EQ(race.marker(), 3960) << "the marker moves on to the left";
  EXPECT_EQ(race.word(), "Poor") << "the word stays until the next stroke";

  // Still locked until a tick begins at the centre.
  race.stepMarker(9);
  ASSERT_EQ(race.marker(), 3240);
  EXPECT_EQ(race.variable("armed"), 0);
  race.stepMarker();
  EXPECT_EQ(race.variable("armed"), 1);
  race.wait(5000);
  EXPECT_FALSE(race.running("Timer3")) << "a single penalty tick";
}

TEST(SwimComputer, EveryStrokeAdvancesAtLeast30AndLessThan35) {
  Session session;
  Race race(session);
  race.start();

  // The first draw of each stroke is thrown away; positions keep their fractions.
  session.queueDraws({0.9F, 0.0F, 0.0F, 0.5F, 0.0F, 0.999F});
  race.wait(325);
  EXPECT_EQ(race.computer(), 1590);
  race.wait(325);
  EXPECT_EQ(race.computer(), 1622.5F);
  race.wait(325);
  EXPECT_GT(race.computer(), 1657.49F);
  EXPECT_LT(race.computer(), 1657.5F);

  // The shared generator's own draws, with a penalty in between.
  race.key(kLeftArrow);
  ASSERT_TRUE(race.shown("Image6"));
  for (int stroke = 0; stroke < 60; ++stroke) {
    const float before = race.computer();
    race.wait(325);
    const float advance = race.computer() - before;
    EXPECT_GE(advance, 30) << "stroke " << stroke;
    EXPECT_LT(advance, 35) << "stroke " << stroke;
  }
}

}  // namespace
}  // namespace fm::testing
