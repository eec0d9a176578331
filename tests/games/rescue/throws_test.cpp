// The start screen, the two candidate throws and the choice between them, the dice settling,
// and the walk along the scrolling track up to the captor.

#include <gtest/gtest.h>

#include "tests/games/rescue/board.h"

namespace fm::testing {
namespace {

// Throw A draws that walk 80 squares (66 + 9 + 5), and a throw B that walks 3.
constexpr std::array<int, 3> kEighty = {66, 6, 4};
constexpr std::array<int, 3> kSmallB = {0, 0, 0};

TEST(RescueBoard, OpensOnItsLayoutWithTheSquareTables) {
  Session session;
  Board board(session);
  board.open();
  EXPECT_EQ(board.screen(), " Image6 Command1 Label2 track");
  EXPECT_EQ(board.caption("Label2"), "100");
  EXPECT_EQ(board.track(), "1 1 1 1 1");
  EXPECT_EQ(board.dice(), "- - -");
  EXPECT_TRUE(board.widget("Command2").enabled() && !board.shown("Label3"));
  EXPECT_TRUE(board.runningTimers().empty());
  const Variables& variables = board.window().variables();
  for (const auto& [distance, level] : {std::pair{0, 0},
                                        {1, 12},
                                        {7, 6},
                                        {8, 6},
                                        {9, 5},
                                        {11, 5},
                                        {12, 4},
                                        {15, 4},
                                        {16, 3},
                                        {17, 2},
                                        {18, 1},
                                        {100, 1}}) {
    EXPECT_EQ(variables.read("squareLevel", distance), std::to_string(level)) << distance;
  }
  const int values[] = {0, 1, 2, 5, 11, 22, 33, 44, 55, 66, 77, 88, 99, 0};
  for (int level = 0; level < 14; ++level) {
    EXPECT_EQ(variables.read("levelValue", level), std::to_string(values[level])) << level;
  }
}

TEST(RescueThrow, KeepsTheThrowLandingOnTheLowerLevelTiesToA) {
  const struct {
    bool fromTwenty;  // after a first walk of 80 squares
    std::array<int, 3> a;
    int jackpot;
    std::array<int, 3> b;
    const char* shown;
    int steps;
  } throws[] = {
      {false, {0, 1, 9}, 0, {6, 6, 6}, "1 2 参", 6},         // both land on level 1: A
      {false, {66, 6, 6}, 0, {0, 0, 0}, "1 1 1", 3},         // A on level 3: B
      {false, {5, 5, 5}, 66, {6, 6, 6}, "66 66 66", 198},    // the jackpot
      {false, {66, 66, 66}, 0, {6, 6, 6}, "66 66 66", 198},  // A reaches the captor
      {false, {3, 13, 20}, 0, {3, 4, 5}, "死 苦 苦", 22},
      {true, {0, 0, 0}, 0, {6, 6, 6}, "苦 苦 苦", 27},  // only B reaches the captor
      {true, {66, 0, 0}, 0, {6, 6, 6}, "66 1 1", 68},   // both do: A
  };
  for (const auto& thrown : throws) {
    Session session;
    Board board(session);
    board.open();
    if (thrown.fromTwenty) board.walk(kEighty, kSmallB);
    board.throwDice(thrown.a, thrown.b, thrown.jackpot);
    EXPECT_EQ(board.dice(), "_ _ _");
    board.wait(800);
    EXPECT_EQ(board.dice(), thrown.shown) << thrown.shown;
    EXPECT_EQ(board.caption("Label3"), std::to_string(thrown.steps)) << thrown.shown;
  }
}

TEST(RescueThrow, TheDiceSettleOneByOneAndTheWalkEndsTheTurn) {
  Session session;
  Board board(session);
  board.open();
  for (const int draw : {0, 1, 2, 0}) session.queueInt(100, draw);
  board.click("Command1");
  session.queueInts(3, {0, 2, 1, 2, 0, 2});  // die 2 settles, then die 1, then die 3
  for (const auto& [time, dice] :
       {std::pair{299, "_ _ _"}, {300, "_ 2 _"}, {600, "1 2 _"}, {899, "1 2 _"}, {900, "1 2 参"}}) {
    board.waitUntil(time);
    EXPECT_EQ(board.dice(), dice) << time;
    EXPECT_FALSE(board.shown("Label3"));
  }
  board.waitUntil(1400);
  EXPECT_EQ(board.caption("Label3"), "6");
  board.waitUntil(3499);
  EXPECT_EQ(board.caption("Label2"), "100");
  board.waitUntil(3500);
  EXPECT_EQ(board.caption("Label2") + " " + board.caption("Label3"), "99 5");
  EXPECT_FALSE(board.widget("Command1").enabled() || board.widget("Command2").enabled());
  board.waitUntil(4000);
  EXPECT_EQ(board.variable("distance"), 94);
  EXPECT_EQ(board.dice(), "- - -");
  EXPECT_FALSE(board.shown("Label3"));
  EXPECT_TRUE(board.widget("Command1").enabled() && board.widget("Command2").enabled());
  EXPECT_TRUE(board.runningTimers().empty());
}

TEST(RescueWalk, TheTrackShowsTheSquaresAheadAndTheWalkStopsAtTheCaptor) {
  Session session;
  Board board(session);
  board.open();
  board.walk(kEighty, kSmallB);
  EXPECT_EQ(board.track(), "1 1 1 2 5");
  board.throwDice({0, 0, 0}, {6, 6, 6});  // 27 squares from 20
  for (const auto& [distance, track] : {std::pair{16, "5 11 11 11 11"},
                                        {12, "11 22 22 22 33"},
                                        {4, "66 77 88 99 死"},
                                        {2, "88 99 死 死 死"},
                                        {1, "99 死 死 死 死"}}) {
    board.waitUntil(10800 + 2800 + 100 * std::int64_t{20 - distance});
    ASSERT_EQ(board.variable("distance"), distance);
    EXPECT_EQ(board.track(), track) << distance;
  }
  board.wait(100);
  EXPECT_EQ(session.host.messageBoxes(),
            std::vector<std::string>{"あなたも監禁されたいのね★（ニコリ）"});
  EXPECT_TRUE(board.shown("Label3"));
  EXPECT_EQ(board.caption("Label3"), "7") << "the steps left";
  board.wait(1000);
  EXPECT_EQ(board.variable("distance"), 0);
  EXPECT_EQ(board.window().backColor(), kRed);
}

}  // namespace
}  // namespace fm::testing
