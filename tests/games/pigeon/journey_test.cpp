// The journey from its opening to arrival: the countdown and its warning, the readout, the
// feed passed with the three buttons, the pigeon's attack and the return to the menu.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/games/pigeon/journey.h"

namespace fm::testing {
namespace {

// Which of the opening's widgets are shown, and whether "１" can be pressed.
std::string openingState(const Journey& journey) {
  std::string state;
  for (const char* name : {"Image6", "Label5", "Label4", "Image5", "Label6", "Command1"}) {
    if (journey.shown(name)) state += std::string(name) + " ";
  }
  return state + (journey.widget("Command1").enabled() ? "enabled" : "disabled");
}

TEST(PigeonOpening, EachStepShowsItsPartOnTime) {
  Session session;
  Journey journey(session);
  journey.open();
  EXPECT_EQ(journey.variable("nokori"), 556);
  EXPECT_EQ(journey.runningTimers(), std::vector<std::string>{"Timer1"});
  const struct {
    std::int64_t time;
    const char* state;
    const char* readout;
  } steps[] = {
      {999, "enabled", "556"},
      {1000, "Image6 Label5 enabled", "556"},
      {1500, "Image6 Label4 enabled", "556"},
      {2571, "Image6 Label4 Image5 enabled", "556"},
      {2572, "Image6 Label4 Image5 enabled", "555"},
      {3500, "Image6 Label6 Command1 disabled", "543"},
  };
  for (const auto& step : steps) {
    journey.at(step.time);
    EXPECT_EQ(openingState(journey), step.state) << step.time;
    EXPECT_EQ(journey.caption("Label2"), step.readout) << step.time;
    journey.click("Image1");  // the pigeon changes nothing here
  }
  EXPECT_EQ(journey.runningTimers(),
            (std::vector<std::string>{"nokoritimer", "yominartn", "Timer5"}));
  EXPECT_EQ(journey.variable("holder"), 0);
  journey.press("123");
  EXPECT_EQ(journey.variable("step"), 0) << "greyed until the first hand-back";
}

TEST(PigeonFeed, OnlyTheOrderOneTwoThreePassesIt) {
  const struct {
    const char* presses;
    int step;
    bool passed;
  } cases[] = {{"2", 0, false},    {"3", 0, false},    {"12", 2, false},   {"1123", 2, true},
               {"1323", 2, true},  {"1213", 2, true},  {"13", 1, false},   {"123", 2, true}};
  for (const auto& pressed : cases) {
    Session session;
    Journey journey(session);
    journey.queueHandBacks(16);
    journey.open();
    journey.at(kPlayStart + 100);  // the partner hands it back on her first tick
    ASSERT_EQ(journey.variable("holder"), 1);
    journey.press(pressed.presses);
    EXPECT_EQ(journey.variable("step"), pressed.step) << pressed.presses;
    EXPECT_EQ(journey.variable("holder"), pressed.passed ? 2 : 1) << pressed.presses;
    EXPECT_EQ(journey.shown("Image6"), pressed.passed) << pressed.presses;
    EXPECT_NE(journey.shown("Image7"), pressed.passed) << pressed.presses;
    EXPECT_NE(journey.widget("Command3").enabled(), pressed.passed) << pressed.presses;
  }
}

TEST(PigeonFeed, SheCanHandItBackOnTheFirstTickAfterAPass) {
  Session session;
  Journey journey(session);
  journey.queueHandBacks(200);
  journey.open();
  journey.at(kPlayStart + 150);
  journey.press("123");
  journey.at(kPlayStart + 249);
  EXPECT_EQ(journey.variable("holder"), 2);
  journey.at(kPlayStart + 250);
  EXPECT_EQ(journey.variable("holder"), 1);
  EXPECT_EQ(journey.variable("step"), 0);
  EXPECT_TRUE(journey.shown("Image7"));
  EXPECT_TRUE(journey.widget("Command1").enabled());
  EXPECT_FALSE(journey.running("yominartn"));
}

TEST(PigeonWarning, ShowsOnlyBelowOneHundredAndStaysOnceShown) {
  const struct {
    int drawsSeventeenAt;  // the distance whose step draws 17; -1 for none
    int firstShownAt;      // -1 for never
  } cases[] = {{100, -1}, {99, 99}, {0, 0}, {-1, -1}};
  for (const auto& run : cases) {
    Session session;
    Journey journey(session);
    journey.queueSteadyJourney([&](int nokori) {
      return nokori == run.drawsSeventeenAt ? 17 : 0;
    });
    journey.open();
    for (int nokori = 100; nokori >= 0; --nokori) {
      journey.at(kArrival - std::int64_t{nokori} * 72);
      ASSERT_EQ(journey.variable("nokori"), nokori);
      EXPECT_EQ(journey.shown("Image2"), run.firstShownAt >= 0 && nokori <= run.firstShownAt)
          << "draw of 17 at " << run.drawsSeventeenAt << ", now " << nokori;
    }
  }
}

TEST(PigeonReadout, HiddenEveryThirteenSecondsShownByThePigeonAlwaysCurrent) {
  Session session;
  Journey journey(session);
  journey.open();
  journey.at(kPlayStart + 12999);
  EXPECT_TRUE(journey.shown("Label2"));
  journey.at(kPlayStart + 13000);
  EXPECT_FALSE(journey.shown("Label2"));
  journey.at(kPlayStart + 20000);
  journey.click("Image1");
  EXPECT_TRUE(journey.shown("Label2"));
  EXPECT_EQ(journey.caption("Label2"), std::to_string(journey.variable("nokori")));
  journey.at(kPlayStart + 26000);
  EXPECT_FALSE(journey.shown("Label2"));
}

TEST(PigeonArrival, ThePigeonAttacksWhoeverHoldsTheFeed) {
  const struct {
    const char* presses;  // after the first hand-back; "none" for no hand-back at all
    int holder;
    float left, top;
    const char* verdict;
  } cases[] = {{"none", 0, 120, 3480, "Image9"},
               {"12", 1, 120, 3480, "Image9"},
               {"123", 2, 3840, 3360, "Image8"}};
  for (const auto& run : cases) {
    Session session;
    Journey journey(session);
    const bool handBack = std::string(run.presses) != "none";
    if (handBack) {
      journey.queueSteadyJourney([](int) { return 0; });
    } else {
      for (int draw = 0; draw < 1000; ++draw) session.queueInt(20, 0);
    }
    journey.open();
    journey.at(kPlayStart + 200);
    if (handBack) journey.press(run.presses);
    journey.at(kArrival);
    EXPECT_EQ(journey.variable("holder"), run.holder) << run.presses;
    EXPECT_EQ(journey.caption("Label2"), "0");
    EXPECT_TRUE(journey.shown("Label2"));
    EXPECT_FALSE(journey.shown("Command1") || journey.shown("Command3") || journey.shown("Label6"));
    EXPECT_FALSE(journey.shown("Line2"));
    EXPECT_EQ(journey.shown("Image6"), run.holder != 1) << "the feed tag stays where it was";
    journey.at(kArrival + 1999);
    EXPECT_EQ(journey.widget("Image1").left(), 5880);
    EXPECT_FALSE(journey.shown(run.verdict));
    journey.at(kArrival + 2000);
    EXPECT_EQ(journey.widget("Image1").left(), run.left) << run.presses;
    EXPECT_EQ(journey.widget("Image1").top(), run.top) << run.presses;
    EXPECT_TRUE(journey.shown(run.verdict)) << run.presses;
    EXPECT_FALSE(journey.shown(run.holder == 2 ? "Image9" : "Image8"));
    EXPECT_EQ(journey.runningTimers(), (std::vector<std::string>{"Timer5", "owaritimer"}));
    journey.at(kArrival + 6999);
    ASSERT_TRUE(journey.window().loaded());
    journey.click("Image1");
    EXPECT_TRUE(journey.shown("Label2")) << "the pigeon still shows the readout";
    journey.at(kArrival + 7000);
    EXPECT_FALSE(journey.window().loaded());
    EXPECT_TRUE(session.form("Form4").visible());
  }
}

TEST(PigeonWindow, ClosedAtAnyStageItStopsAndOpensAgainFromTheStart) {
  for (const std::int64_t closedAt : {std::int64_t{2000}, kArrival + 3000}) {
    Session session;
    Journey journey(session);
    journey.open();
    journey.at(closedAt);
    journey.close();
    journey.at(closedAt + 60000);
    EXPECT_FALSE(journey.window().loaded()) << closedAt;
    EXPECT_TRUE(session.form("Form4").visible());
    EXPECT_FALSE(session.program.ended());

    journey.open();
    EXPECT_EQ(journey.caption("Label2"), "556");
    EXPECT_EQ(journey.variable("nokori"), 556);
    EXPECT_EQ(openingState(journey), "enabled");
    EXPECT_FALSE(journey.shown("Image8") || journey.shown("Image9") || journey.shown("Image2"));
    EXPECT_TRUE(journey.shown("Line2"));
    EXPECT_EQ(journey.widget("Image1").left(), 5880);
    journey.at(1000);
    EXPECT_EQ(openingState(journey), "Image6 Label5 enabled") << "the opening replays";
  }
}

TEST(PigeonWindow, UnloadsItselfBeforeBringingBackAClosedMenu) {
  Session session;
  Journey journey(session);
  journey.open();
  session.close("Form4");
  journey.at(kArrival + 7000);
  EXPECT_FALSE(journey.window().loaded());
  EXPECT_TRUE(session.form("Form4").visible());
  EXPECT_FALSE(session.program.ended());
}

}  // namespace
}  // namespace fm::testing
