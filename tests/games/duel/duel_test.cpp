// The duel from the draw at load to the return to the menu: the opponent's card, the lines and
// her reaction, the chain of steps on its timeline, and the rematch.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/game_window.h"

namespace fm::testing {
namespace {

constexpr int kWinRoll = 16;  // the load's draw for each outcome
constexpr int kRematchRoll = 17;
constexpr int kLossRoll = 18;
constexpr const char* kNothingLaid = "   |  | ";  // no card, no mark, no line

class Duel : public GameWindow {
 public:
  explicit Duel(Session& session) : GameWindow(session, "Form3") {}

  // Clicks "じゃんけん" on the menu, the load drawing `roll`.
  void open(int roll) {
    session_.queueInt(100, roll);
    session_.click("Form4", "Command2");
  }

  // The pictures of the opponent's card, the player's card and the banner slot, then both lines.
  [[nodiscard]] std::string table() const {
    return picture("Image1") + " " + picture("Image4") + " " + picture("Image6") + " | " +
           caption("Label1") + " | " + (shown("Label2") ? caption("Label2") : "(hidden)");
  }

  struct Moment {
    std::int64_t time;  // after the press
    std::string table;
  };
  // Lets the chain run from a press just made, checking the table at each moment and that at
  // most one step timer is ever enabled.
  void expectTimeline(std::initializer_list<Moment> moments) {
    const std::int64_t pressed = session_.host.now();
    for (const Moment& moment : moments) {
      while (session_.host.now() < pressed + moment.time) {
        wait(1);
        const auto timers = runningTimers();
        const auto steps = std::count_if(timers.begin(), timers.end(), [](const auto& name) {
          return name.starts_with("Timer");
        });
        ASSERT_LE(steps, 1) << "at " << session_.host.now() - pressed;
      }
      EXPECT_EQ(table(), moment.table) << "at " << moment.time;
    }
  }
};

TEST(DuelLoad, TheDrawDecidesTheOutcomeAndNothingMovesBeforeThePress) {
  const struct {
    int roll, outcome;
  } draws[] = {{0, 1}, {16, 1}, {17, 2}, {18, 3}, {99, 3}};
  for (const auto& draw : draws) {
    Session session;
    Duel duel(session);
    duel.open(draw.roll);
    EXPECT_EQ(duel.variable("outcome"), draw.outcome) << draw.roll;
    EXPECT_EQ(duel.window().activeControl(), &duel.widget("Command1", 0));
    duel.wait(600000);
    EXPECT_TRUE(duel.runningTimers().empty());
    EXPECT_EQ(duel.table(), kNothingLaid);
  }
}

TEST(DuelCards, TheOpponentsCardFitsTheOutcomeForEveryHand) {
  const struct {
    int roll;
    std::int16_t hand;
    const char* cards;  // the table once both are face up
  } duels[] = {
      {kWinRoll, 0, "duel/choki_turned duel/gu duel/win"},
      {kWinRoll, 1, "duel/pa_turned duel/choki duel/win"},
      {kWinRoll, 2, "duel/gu_turned duel/pa duel/win"},
      {kLossRoll, 0, "duel/pa_turned duel/gu duel/lose"},
      {kLossRoll, 1, "duel/gu_turned duel/choki duel/lose"},
      {kLossRoll, 2, "duel/choki_turned duel/pa duel/lose"},
      {kRematchRoll, 0, "duel/pa_turned duel/gu duel/lose"},
      {kRematchRoll, 1, "duel/gu_turned duel/choki duel/lose"},
      {kRematchRoll, 2, "duel/choki_turned duel/pa duel/lose"},
  };
  for (const auto& played : duels) {
    Session session;
    Duel duel(session);
    duel.open(played.roll);
    duel.click("Command1", played.hand);
    for (int hand = 0; hand < 3; ++hand) EXPECT_FALSE(duel.shown("Command1", hand));
    duel.wait(10000);
    EXPECT_EQ(duel.table().substr(0, duel.table().find(" |")), played.cards)
        << "roll " << played.roll << ", hand " << played.hand;
  }
}

TEST(DuelLines, EachDrawPicksItsLineAndOnlyALosingOpponentIsSurprised) {
  const struct {
    int roll, first, second, reveal;
    const char* playerLine;
    const char* opponentLine;
    const char* afterReveal;  // nullptr when the line stays
  } duels[] = {
      {kWinRoll, 90, 80, 95, "私は・・・ここで負けられない", "ソルネ先輩・・・のカード何かなぁ・・・", nullptr},
      {kWinRoll, 91, 81, 96, "私にはテヌリが出すカードがわかるの", "ソルネ先輩のことだから、あれ出してくるのかな", "え・・・うそ・・・"},
      {kWinRoll, 40, 20, 99, "テヌリ、負けないわよ！", "この勝負、私が勝つ！", "え・・・うそ・・・"},
      {kWinRoll, 41, 21, 0, "私は・・・ここで負けられない", "ソルネ先輩・・・のカード何かなぁ・・・", nullptr},
      {kLossRoll, 20, 45, 99, "私は・・・ここで負けられない", "この勝負、私が勝つ！", nullptr},
      {kLossRoll, 21, 46, 96, "テヌリ、負けないわよ！", "ソルネ先輩・・・のカード何かなぁ・・・", nullptr},
      {kLossRoll, 99, 50, 0, "テヌリ、負けないわよ！", "ソルネ先輩・・・のカード何かなぁ・・・", nullptr},
      {kRematchRoll, 0, 51, 99, "私は・・・ここで負けられない", "ソルネ先輩のことだから、あれ出してくるのかな", nullptr},
  };
  for (const auto& played : duels) {
    Session session;
    Duel duel(session);
    duel.open(played.roll);
    session.queueInts(100, {played.first, played.second, played.reveal});
    duel.click("Command1", 0);
    duel.wait(4000);
    EXPECT_EQ(duel.caption("Label2"), played.playerLine) << played.first;
    EXPECT_EQ(duel.caption("Label1"), played.opponentLine) << played.second;
    duel.wait(3000);
    EXPECT_EQ(duel.caption("Label1"), played.afterReveal ? played.afterReveal : played.opponentLine)
        << "reveal draw " << played.reveal << " with roll " << played.roll;
  }
}

TEST(DuelTimeline, EveryStepComesOnTimeAndTheMenuIsBackFifteenSecondsAfterThePress) {
  Session session;
  Duel duel(session);
  duel.open(kWinRoll);
  session.queueInts(100, {0, 0, 0});
  duel.click("Command1", 0);
  const std::string lines = " | この勝負、私が勝つ！ | テヌリ、負けないわよ！";
  duel.expectTimeline({
      {0, " duel/back  |  | "},
      {1999, " duel/back  |  | "},
      {2000, "duel/back_turned duel/back  |  | "},
      {3000, "duel/back_turned duel/back  |  | テヌリ、負けないわよ！"},
      {5999, "duel/back_turned duel/back " + lines},
      {6000, "duel/back_turned duel/back duel/open_blue" + lines},
      {6500, "duel/back_turned duel/gu " + lines},
      {8499, "duel/back_turned duel/gu " + lines},
      {8500, "duel/back_turned duel/gu duel/open_red" + lines},
      {9000, "duel/choki_turned duel/gu " + lines},
      {10000, "duel/choki_turned duel/gu duel/win" + lines},
      {14999, "duel/choki_turned duel/gu duel/win" + lines},
  });
  EXPECT_EQ(duel.runningTimers(), std::vector<std::string>{"owaritimer"});
  duel.wait(1);
  EXPECT_FALSE(duel.window().loaded());
  EXPECT_TRUE(session.form("Form4").visible());
}

TEST(DuelRematch, YominaTakesTheSeatWaitsForChokiAndLosesToIt) {
  Session session;
  Duel duel(session);
  duel.open(kRematchRoll);
  session.queueInts(100, {0, 99, 0});
  duel.click("Command1", 1);
  duel.expectTimeline({
      {10999, "duel/gu_turned duel/choki duel/lose | ソルネ先輩のことだから、あれ出してくるのかな | "
              "私は・・・ここで負けられない"},
      {11000, "  duel/lose | ソルネ先輩のことだから、あれ出してくるのかな | (hidden)"},
      {11500, "  duel/lose | 面白そう。私もやっていいかなぁ | (hidden)"},
  });
  EXPECT_EQ(duel.window().backColor(), 8454143);
  EXPECT_EQ(duel.picture("Image2"), "duel/yomina_turned");
  duel.wait(999);
  EXPECT_FALSE(duel.shown("Command2"));
  duel.wait(1);
  EXPECT_TRUE(duel.shown("Command2"));
  duel.wait(3600000);  // as long as the player likes
  EXPECT_TRUE(duel.runningTimers().empty());
  EXPECT_TRUE(duel.window().loaded());

  duel.click("Command2");
  EXPECT_FALSE(duel.shown("Command2"));
  const std::string sure = " | 面白そう。私もやっていいかなぁ | ヨミナの出すカードはパー。これは確実";
  duel.expectTimeline({
      {0, " duel/back duel/lose | 面白そう。私もやっていいかなぁ | (hidden)"},
      {1000, "duel/back_turned duel/back duel/lose" + sure},
      {3000, "duel/back_turned duel/back duel/open_blue" + sure},
      {3500, "duel/back_turned duel/choki " + sure},
      {5500, "duel/back_turned duel/choki duel/open_orange" + sure},
      {6000, "duel/pa_turned duel/choki " + sure},
      {7000, "duel/pa_turned duel/choki  | うぅ・・・ | ヨミナの出すカードはパー。これは確実"},
      {12499, "duel/pa_turned duel/choki duel/win | うぅ・・・ | ヨミナの出すカードはパー。これは確実"},
  });
  duel.wait(1);
  EXPECT_FALSE(duel.window().loaded());
  EXPECT_TRUE(session.form("Form4").visible());
}

TEST(DuelWindow, ClosedMidChainItStopsAndReopensWithANewDraw) {
  Session session;
  Duel duel(session);
  duel.open(kWinRoll);
  duel.click("Command1", 2);
  duel.wait(5000);
  duel.close();
  duel.wait(60000);
  EXPECT_FALSE(duel.window().loaded());
  EXPECT_TRUE(session.form("Form4").visible());
  duel.open(kLossRoll);
  EXPECT_EQ(duel.variable("outcome"), 3);
  EXPECT_EQ(duel.table(), kNothingLaid);
  EXPECT_TRUE(duel.shown("Command1", 2));
  EXPECT_TRUE(duel.runningTimers().empty());
}

}  // namespace
}  // namespace fm::testing
