#include <gtest/gtest.h>

#include <string>

#include "app/headless/headless_host.h"
#include "menu/form4.h"
#include "tests/support/returning_game.h"
#include "tests/support/session.h"

namespace fm {
namespace {

using testing::ReturningGame;
using Order = ReturningGame::Order;

TEST(Menu, StartsAloneWithItsLayout) {
  testing::Session session;
  const Window& menu = session.form("Form4");
  EXPECT_TRUE(menu.visible());
  EXPECT_EQ(menu.caption(), "ソルネ聖誕祭用ミニゲーム集");
  EXPECT_EQ(menu.clientWidth(), 5235);
  EXPECT_EQ(menu.clientHeight(), 4140);
  for (const char* game : {"Form1", "Form2", "Form3", "Form5"}) {
    EXPECT_FALSE(session.form(game).loaded()) << game;
  }
  EXPECT_EQ(menu.activeControl(), &session.widget("Form4", "Command1"));
  EXPECT_EQ(session.widget("Form4", "Label1", 0).caption(), "マスコットアイコン");
  EXPECT_EQ(session.widget("Form4", "Label1", 1).alignment(), 2);
  EXPECT_EQ(session.widget("Form4", "Label1", 1).backStyle(), 0);
  EXPECT_EQ(session.widget("Form4", "Text1", 1).tabIndex(), 7);
  EXPECT_FALSE(session.widget("Form4", "Text1", 0).text().empty());
}

TEST(Menu, EachButtonOpensItsGameBesideTheMenu) {
  testing::Session session;
  const std::pair<const char*, const char*> buttons[] = {
      {"Command1", "Form1"}, {"Command2", "Form3"}, {"Command3", "Form2"}, {"Command4", "Form5"}};
  for (const auto& [button, game] : buttons) {
    session.click("Form4", button);
    EXPECT_TRUE(session.form(game).visible()) << button;
  }
  EXPECT_TRUE(session.form("Form4").visible());
  EXPECT_EQ(session.form("Form1").caption(), "水泳勝負");
  EXPECT_EQ(session.form("Form2").caption(), "大阪東京間鳩襲来伝説");
  EXPECT_EQ(session.form("Form3").caption(), "カードじゃんけん一本勝負");
  EXPECT_EQ(session.form("Form5").caption(), "ネモネモからラビト（ちゃん）を救え");
}

TEST(Menu, ClosingTheMenuLeavesGamesOpenAndTheLastWindowEndsTheProgram) {
  testing::Session session;
  bool ended = false;
  session.host.onEnded([&] { ended = true; });
  session.click("Form4", "Command1");
  session.close("Form4");
  EXPECT_FALSE(ended);
  EXPECT_TRUE(session.form("Form1").visible());
  session.close("Form1");
  EXPECT_TRUE(ended);
}

// A program with the real menu and game windows of the tests' own that return in either order.
class MenuReturns : public ::testing::Test {
 protected:
  MenuReturns() {
    host.onEnded([this] { ended = true; });
    program.start(menu);
  }
  void open(const char* button) { program.click(menu.widget(button)); }
  void finish(ReturningGame& game) {
    program.click(game.widget("Start"));
    host.wait(5000);
  }

  Program program;
  HeadlessHost host{program};
  Form4& menu = program.add<Form4>();
  ReturningGame& swim = program.add<ReturningGame>("Form1", Order::MenuFirst);
  ReturningGame& pigeon = program.add<ReturningGame>("Form2", Order::UnloadFirst);
  ReturningGame& duel = program.add<ReturningGame>("Form3", Order::MenuFirst);
  ReturningGame& rescue = program.add<ReturningGame>("Form5", Order::UnloadFirst);
  bool ended = false;
};

TEST_F(MenuReturns, ClickingAnOpenGamesButtonOnlyShowsItAgain) {
  open("Command1");
  program.click(swim.widget("Start"));
  host.wait(3000);
  open("Command1");  // the running game is not restarted
  host.wait(2000);
  EXPECT_TRUE(swim.handlerFinished);
  EXPECT_FALSE(swim.loaded());
}

TEST_F(MenuReturns, BothOrdersBringTheMenuBackWithoutEndingTheProgram) {
  for (ReturningGame* game : {&swim, &pigeon}) {
    open(game == &swim ? "Command1" : "Command3");
    program.close(menu);
    finish(*game);
    EXPECT_TRUE(game->handlerFinished);
    EXPECT_FALSE(game->loaded());
    EXPECT_TRUE(menu.visible());
    EXPECT_FALSE(ended);
  }
}

TEST_F(MenuReturns, AMenuThatComesBackClosesTheGamesThatReturnThroughIt) {
  open("Command1");
  open("Command2");
  open("Command3");
  open("Command4");
  program.close(menu);
  finish(pigeon);
  // The menu was loaded again: its Form_Load unloaded the race and the duel, not the rescue.
  EXPECT_TRUE(menu.visible());
  EXPECT_FALSE(swim.loaded());
  EXPECT_FALSE(duel.loaded());
  EXPECT_TRUE(rescue.visible());
}

TEST_F(MenuReturns, AGameReturningToAnOpenMenuLeavesTheOtherGamesOpen) {
  open("Command1");
  open("Command2");
  finish(swim);
  EXPECT_TRUE(menu.visible());
  EXPECT_FALSE(swim.loaded());
  EXPECT_TRUE(duel.visible());
}

TEST_F(MenuReturns, ReturnFromTheMenuFirstGameWhenTheMenuWasClosed) {
  open("Command1");
  program.close(menu);
  finish(swim);
  // Showing the menu loaded it, and its Form_Load unloaded the game while its handler ran on.
  EXPECT_TRUE(swim.handlerFinished);
  EXPECT_FALSE(swim.loaded());
  EXPECT_TRUE(menu.visible());
  EXPECT_EQ(menu.activeControl(), &menu.widget("Command1"));
}

TEST_F(MenuReturns, ClosingAGameWindowLeavesTheMenuAlone) {
  open("Command4");
  program.close(rescue);
  EXPECT_FALSE(rescue.loaded());
  EXPECT_TRUE(menu.visible());
  EXPECT_FALSE(ended);
  program.close(menu);
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace fm
