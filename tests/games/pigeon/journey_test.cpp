// The journey from its opening to arrival: the countdown and its warning, the readout, the
// feed passed with the three buttons, the pigeon's attack and the return to the menu.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/games/pigeon/journey.h"

namespace fm::testing {
namespace {

using Names = std::vector<std::string>;

// The opening's widgets that are shown, and whether "１" can be pressed.
std::string openingState(const Journey& journey) {
  std::string state;
  for (const char* name : {"Image6", "Label5", "Label4", "Image5", "Label6", "Command1"}) {
    if (journey.shown(name)) state += std::string(name) + " ";
  }
  return state + (journey.widget("Command1").enabled() ? "enabled" : "disabled");
}

TEST(PigeonOpening, EachStepShowsItsPartOnTimeAndNothingCanBePassedYet) {
  Session session;
  Journey journey(session);
  journey.open();
  EXPECT_EQ(journey.runningTimers(), Names{"Timer1"});
  const struct {
    std::int64_t time;
    const char* state;
    const char* readout;
  } steps[] = {{999, "enabled", "556"},
               {1000, "Image6 Label5 enabled", "556"},
               {1500, "Image6 Label4 enabled", "556"},
               {2571, "Image6 Label4 Image5 enabled", "556"},
               {2572, "Image6 Label4 Image5 enabled", "555"},
               {3500, "Image6 Label6 Command1 disabled", "543"}};
  for (const auto& step : steps) {
    journey.waitUntil(step.time);
    EXPECT_EQ(openingState(journey), step.state) << step.time;
    EXPECT_EQ(journey.caption("Label2"), step.readout) << step.time;
    journey.click("Image1");  // changes nothing: the readout is shown already
  }
  EXPECT_EQ(journey.runningTimers(), (Names{"nokoritimer", "yominartn", "Timer5"}));
  journey.press("123");
  EXPECT_EQ(journey.variable("step"), 0) << "greyed until the first hand-back";
}

TEST(PigeonFeed, OnlyOneTwoThreeInOrderPassesItAndSheMayHandItBackAtOnce) {
  const struct {
    const char* presses;
    int step;
    bool passed;
  } cases[] = {{"2", 0, false},   {"3", 0, false},   {"13", 1, false}, {"12", 2, false},
               {"1123", 2, true}, {"1323", 2, true}, {"1213", 2, true}};
  for (const auto& pressed : cases) {
    Session session;
    Journey journey(session);
    journey.queueDraws(200, 4, 2);  // every tick of hers hands the feed back
    journey.open();
    journey.waitUntil(kPlayStart + 150);
    ASSERT_EQ(journey.variable("holder"), 1);
    journey.press(pressed.presses);
    EXPECT_EQ(journey.variable("step"), pressed.step) << pressed.presses;
    EXPECT_EQ(journey.variable("holder"), pressed.passed ? 2 : 1) << pressed.presses;
    EXPECT_EQ(journey.shown("Image6"), pressed.passed) << pressed.presses;
    EXPECT_NE(journey.shown("Image7"), pressed.passed) << pressed.presses;
    EXPECT_NE(journey.widget("Command3").enabled(), pressed.passed) << pressed.presses;
    // Her first tick after a pass, 100 ms later, hands it back and the order starts again.
    journey.waitUntil(kPlayStart + 250);
    EXPECT_EQ(journey.variable("holder"), 1) << pressed.presses;
    EXPECT_EQ(journey.variable("step"), pressed.passed ? 0 : pressed.step) << pressed.presses;
  }
}

TEST(PigeonWarning, ShowsOnlyBelowOneHundredAndStaysOnceShown) {
  for (const int seventeenAt : {100, 99, 0, -1}) {  // the distance whose step draws 17
    Session session;
    Journey journey(session);
    journey.queueSteadyJourney([&](int nokori) { return nokori == seventeenAt ? 17 : 0; });
    journey.open();
    for (int nokori = 100; nokori >= 0; --nokori) {
      journey.waitUntil(kArrival - std::int64_t{nokori} * 72);
      ASSERT_EQ(journey.variable("nokori"), nokori);
      EXPECT_EQ(journey.shown("Image2"), seventeenAt < 100 && nokori <= seventeenAt)
          << "17 drawn at " << seventeenAt << ", now " << nokori;
    }
  }
}

TEST(PigeonArrival, ThePigeonAttacksWhoeverHoldsTheFeed) {
  const struct {
    const char* presses;  // after the first hand-back; nullptr when she never hands it back
    int holder;
    float left, top;
    const char* verdict;
  } cases[] = {{nullptr, 0, 120, 3480, "Image9"},
               {"12", 1, 120, 3480, "Image9"},
               {"123", 2, 3840, 3360, "Image8"}};
  for (const auto& run : cases) {
    Session session;
    Journey journey(session);
    if (run.presses != nullptr) {
      journey.queueSteadyJourney([](int) { return 0; });
    } else {
      journey.queueDraws(1000, 20, 0);
    }
    journey.open();
    journey.waitUntil(kPlayStart + 200);
    if (run.presses != nullptr) journey.press(run.presses);
    // The readout goes every 13 s, keeps counting, and the pigeon brings it back.
    journey.waitUntil(kPlayStart + 13000);
    EXPECT_FALSE(journey.shown("Label2"));
    journey.click("Image1");
    EXPECT_EQ(journey.caption("Label2"), std::to_string(journey.variable("nokori")));
    EXPECT_TRUE(journey.shown("Label2"));

    journey.waitUntil(kArrival);
    EXPECT_EQ(journey.variable("holder"), run.holder);
    EXPECT_EQ(journey.caption("Label2"), "0");
    EXPECT_TRUE(journey.shown("Label2"));
    EXPECT_FALSE(journey.shown("Command1") || journey.shown("Label6") || journey.shown("Line2"));
    EXPECT_EQ(journey.shown("Image6"), run.holder != 1) << "the feed tag stays where it was";
    journey.waitUntil(kArrival + 1999);
    EXPECT_FALSE(journey.shown(run.verdict));
    journey.waitUntil(kArrival + 2000);
    EXPECT_EQ(journey.widget("Image1").left(), run.left) << run.holder;
    EXPECT_EQ(journey.widget("Image1").top(), run.top) << run.holder;
    EXPECT_TRUE(journey.shown(run.verdict)) << run.holder;
    EXPECT_FALSE(journey.shown(run.holder == 2 ? "Image9" : "Image8"));
    EXPECT_EQ(journey.runningTimers(), (Names{"Timer5", "owaritimer"}));
    journey.waitUntil(kArrival + 6999);
    ASSERT_TRUE(journey.window().loaded());
    journey.waitUntil(kArrival + 7000);
    EXPECT_TRUE(journey.backAtTheMenu());
  }
}

TEST(PigeonWindow, ClosedAtAnyStageItStopsAndOpensAgainFromTheStart) {
  for (const std::int64_t closedAt : {std::int64_t{2000}, kArrival + 3000}) {
    Session session;
    Journey journey(session);
    journey.open();
    journey.waitUntil(closedAt);
    journey.close();
    journey.wait(60000);
    EXPECT_TRUE(journey.backAtTheMenu()) << closedAt;

    const std::int64_t reopened = session.host.now();
    journey.open();
    EXPECT_EQ(journey.caption("Label2"), "556");
    EXPECT_EQ(openingState(journey), "enabled");
    EXPECT_FALSE(journey.shown("Image8") || journey.shown("Image9") || journey.shown("Image2"));
    EXPECT_TRUE(journey.shown("Line2"));
    EXPECT_EQ(journey.widget("Image1").left(), 5880);
    journey.waitUntil(reopened + 1000);
    EXPECT_EQ(openingState(journey), "Image6 Label5 enabled") << "the opening replays";
  }
}

}  // namespace
}  // namespace fm::testing
