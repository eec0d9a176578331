// The rescue board in the real program's windows: boxes raised inside ticks while the race
// runs in another window, and the board closed while one of its boxes is open.

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

QStringList warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // The offscreen platform's notices of what it cannot do (raise a window, size a box to its
  // hints) say nothing about the program.
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (type != QtDebugMsg && type != QtInfoMsg) warnings << message;
}

class BoardOnScreen : public QtCollectionTest {
 protected:
  BoardOnScreen() {
    warnings.clear();
    previousHandler_ = qInstallMessageHandler(recordWarnings);
    clickOn(native("Form4", "Command1"));
    clickOn(native("Form1", "Command3"));  // the race runs beside the board
    clickOn(native("Form4", "Command4"));
    expose(view("Form5"));
  }
  ~BoardOnScreen() override { qInstallMessageHandler(previousHandler_); }

  Window& board() { return program.window("Form5"); }
  float marker() { return program.window("Form1").widget("Image5").left(); }
  // Presses "救助" with a rescue draw that always succeeds and a plain ending roll, answering
  // the rescue's own box at once.
  void rescue() {
    program.random().queue(0.99F);
    program.random().queue(0.1F);
    const BoxAnswerer answer([](QMessageBox&) { return true; });
    clickOn(native("Form5", "Command2"));
  }

 private:
  QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(BoardOnScreen, BoxesRaisedInATickLetTheRaceRunAndComeOnce) {
  rescue();
  QStringList texts;
  const BoxAnswerer answer([&](QMessageBox& box) {
    texts << box.text();
    // While the box waits, the race keeps going and the board's own timer stays held back.
    const float before = marker();
    advance(600);
    EXPECT_NE(marker(), before);
    return true;
  });
  advance(3000);
  EXPECT_EQ(texts, (QStringList{QStringLiteral("ラビト・・・よかった。無事だったのね"),
                                QStringLiteral("ラビト「ソルネ・・・ありがとう・・・」")}));
  EXPECT_TRUE(board().widget("Image9").visible());
  advance(3000);
  EXPECT_FALSE(board().loaded());
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(BoardOnScreen, ClosingTheBoardWhileItsBoxIsOpenEndsTheDialogueQuietly) {
  rescue();
  int boxes = 0;
  const BoxAnswerer answer([&](QMessageBox&) {
    ++boxes;
    view("Form5").close();  // the box goes with its window
    return false;
  });
  advance(3000);
  advance(10000);
  EXPECT_EQ(boxes, 1);
  EXPECT_FALSE(board().loaded());
  EXPECT_FALSE(view("Form5").isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(view("Form4").isVisible());
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

}  // namespace
}  // namespace fm::testing
