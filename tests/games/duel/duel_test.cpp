// The duel from the draw at load to the return to the menu: the opponent's card, the lines and
// her reaction, the chain of steps on its timeline, and the rematch.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/game_window.h"

namespace fm::testing {
namespace {

constexpr int kWinRoll = 16;  // the load's draw for each outcome
constexpr int kRematchRoll = 17;
constexpr int kLossRoll = 18;

// The lines, as the tables below name them.
const std::string kKnows = "私にはテヌリが出すカードがわかるの";
const std::string kCannot = "私は・・・ここで負けられない";
const std::string kWont = "テヌリ、負けないわよ！";
const std::string kThat = "ソルネ先輩のことだから、あれ出してくるのかな";
const std::string kWhich = "ソルネ先輩・・・のカード何かなぁ・・・";
const std::string kIll = "この勝負、私が勝つ！";
const std::string kUso = "え・・・うそ・・・";

class Duel : public GameWindow {
 public:
  explicit Duel(Session& session) : GameWindow(session, "Form3") {}

  // Clicks "じゃんけん" on the menu, the load drawing `roll`.
  void open(int roll) {
    session_.queueInt(100, roll);
    session_.click("Form4", "Command2");
  }

  // The opponent's card, the player's card and the banner slot ("-" when empty), then both
  // lines: "back_turned gu win | her line | mine".
  [[nodiscard]] std::string table() const {
    std::string shown;
    for (const char* slot : {"Image1", "Image4", "Image6"}) {
      const std::string name = picture(slot);
      shown += name.empty() ? "- " : name.substr(name.find('/') + 1) + " ";
    }
    return shown + "| " + caption("Label1") + " | " +
           (this->shown("Label2") ? caption("Label2") : "(hidden)");
  }

