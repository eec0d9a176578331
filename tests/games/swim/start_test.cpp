// Opening the race, the pace options, the Start button and the countdown.

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "tests/games/swim/race.h"

namespace fm::testing {
namespace {

TEST(SwimOpening, ShowsTheStartingLineAndNothingMovesUntilStart) {
  Session session;
  Race race(session);
  race.open();

  const Window& window = race.window();
  ASSERT_TRUE(window.visible());
  EXPECT_EQ(window.caption(), "水泳勝負");
  EXPECT_EQ(window.activeControl(), &race.widget("Command3"));
  EXPECT_TRUE(race.running("hantei"));

  race.wait(10000);
  EXPECT_EQ(race.word(), "Perfect");
  EXPECT_EQ(race.player(), 1560);
  EXPECT_EQ(race.widget("sorunehosi").top(), 720);
  EXPECT_EQ(race.computer(), 1560);
  EXPECT_EQ(race.marker(), 3240);
  EXPECT_EQ(race.variable("countdown"), 0);
  EXPECT_EQ(race.variable("direction"), 1);
  EXPECT_EQ(race.variable("grade"), 0);
  EXPECT_EQ(race.variable("armed"), 0);
  for (const char* timer : {"Timer1", "Timer2", "Timer3", "tenuriswim", "owaritimer"}) {
    EXPECT_FALSE(race.running(timer)) << timer;
  }
}

struct PaceCase {
  std::vector<int> clicks;  // option indexes, in order
  int computerInterval;
  int markerInterval;
};

void PrintTo(const PaceCase& pace, std::ostream* out) {
  *out << "options clicked:";
  for (const int option : pace.clicks) *out << ' ' << option;
}

class SwimPace : public ::testing::TestWithParam<PaceCase> {};

TEST_P(SwimPace, TheLastClickedOptionSetsBothBeats) {
  const PaceCase& pace = GetParam();
  Session session;
  Race race(session);
  race.open();
  for (const int option : pace.clicks) race.click("Option1", option);
  EXPECT_FALSE(race.running("tenuriswim"));
  EXPECT_FALSE(race.running("Timer2"));

  race.click("Command3");
  race.wait(3000);
  ASSERT_EQ(race.widget("tenuriswim").interval(), pace.computerInterval);
  ASSERT_EQ(race.widget("Timer2").interval(), pace.markerInterval);

  // The marker steps exactly on its beat, and so does the computer.
  session.queueDraws({0.0F, 0.0F});
  race.wait(pace.markerInterval - 1);
  EXPECT_EQ(race.marker(), 3240);
  race.wait(1);
  EXPECT_EQ(race.marker(), 3320);
  race.wait(pace.computerInterval - pace.markerInterval - 1);
  EXPECT_EQ(race.computer(), 1560);
  race.wait(1);
  EXPECT_EQ(race.computer(), 1590);
}

INSTANTIATE_TEST_SUITE_P(
    Options, SwimPace,
    ::testing::Values(PaceCase{{}, 325, 30},  // the layout's beats hold until an option is clicked
                      PaceCase{{1}, 354, 30}, PaceCase{{2, 0}, 177, 15}, PaceCase{{2}, 708, 60},
                      PaceCase{{0, 1, 2}, 708, 60}));

TEST(SwimCountdown, CountsThreeSecondsAndStartsTheRace) {
  Session session;
  Race race(session);
  race.open();
  race.click("Command3");

  for (int option = 0; option < 3; ++option) EXPECT_FALSE(race.shown("Option1", option));
  EXPECT_FALSE(race.widget("Command3").enabled());
  EXPECT_EQ(race.window().activeControl(), nullptr);
  EXPECT_TRUE(race.shown("Label1"));
  EXPECT_EQ(race.widget("Label1").caption(), "3");
  EXPECT_EQ(race.variable("countdown"), 3);

  race.wait(999);
  EXPECT_EQ(race.widget("Label1").caption(), "3");
  race.wait(1);
  EXPECT_EQ(race.widget("Label1").caption(), "2");
  race.wait(1000);
  EXPECT_EQ(race.widget("Label1").caption(), "1");
  EXPECT_TRUE(race.shown("Label1"));
  EXPECT_FALSE(race.running("Timer2"));

  race.wait(1000);
  EXPECT_FALSE(race.shown("Label1"));
  EXPECT_EQ(race.variable("countdown"), 0);
  EXPECT_FALSE(race.running("Timer1"));
  EXPECT_TRUE(race.running("Timer2"));
  EXPECT_TRUE(race.running("tenuriswim"));
  EXPECT_EQ(race.widget("sorunehosi").top(), 600);
  EXPECT_EQ(race.player(), 1560);
  EXPECT_EQ(race.widget("tenurihosi").top(), 1320);
  EXPECT_EQ(race.computer(), 1560);
  EXPECT_EQ(race.marker(), 3240);

  // Start stays disabled: the race is run once per opening of the window.
  race.click("Command3");
  race.key(32);
  race.wait(2000);
  EXPECT_FALSE(race.shown("Label1"));
  EXPECT_FALSE(race.running("Timer1"));
}

TEST(SwimCountdown, ArrowKeysBeforeTheFirstMarkerStepDoNothing) {
  Session session;
  Race race(session);
  race.open();
  // Start holds the focus: the arrows go to the button.
  race.key(kLeftArrow);
  race.key(kRightArrow);
  race.click("Option1", 0);
  race.key(kRightArrow);
  race.click("Command3");
  for (int second = 0; second < 3; ++second) {
    race.key(kLeftArrow);
    race.key(kRightArrow);
    race.wait(999);
    race.key(kRightArrow);
    race.wait(1);
  }
  // The race has just started: no marker step has armed the keys yet.
  race.key(kRightArrow);
  race.key(kLeftArrow);
  EXPECT_EQ(race.player(), 1560);
  EXPECT_EQ(race.word(), "Perfect");
  EXPECT_EQ(race.variable("grade"), 0);
  EXPECT_EQ(race.variable("direction"), 1);
  EXPECT_FALSE(race.shown("Image6"));

  race.stepMarker();
  EXPECT_EQ(race.variable("armed"), 1);
  EXPECT_EQ(race.marker(), 3320);
}

TEST(SwimWindow, OpeningItAgainFromTheMenuKeepsTheRunningRace) {
  Session session;
  Race race(session);
  race.open();
  race.click("Option1", 2);
  race.click("Command3");
  race.wait(1500);
  race.open();
  EXPECT_EQ(race.widget("Label1").caption(), "2");
  EXPECT_FALSE(race.widget("Command3").enabled());
  EXPECT_EQ(race.widget("Timer2").interval(), 60);
  race.wait(1500);
  EXPECT_TRUE(race.running("Timer2"));
}

}  // namespace
}  // namespace fm::testing
