// The rescue attempt and the five endings with their message boxes, the exact landing on the
// captor's square, boxes held open while time passes, and closing the window meanwhile.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/games/rescue/board.h"

namespace fm::testing {
namespace {

using Boxes = std::vector<std::string>;
const Boxes kRescued = {"ラビト、今助けるからね！！", "ラビト・・・よかった。無事だったのね",
                        "ラビト「ソルネ・・・ありがとう・・・」"};
const Boxes kFailed = {"ラビト、今助けるからね！！", "ラビトー！！！！",
                       "フフフ・・・私のラビトちゃんをとろうなんて", "お仕置きが必要ね★（ニコリ）"};
const Boxes kCaptorBack = {"ネモネモ「フフフ・・私から逃げられるとでも。」"};
const Boxes kTrueEnding = {"このままでは終われない！",
                           "私は・・・ラビトのことを助ける！！",
                           "この命を懸けてでも！",
                           "私の・・・大切な人",
                           "ネモネモ「う・・・私のラビトちゃんが・・・」",
                           "ラビト「ソルネ・・・本当にありがとう・・・」",
                           "ラビト・・・よかった・・・",
                           "ソルネ・・・これからもずっと一緒にいてくれ！"};
constexpr const char* kBoard = " Image6 Command1 Label2 track";
constexpr const char* kDefeatScreen = "rescue/nemonemo Image6";

Boxes operator+(Boxes first, const Boxes& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

// Walks from 100 to distance 1 (80, then 19 squares), where a rescue fails unless x is 98 or 99.
void walkNextToTheCaptor(Board& board) {
  board.walk({66, 6, 4}, {0, 0, 0});
  board.walk({6, 6, 0}, {6, 6, 0});
  ASSERT_EQ(board.variable("distance"), 1);
}

TEST(RescueEndings, EachEndingPlaysItsBoxesInOrderAndEndsWhereItShould) {
  const struct {
    bool nextToTheCaptor;
    int x, endingRoll, rollOf;  // the rescue draw and the ending roll Int(Rnd × rollOf)
    Boxes boxes;
    const char* end;
  } endings[] = {
      {false, 0, 0, 5, kRescued, "menu"},  // a plain rescue at distance 100
      {true, 98, 4, 5, kRescued, "menu"},
      {false, 99, 2, 5, kRescued + kCaptorBack, kDefeatScreen},
      {true, 97, 76, 100, kFailed, kDefeatScreen},
      {true, 0, 77, 100, kFailed + kTrueEnding, "rescue/hearts Image6 Image9"},
  };
  for (const auto& played : endings) {
    Session session;
    Board board(session);
    board.open();
    if (played.nextToTheCaptor) walkNextToTheCaptor(board);
    const std::int64_t pressed = session.host.now();
    board.rescue(played.x);
    session.queueInt(played.rollOf, played.endingRoll);
    EXPECT_FALSE(board.widget("Command1").enabled() || board.widget("Command2").enabled());
    board.waitUntil(pressed + 2999);
    EXPECT_EQ(session.host.messageBoxes().size(), 1U);
    board.waitUntil(pressed + 3000);
    EXPECT_EQ(board.shown("Image9"), played.boxes[1] == kRescued[1]);
    board.wait(600000);
    EXPECT_EQ(session.host.messageBoxes(), played.boxes) << played.end;
    EXPECT_EQ(board.screen(), played.end);
    if (std::string(played.end) != "menu") continue;
    board.open();
    EXPECT_EQ(board.variable("distance"), 100);
    EXPECT_EQ(board.screen(), kBoard);
  }
}

TEST(RescueEndings, TheCaptorReturnsTwoSecondsAfterTheWinPicture) {
  Session session;
  Board board(session);
  board.open();
  board.rescue(0);
  session.queueInt(5, 2);
  for (const auto& [time, screen] : {std::pair{3000, " Image6 Image9 Command1 Label2 track"},
                                     {4999, " Image6 Image9 Command1 Label2 track"},
                                     {5000, kBoard},
                                     {6999, kBoard},
                                     {7000, kDefeatScreen}}) {
    board.waitUntil(time);
    EXPECT_EQ(board.screen(), screen) << time;
  }
  EXPECT_EQ(board.window().backColor(), kRed);
  EXPECT_EQ(board.widget("Label1").foreColor(), kWhite);
  EXPECT_TRUE(board.runningTimers().empty());
}

TEST(RescueCaught, AnExactLandingDefeatsAndNoButtonComesBack) {
  Session session;
  Board board(session);
  board.open();
  board.walk({66, 6, 4}, {0, 0, 0});
  board.walk({6, 6, 1}, {0, 0, 0});  // 9 + 9 + 2: exactly the 20 squares left
  EXPECT_EQ(session.host.messageBoxes(), Boxes{"あなたも監禁されたいのね★（ニコリ）"});
  EXPECT_EQ(board.window().backColor(), kRed);
  EXPECT_FALSE(board.shown("Label3"));
  EXPECT_EQ(board.dice(), "- - -");
  EXPECT_FALSE(board.widget("Command1").enabled() || board.widget("Command2").enabled());
  board.click("Command2");
  board.click("Command1");
  board.wait(600000);
  EXPECT_EQ(session.host.messageBoxes().size(), 1U);
  EXPECT_EQ(board.screen(), kDefeatScreen);
  EXPECT_EQ(board.variable("distance"), 0);
}

TEST(RescueBoxes, HeldOpenTheyLetOtherGamesRunAndEachSequenceRunsOnce) {
  Session session;
  Board board(session);
  board.open();
  walkNextToTheCaptor(board);
  session.queueInt(100, 16);
  session.click("Form4", "Command2");
  session.click("Form3", "Command1", 0);  // a duel plays out beside the board
  // The rescue draw, the duel's three draws while the first box is open, the ending roll. The
  // duel shows its banner at 10 s and closes at 15 s; the second box opens at 14 s.
  session.queueInts(100, {0, 0, 0, 0, 77});
  std::vector<std::string> duelBanners;
  session.host.setMessageBoxDelay(11000);
  session.host.onMessageBox([&](Window&, const std::string&) {
    const Window& duel = session.form("Form3");
    duelBanners.emplace_back(duel.loaded() ? duel.widget("Image6").picture().name() : "closed");
  });
  board.click("Command2");
  board.wait(600000);
  EXPECT_EQ(session.host.messageBoxes(), kFailed + kTrueEnding) << "each sequence ran once";
  EXPECT_EQ(duelBanners.at(1), "duel/win") << "the duel went on while the first box was open";
  EXPECT_EQ(duelBanners.at(2), "closed");
  EXPECT_EQ(board.screen(), "rescue/hearts Image6 Image9");
}

TEST(RescueBoxes, ClosingTheWindowDuringItsBoxesEndsTheDialogue) {
  Session session;
  Board board(session);
  board.open();
  board.rescue(99);
  session.queueInt(5, 0);
  session.host.onMessageBox([&](Window&, const std::string& text) {
    if (text == kRescued[1]) board.close();
  });
  board.wait(600000);
  EXPECT_EQ(session.host.messageBoxes(), (Boxes{kRescued[0], kRescued[1]}));
  EXPECT_EQ(board.screen(), "menu") << "unloaded, the menu left as it was";
  board.open();
  EXPECT_EQ(board.screen(), kBoard);
  EXPECT_TRUE(board.runningTimers().empty());
}

}  // namespace
}  // namespace fm::testing