  // Lets the chain run from a press just made, checking the table at each moment (in ms after
  // the press) and that at most one step timer is ever enabled.
  void expectTimeline(std::initializer_list<std::pair<std::int64_t, std::string>> moments) {
    const std::int64_t pressed = session_.host.now();
    for (const auto& [time, expected] : moments) {
      while (session_.host.now() < pressed + time) {
        wait(1);
        const auto timers = runningTimers();
        ASSERT_LE(std::count_if(timers.begin(), timers.end(),
                                [](const std::string& name) { return name.starts_with("Timer"); }),
                  1)
            << "at " << session_.host.now() - pressed;
      }
      EXPECT_EQ(table(), expected) << "at " << time;
    }
  }
};

TEST(DuelLoad, TheDrawDecidesTheOutcomeAndNothingMovesBeforeThePress) {
  for (const auto& [roll, outcome] : {std::pair{0, 1}, {16, 1}, {17, 2}, {18, 3}, {99, 3}}) {
    Session session;
    Duel duel(session);
    duel.open(roll);
    EXPECT_EQ(duel.variable("outcome"), outcome) << roll;
    EXPECT_EQ(duel.window().activeControl(), &duel.widget("Command1", 0));
    duel.wait(600000);
    EXPECT_TRUE(duel.runningTimers().empty());
    EXPECT_EQ(duel.table(), "- - - |  | ");
  }
}

TEST(DuelCards, TheOpponentsCardFitsTheOutcomeForEveryHand) {
  const struct {
    int roll;
    std::int16_t hand;
    const char* cards;  // once both are face up and the banner is shown
  } duels[] = {{kWinRoll, 0, "choki_turned gu win"},     {kWinRoll, 1, "pa_turned choki win"},
               {kWinRoll, 2, "gu_turned pa win"},        {kLossRoll, 0, "pa_turned gu lose"},
               {kLossRoll, 1, "gu_turned choki lose"},   {kLossRoll, 2, "choki_turned pa lose"},
               {kRematchRoll, 0, "pa_turned gu lose"},   {kRematchRoll, 1, "gu_turned choki lose"},
               {kRematchRoll, 2, "choki_turned pa lose"}};
  for (const auto& played : duels) {
    Session session;
    Duel duel(session);
    duel.open(played.roll);
    duel.click("Command1", played.hand);
    for (int hand = 0; hand < 3; ++hand) EXPECT_FALSE(duel.shown("Command1", hand));
    duel.wait(10000);
    EXPECT_EQ(duel.table().substr(0, duel.table().find(" |")), played.cards) << played.hand;
  }
}

TEST(DuelLines, EachDrawPicksItsLineAndOnlyALosingOpponentIsSurprised) {
  const struct {
    int roll, first, second, reveal;
    const std::string &mine, &hers, &afterReveal;
  } duels[] = {{kWinRoll, 90, 80, 95, kCannot, kWhich, kWhich},
               {kWinRoll, 91, 81, 96, kKnows, kThat, kUso},
               {kWinRoll, 40, 20, 99, kWont, kIll, kUso},
               {kWinRoll, 41, 21, 0, kCannot, kWhich, kWhich},
               {kLossRoll, 20, 45, 99, kCannot, kIll, kIll},
               {kLossRoll, 21, 46, 96, kWont, kWhich, kWhich},
               {kLossRoll, 99, 50, 0, kWont, kWhich, kWhich},
               {kRematchRoll, 0, 51, 99, kCannot, kThat, kThat}};
  for (const auto& played : duels) {
    Session session;
    Duel duel(session);
    duel.open(played.roll);
    session.queueInts(100, {played.first, played.second, played.reveal});
    duel.click("Command1", 0);
    duel.wait(4000);
    EXPECT_EQ(duel.caption("Label2"), played.mine) << played.first;
    EXPECT_EQ(duel.caption("Label1"), played.hers) << played.second;
    duel.wait(3000);
    EXPECT_EQ(duel.caption("Label1"), played.afterReveal) << played.reveal << " " << played.roll;
  }
}

TEST(DuelTimeline, EveryStepComesOnTimeAndTheMenuIsBackFifteenSecondsAfterThePress) {
  Session session;
  Duel duel(session);
  duel.open(kWinRoll);
  session.queueInts(100, {0, 0, 0});
  duel.click("Command1", 0);
  const std::string lines = "| " + kIll + " | " + kWont;
  duel.expectTimeline({{0, "- back - |  | "},
                       {1999, "- back - |  | "},
                       {2000, "back_turned back - |  | "},
                       {3000, "back_turned back - |  | " + kWont},
                       {5999, "back_turned back - " + lines},
                       {6000, "back_turned back open_blue " + lines},
                       {6500, "back_turned gu - " + lines},
                       {8499, "back_turned gu - " + lines},
                       {8500, "back_turned gu open_red " + lines},
                       {9000, "choki_turned gu - " + lines},
                       {14999, "choki_turned gu win " + lines}});
  duel.wait(1);
  EXPECT_TRUE(duel.backAtTheMenu());
}

TEST(DuelRematch, YominaTakesTheSeatWaitsForChokiAndLosesToIt) {
  Session session;
  Duel duel(session);
  duel.open(kRematchRoll);
  session.queueInts(100, {0, 99, 0});
  duel.click("Command1", 1);
  const std::string join = "| 面白そう。私もやっていいかなぁ | ";
  duel.expectTimeline({{10999, "gu_turned choki lose | " + kThat + " | " + kCannot},
                       {11000, "- - lose | " + kThat + " | (hidden)"},
                       {11500, "- - lose " + join + "(hidden)"}});
  EXPECT_EQ(duel.window().backColor(), 8454143);
  EXPECT_EQ(duel.picture("Image2"), "duel/yomina_turned");
  duel.wait(999);
  EXPECT_FALSE(duel.shown("Command2"));
  duel.wait(1);
  EXPECT_TRUE(duel.shown("Command2"));
  duel.wait(3600000);  // as long as the player likes
  EXPECT_TRUE(duel.runningTimers().empty());

  duel.click("Command2");
  EXPECT_FALSE(duel.shown("Command2"));
  const std::string sure = "ヨミナの出すカードはパー。これは確実";
  duel.expectTimeline({{0, "- back lose " + join + "(hidden)"},
                       {1000, "back_turned back lose " + join + sure},
                       {3000, "back_turned back open_blue " + join + sure},
                       {3500, "back_turned choki - " + join + sure},
                       {5500, "back_turned choki open_orange " + join + sure},
                       {6000, "pa_turned choki - " + join + sure},
                       {7000, "pa_turned choki - | うぅ・・・ | " + sure},
                       {12499, "pa_turned choki win | うぅ・・・ | " + sure}});
  duel.wait(1);
  EXPECT_TRUE(duel.backAtTheMenu());
}

TEST(DuelWindow, ClosedMidChainItStopsAndReopensWithANewDraw) {
  Session session;
  Duel duel(session);
  duel.open(kWinRoll);
  duel.click("Command1", 2);
  duel.wait(5000);
  duel.close();
  duel.wait(60000);
  EXPECT_TRUE(duel.backAtTheMenu());
  duel.open(kLossRoll);
  EXPECT_EQ(duel.variable("outcome"), 3);
  EXPECT_EQ(duel.table(), "- - - |  | ");
  EXPECT_TRUE(duel.shown("Command1", 2) && duel.runningTimers().empty());
}

}  // namespace
}  // namespace fm::testing
