#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_windows.h"
#include "tests/tools/sim/scenario.h"

namespace fm::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(SimNavigation, EachMenuButtonOpensItsGameBesideTheMenu) {
  struct Game {
    const char* button;
    const char* window;
    const char* caption;
  };
  const Game games[] = {
      {"Command1", "Form1", "水泳勝負"},
      {"Command2", "Form3", "カードじゃんけん一本勝負"},
      {"Command3", "Form2", "大阪東京間鳩襲来伝説"},
      {"Command4", "Form5", "ネモネモからラビト（ちゃん）を救え"},
  };
  for (const Game& game : games) {
    Scenario scenario;
    const std::string form = game.window;
    EXPECT_EQ(scenario.run("get " + form + ".Loaded\n" +                                        //
                           "click Form4." + game.button + "\n" + "get " + form + ".Loaded\n" +  //
                           "get " + form + ".Visible\n" + "get " + form + ".Caption\n" +        //
                           "get Form4.Visible\n"),
              (Lines{"false", "true", "true", game.caption, "true"}))
        << game.button;
  }
}

TEST(SimNavigation, ClickingTheButtonOfAnOpenGameDoesNotRestartIt) {
  Scenario scenario(addMenuWithStandIns, "Form4");
  EXPECT_EQ(scenario.run("click Form4.Command1\n"
                         "wait 250\n"
                         "click Form4.Command1\n"
                         "get Form1.ticks\n"
                         "wait 50\n"
                         "get Form1.ticks\n"),
            (Lines{"2", "3"}));
}

TEST(SimNavigation, ClosingTheMenuLeavesOpenGamesRunning) {
  Scenario scenario(addMenuWithStandIns, "Form4");
  EXPECT_EQ(scenario.run("click Form4.Command3\n"
                         "click Form4.Command4\n"
                         "close Form4\n"
                         "get Form4.Loaded\n"
                         "wait 100\n"
                         "get Form2.ticks\n"
                         "get Form5.ticks\n"
                         "close Form2\n"
                         "get Form5.Visible\n"
                         "close Form5\n"),
            (Lines{"false", "1", "1", "true", "ended"}));
  EXPECT_EQ(scenario.status, 0);

  Scenario collection;
  EXPECT_EQ(collection.run("click Form4.Command1\n"
                           "close Form4\n"
                           "get Form1.Visible\n"),
            (Lines{"true"}));
}

}  // namespace
}  // namespace fm::testing
