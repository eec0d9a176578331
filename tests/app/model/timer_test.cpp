#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/model/fixture.h"

namespace fm::testing {
namespace {

using Times = std::vector<std::int64_t>;

class Timers : public ModelTest {};

TEST_F(Timers, TickEveryIntervalFromTheMomentOfEnabling) {
  Times ticks;
  window.onTimerA = recordInto(ticks);
  host.wait(30);
  window.TimerA.setEnabled(true);
  host.wait(330);
  EXPECT_EQ(ticks, (Times{130, 230, 330}));
}

TEST_F(Timers, OneMillisecondTimerTicksEveryMillisecond) {
  window.onTimerC = [this] { ++window.count; };
  window.TimerC.setEnabled(true);
  host.wait(1000);
  EXPECT_EQ(window.count, 1000);
}

TEST_F(Timers, DisablingInItsOwnTickStopsIt) {
  Times ticks;
  window.onTimerA = [&] {
    ticks.push_back(host.now());
    window.TimerA.setEnabled(false);
  };
  window.TimerA.setEnabled(true);
  host.wait(1000);
  EXPECT_EQ(ticks, (Times{100}));
}

TEST_F(Timers, DisablingDropsATickThatIsAlreadyDue) {
  // Both are due at 100; B, enabled first, runs first and stops A before its tick arrives.
  Times ticksOfA;
  window.onTimerA = recordInto(ticksOfA);
  window.onTimerB = [&] { window.TimerA.setEnabled(false); };
  window.TimerB.setEnabled(true);
  window.TimerA.setEnabled(true);
  host.wait(500);
  EXPECT_TRUE(ticksOfA.empty());
}

TEST_F(Timers, EnabledAndDisabledInOneHandlerNeverTicks) {
  Times ticks;
  window.onTimerA = recordInto(ticks);
  window.onCommand1 = [&] {
    window.TimerA.setEnabled(true);
    window.TimerA.setEnabled(false);
  };
  program.click(window.Command1);
  host.wait(1000);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(Timers, EnablingARunningTimerKeepsItsPeriod) {
  Times ticks;
  window.onTimerA = recordInto(ticks);
  window.TimerA.setEnabled(true);
  host.wait(50);
  window.TimerA.setEnabled(true);
  host.wait(200);
  EXPECT_EQ(ticks, (Times{100, 200}));
}

TEST_F(Timers, RestartingAStoppedTimerStartsANewPeriod) {
  Times ticks;
  window.onTimerA = recordInto(ticks);
  window.TimerA.setEnabled(true);
  host.wait(150);
  window.TimerA.setEnabled(false);
  window.TimerA.setEnabled(true);
  host.wait(200);
  EXPECT_EQ(ticks, (Times{100, 250, 350}));
}

TEST_F(Timers, RestartedInItsOwnTickCountsFromThatTick) {
  Times ticks;
  window.onTimerA = [&] {
    ticks.push_back(host.now());
    if (ticks.size() == 1) {
      window.TimerA.setInterval(250);
    }
  };
  window.TimerA.setEnabled(true);
  host.wait(700);
  EXPECT_EQ(ticks, (Times{100, 350, 600}));
}

TEST_F(Timers, SettingTheIntervalOfAStoppedTimerDoesNotStartIt) {
  Times ticks;
  window.onTimerA = recordInto(ticks);
  window.TimerA.setInterval(15);
  host.wait(100);
  EXPECT_TRUE(ticks.empty());
  EXPECT_FALSE(window.TimerA.enabled());
}

TEST_F(Timers, TicksDueTogetherComeInTheOrderTheTimersWereEnabled) {
  std::string order;
  window.onTimerA = [&] { order += 'A'; };
  window.onTimerB = [&] { order += 'B'; };
  other.onTimerA = [&] { order += 'a'; };
  other.Load();
  window.TimerB.setEnabled(true);
  other.TimerA.setEnabled(true);
  window.TimerA.setEnabled(true);
  host.wait(200);
  EXPECT_EQ(order, "BaABaA");
}

TEST_F(Timers, UnloadingFromItsOwnTickStopsEveryTimerOfTheWindow) {
  int ticksAfterUnload = 0;
  bool ranToTheEnd = false;
  const auto countIfUnloaded = [&] {
    if (!window.loaded()) ++ticksAfterUnload;
  };
  window.onTimerB = countIfUnloaded;
  window.onTimerC = countIfUnloaded;
  window.onTimerA = [&] {
    window.Unload();
    window.Label1.setCaption("after");  // the handler runs on after its window is gone
    window.TimerB.setEnabled(true);     // and cannot restart a timer of an unloaded window
    ranToTheEnd = true;
  };
  program.start(other);  // keeps the program open once the test window has gone
  window.TimerC.setEnabled(true);
  window.TimerB.setEnabled(true);
  window.TimerA.setEnabled(true);
  host.wait(1000);
  EXPECT_TRUE(ranToTheEnd);
  EXPECT_FALSE(window.loaded());
  EXPECT_EQ(ticksAfterUnload, 0);
  EXPECT_FALSE(program.nextDue().has_value());
}

TEST_F(Timers, ATimerNeverReentersWhileItsBoxIsOpen) {
  host.setMessageBoxDelay(350);
  Times ticksOfA;
  Times ticksOfOther;
  int depth = 0;
  int deepest = 0;
  window.onTimerA = [&] {
    ticksOfA.push_back(host.now());
    ++depth;
    deepest = std::max(deepest, depth);
    if (ticksOfA.size() == 1) window.MsgBox("待って");
    --depth;
  };
  other.onTimerB = recordInto(ticksOfOther);
  other.Load();
  window.TimerA.setEnabled(true);
  other.TimerB.setEnabled(true);
  host.wait(700);
  EXPECT_EQ(deepest, 1);
  // The box was open from 100 to 450: A's missed ticks are dropped, its cadence kept; the
  // other window's timer ticked on meanwhile.
  EXPECT_EQ(ticksOfA, (Times{100, 500, 600, 700}));
  EXPECT_EQ(ticksOfOther, (Times{100, 200, 300, 400, 500, 600, 700}));
  EXPECT_EQ(host.messageBoxes(), (std::vector<std::string>{"待って"}));
}

TEST_F(Timers, ATimerDisabledWhileItsBoxIsOpenStaysStopped) {
  host.setMessageBoxDelay(250);
  Times ticksOfA;
  window.onTimerA = [&] {
    ticksOfA.push_back(host.now());
    window.MsgBox("one");
  };
  window.onTimerB = [&] { window.TimerA.setEnabled(false); };
  window.TimerA.setEnabled(true);
  window.TimerB.setInterval(150);
  window.TimerB.setEnabled(true);
  host.wait(1000);
  EXPECT_EQ(ticksOfA, (Times{100}));
}

TEST_F(Timers, TimersOfAHiddenLoadedWindowRun) {
  other.Load();
  other.onTimerA = [this] { ++other.count; };
  other.TimerA.setEnabled(true);
  host.wait(300);
  EXPECT_EQ(other.count, 3);
}

}  // namespace
}  // namespace fm::testing
