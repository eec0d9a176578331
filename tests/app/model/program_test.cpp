#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>

#include "app/model/conversions.h"
#include "tests/app/model/fixture.h"

namespace fm::testing {
namespace {

class ProgramLife : public ModelTest {
 protected:
  ProgramLife() {
    host.onEnded([this] { ++endings; });
  }
  int endings = 0;
};

TEST_F(ProgramLife, EndsWhenTheLastWindowIsClosed) {
  other.Show();
  program.close(window);
  EXPECT_FALSE(program.ended());
  program.close(other);
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(endings, 1);
}

TEST_F(ProgramLife, AWindowThatUnloadsItselfBeforeShowingAnotherDoesNotEndIt) {
  window.onTimerA = [this] {
    window.Unload();
    other.Show();
  };
  window.TimerA.setEnabled(true);
  host.wait(100);
  EXPECT_FALSE(program.ended());
  EXPECT_TRUE(other.visible());
}

TEST_F(ProgramLife, NothingHappensAfterTheEnd) {
  int clicks = 0;
  other.onCommand1 = [&] { ++clicks; };
  other.Load();
  other.TimerA.setEnabled(true);
  program.close(window);
  ASSERT_TRUE(program.ended());
  host.wait(1000);
  EXPECT_EQ(other.count, 0);
  program.click(other.Command1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(endings, 1);
}

TEST_F(ProgramLife, AHandlerThatThrowsDoesNotKeepTheProgramAlive) {
  window.onCommand2 = [] { throw std::runtime_error("broken handler"); };
  EXPECT_THROW(program.click(window.Command2), std::runtime_error);
  program.close(window);
  EXPECT_TRUE(program.ended());
}

// Like the real box, which is modal to the whole program, an open box holds off clicks and
// keys in every window until it is answered; timers run on and windows can still be closed.
TEST_F(ProgramLife, AnOpenBoxHoldsOffClicksAndKeysButNotTimersOrClosing) {
  int clicks = 0;
  other.Show();
  window.onCommand1 = [&] { ++clicks; };
  other.onCommand1 = [&] { ++clicks; };  // also by Space: it holds the focus
  other.onTimerA = [&] { ++other.count; };
  other.TimerA.setEnabled(true);
  window.onCommand2 = [&] { window.MsgBox("待って"); };
  host.onMessageBox([&](Window&, const std::string&) {
    EXPECT_TRUE(program.boxOpen());
    program.click(window.Command1);
    program.click(other.Command1);
    program.keyDown(other, 32, 0);
    host.wait(1000);
    program.close(other);
  });
  program.click(window.Command2);
  EXPECT_FALSE(program.boxOpen());
  EXPECT_EQ(clicks, 0);
  EXPECT_GT(other.count, 0) << "its timer ran while the box was open";
  EXPECT_FALSE(other.loaded()) << "closed while the box was open";
  program.click(window.Command1);
  EXPECT_EQ(clicks, 1) << "answered, the box lets clicks through again";
}

TEST(Random, StartsInTheSameStateEveryRun) {
  RandomSource first;
  RandomSource second;
  for (int draw = 0; draw < 100; ++draw) EXPECT_EQ(first.Rnd(), second.Rnd());
}

TEST(Random, RandomizeReseedsButQueuedDrawsComeFirst) {
  RandomSource source;
  source.queue(0.25F);
  source.queue(0.5F);
  source.Randomize(1);
  EXPECT_EQ(source.Rnd(), 0.25F);
  EXPECT_EQ(source.Rnd(), 0.5F);
  RandomSource reseeded;
  reseeded.Randomize(1);
  EXPECT_EQ(source.Rnd(), reseeded.Rnd());
  RandomSource otherSeed;
  otherSeed.Randomize(2);
  EXPECT_NE(reseeded.Rnd(), otherSeed.Rnd());
}

TEST(Random, DrawsStayBelowOneAndCoverTheRange) {
  RandomSource source;
  std::set<int> faces;
  for (int draw = 0; draw < 200000; ++draw) {
    const float value = source.Rnd();
    ASSERT_GE(value, 0.0F);
    ASSERT_LT(value, 1.0F);
    const double face = Int(static_cast<double>(value) * 6);
    ASSERT_LE(face, 5);
    faces.insert(static_cast<int>(face));
  }
  EXPECT_EQ(faces.size(), 6U);
}

TEST_F(ProgramLife, OneGeneratorServesEveryWindow) {
  program.random().queue(0.75F);
  program.random().queue(0.125F);
  EXPECT_EQ(window.Rnd(), 0.75F);
  EXPECT_EQ(other.Rnd(), 0.125F);
}

}  // namespace
}  // namespace fm::testing
