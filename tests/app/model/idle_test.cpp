// What counts as a change, and a host that passes over the ticks that would change nothing.

#include <gtest/gtest.h>

#include <vector>

#include "tests/app/model/fixture.h"

namespace fm::testing {
namespace {

using W = HookWindow;

struct Write {
  const char* what;
  bool everyTick;  // a real change at every tick; otherwise none after the first
  void (*tick)(W& window, W& other);
};

const Write kWrites[] = {
    {"nothing", false, [](W&, W&) {}},
    {"an image a twip on", true, [](W& w, W&) { w.Image2.setLeft(w.Image2.left() + 1); }},
    {"an image where it is put", false, [](W& w, W&) { w.Image2.setLeft(700); }},
    {"a counter", true, [](W& w, W&) { ++w.count; }},
    {"the same number", false, [](W& w, W&) { w.total = 7; }},
    {"an array element", true, [](W& w, W&) { ++w.cells[2]; }},
    {"a random draw", true, [](W& w, W&) { static_cast<void>(w.Rnd()); }},
    {"a timer in turn", true, [](W& w, W&) { w.TimerA.setEnabled(!w.TimerA.enabled()); }},
    {"a window in turn", true, [](W&, W& o) { o.setVisible(!o.visible()); }},
    {"the focus in turn", true,
     [](W& w, W&) { w.focus(w.activeControl() == &w.Command1 ? w.Command2 : w.Command1); }},
    {"a box", true, [](W& w, W&) { w.MsgBox("!"); }},
};

class Writes : public ModelTest, public ::testing::WithParamInterface<Write> {};

TEST_P(Writes, ChangeTheCountOnlyWhenAValueBecomesDifferent) {
  window.onTimerC = [this] { GetParam().tick(window, other); };
  window.TimerC.setEnabled(true);
  host.wait(5);
  EXPECT_EQ(program.nextBusyDue().has_value(), GetParam().everyTick) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Each, Writes, ::testing::ValuesIn(kWrites));

// A 1 ms timer adds while an odd count stands and is idle while an even one does; the count
// moves every 100 ms, at a moment the 1 ms timer ticks too, before it or after it.
std::vector<std::int64_t> play(bool skip, bool countFirst, int& ticks) {
  Program program;
  HeadlessHost host(program);
  W& w = program.add<W>("Test");
  host.setSkipIdleTicks(skip);
  program.start(w);
  w.onTimerC = [&w] { w.total += w.count % 2; };
  w.onTimerA = w.onCommand1 = [&w] { ++w.count; };
  program.onTick([&ticks](const Widget&) { ++ticks; });
  (countFirst ? w.TimerA : w.TimerC).setEnabled(true);
  (countFirst ? w.TimerC : w.TimerA).setEnabled(true);
  std::vector<std::int64_t> states;
  for (int frame = 1; frame <= 120; ++frame) {
    host.wait(17);
    if (frame % 40 == 0) program.click(w.Command1);
    states.insert(states.end(), {w.count, w.total, w.TimerC.timerState().due, host.now()});
  }
  return states;
}

TEST(IdleTicks, PassedOverLeaveTheSameOutcomeInEitherOrder) {
  for (const bool countFirst : {true, false}) {
    int every = 0;
    int skipped = 0;
    EXPECT_EQ(play(true, countFirst, skipped), play(false, countFirst, every)) << countFirst;
    EXPECT_LT(skipped * 2, every);
  }
}

}  // namespace
}  // namespace fm::testing
