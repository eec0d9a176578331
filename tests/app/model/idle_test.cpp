// What counts as a change, and a host that passes over the ticks that would change nothing.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/app/model/fixture.h"

namespace fm::testing {
namespace {

struct Write {
  const char* what;
  std::function<void(HookWindow& window, HookWindow& other)> tick;  // every millisecond
  bool everyTick;  // a real change each time; otherwise the first tick at most changes anything
};

const Write kWrites[] = {
    {"nothing", [](HookWindow&, HookWindow&) {}, false},
    {"an image a twip on",
     [](HookWindow& w, HookWindow&) { w.Image2.setLeft(w.Image2.left() + 1); }, true},
    {"an image where it is put", [](HookWindow& w, HookWindow&) { w.Image2.setLeft(700); }, false},
    {"a caption in turn",
     [](HookWindow& w, HookWindow&) { w.Label1.setCaption(w.Label1.caption() == "a" ? "b" : "a"); },
     true},
    {"the same caption", [](HookWindow& w, HookWindow&) { w.Label1.setCaption("a"); }, false},
    {"the same picture", [](HookWindow& w, HookWindow&) { w.Image2.setPicture(Picture(&kFace)); },
     false},
    {"a counter", [](HookWindow& w, HookWindow&) { ++w.count; }, true},
    {"the same number", [](HookWindow& w, HookWindow&) { w.total = 7; }, false},
    {"a longer text", [](HookWindow& w, HookWindow&) { w.words += "."; }, true},
    {"an array element", [](HookWindow& w, HookWindow&) { ++w.cells[2]; }, true},
    {"a random draw", [](HookWindow& w, HookWindow&) { static_cast<void>(w.Rnd()); }, true},
    {"a timer in turn",
     [](HookWindow& w, HookWindow&) { w.TimerA.setEnabled(!w.TimerA.enabled()); }, true},
    {"a stopped timer stopped", [](HookWindow& w, HookWindow&) { w.TimerA.setEnabled(false); },
     false},
    {"an interval",
     [](HookWindow& w, HookWindow&) { w.TimerA.setInterval(w.TimerA.interval() + 1); }, true},
    {"another window shown and hidden",
     [](HookWindow&, HookWindow& o) { o.setVisible(!o.visible()); }, true},
    {"a shown window shown", [](HookWindow&, HookWindow& o) { o.Show(); }, false},
    {"the focus in turn",
     [](HookWindow& w, HookWindow&) {
       w.focus(w.activeControl() == &w.Command1 ? w.Command2 : w.Command1);
     },
     true},
    {"a box", [](HookWindow& w, HookWindow&) { w.MsgBox("!"); }, true},
};

class Writes : public ModelTest, public ::testing::WithParamInterface<Write> {};

TEST_P(Writes, ChangeTheCountOnlyWhenAValueBecomesDifferent) {
  window.onTimerC = [this] { GetParam().tick(window, other); };
  window.TimerC.setEnabled(true);
  host.wait(5);
  const TimerState& state = window.TimerC.timerState();
  EXPECT_EQ(state.idleAt == program.changes().value(), !GetParam().everyTick);
  EXPECT_EQ(program.nextBusyDue().has_value(), GetParam().everyTick);
}

INSTANTIATE_TEST_SUITE_P(Each, Writes, ::testing::ValuesIn(kWrites), [](const auto& write) {
  std::string name = write.param.what;
  std::erase(name, ' ');
  return name;
});

// Two programs play the same inputs: one delivers every tick, the other passes over the idle
// ones. A 1 ms timer counts while an odd count stands and is idle while an even one does; the
// count moves every 100 ms, at a moment the 1 ms timer also ticks, before it or after it.
struct Player {
  explicit Player(bool skip) {
    host.setSkipIdleTicks(skip);
    program.start(window);
    window.onTimerC = [this] {
      if (window.count % 2 == 1) ++window.total;
    };
    window.onTimerA = [this] { ++window.count; };
    window.onCommand1 = [this] { window.count = static_cast<std::int16_t>(window.count + 3); };
    program.onTick([this](const Widget&) { ++ticks; });
  }
  std::string state() const {
    return std::to_string(host.now()) + " " + std::to_string(window.count) + " " +
           std::to_string(window.total) + " " + std::to_string(window.TimerC.timerState().due) +
           " " + std::to_string(window.TimerA.timerState().due);
  }
  Program program;
  HeadlessHost host{program};
  HookWindow& window = program.add<HookWindow>("Test");
  int ticks = 0;
};

TEST(IdleTicks, PassedOverLeaveTheSameOutcomeInEitherOrder) {
  for (const bool countFirst : {true, false}) {
    Player every(false);
    Player skipping(true);
    for (Player* player : {&every, &skipping}) {
      Widget& first = countFirst ? player->window.TimerA : player->window.TimerC;
      Widget& second = countFirst ? player->window.TimerC : player->window.TimerA;
      first.setEnabled(true);
      second.setEnabled(true);
    }
    for (int frame = 1; frame <= 120; ++frame) {
      for (Player* player : {&every, &skipping}) {
        player->host.wait(17);
        if (frame % 40 == 0) player->program.click(player->window.Command1);
      }
      ASSERT_EQ(skipping.state(), every.state())
          << "frame " << frame << ", count first " << countFirst;
    }
    EXPECT_LT(skipping.ticks * 2, every.ticks);
  }
}

}  // namespace
}  // namespace fm::testing
