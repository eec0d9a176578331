// The rescue board in the real program's windows: boxes raised inside ticks while the race
// runs in another window, and the board closed while one of its boxes is open.

#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

class BoardOnScreen : public QtCollectionTest {
 protected:
  // Starts the race, opens the board and presses "救助" with a rescue draw that succeeds and a
  // plain ending roll, answering the rescue's own box at once.
  BoardOnScreen() {
    clickOn(native("Form4", "Command1"));
    clickOn(native("Form1", "Command3"));
    clickOn(native("Form4", "Command4"));
    expose(view("Form5"));
    program.random().queue(0.99F);
    program.random().queue(0.1F);
    const BoxAnswerer answer([](QMessageBox&) { return true; });
    clickOn(native("Form5", "Command2"));
  }

  Window& board() { return program.window("Form5"); }
  QtWarnings warnings;
};

TEST_F(BoardOnScreen, BoxesRaisedInATickLetTheRaceRunAndComeOnce) {
  QStringList texts;
  const BoxAnswerer answer([&](QMessageBox& box) {
    texts << box.text();
    // While the box waits the race goes on; the board's timer that raised it is held back.
    const float marker = program.window("Form1").widget("Image5").left();
    advance(600);
    EXPECT_NE(program.window("Form1").widget("Image5").left(), marker);
    return true;
  });
  advance(3000);
  EXPECT_EQ(texts, (QStringList{QStringLiteral("ラビト・・・よかった。無事だったのね"),
                                QStringLiteral("ラビト「ソルネ・・・ありがとう・・・」")}));
  EXPECT_TRUE(board().widget("Image9").visible());
  advance(3000);
  EXPECT_FALSE(board().loaded());
  EXPECT_EQ(QtWarnings::seen(), "");
}

TEST_F(BoardOnScreen, ClosingTheBoardWhileItsBoxIsOpenEndsTheDialogueQuietly) {
  int boxes = 0;
  const BoxAnswerer answer([&](QMessageBox&) {
    ++boxes;
    view("Form5").close();  // the box goes with its window
    return false;
  });
  advance(13000);
  EXPECT_EQ(boxes, 1);
  EXPECT_FALSE(board().loaded() || view("Form5").isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(view("Form4").isVisible());
  EXPECT_EQ(QtWarnings::seen(), "");
}

}  // namespace
}  // namespace fm::testing
