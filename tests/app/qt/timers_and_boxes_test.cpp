#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <utility>

#include "tests/support/qt_test_support.h"
#include "tests/support/qt_test_windows.h"
#include "tests/support/test_windows.h"

namespace fm::testing {
namespace {

class TimersAndBoxesTest : public QtHostTest {
 protected:
  TickWindow& ticks = program.add<TickWindow>();
  ModalBoxWindow& boxes = program.add<ModalBoxWindow>();
  TimersAndBoxesTest() {
    program.start(ticks);
    boxes.Show();
    applyModelChanges();
  }
};

TEST_F(TimersAndBoxesTest, PlatformTimerWakesOnceAFrameOrAtTheDueTimeOnlyWhileTimersRun) {
  host.setFrameInterval(17);
  EXPECT_FALSE(host.tickTimerArmed());
  ticks.widget("Timer1").setInterval(100);
  ticks.widget("Timer1").setEnabled(true);
  EXPECT_TRUE(host.tickTimerArmed());
  EXPECT_GT(host.tickTimerRemaining(), 90);
  clock = 103;
  host.deliverDueTicks();
  EXPECT_EQ(ticks.ticks1, 1);
  // After a quiet stretch the wake is at the due time: 200, not 100 ms after the late one.
  EXPECT_EQ(host.nextWake(), 200);
  EXPECT_EQ(host.tickTimerDue(), 200);
  ticks.widget("Timer2").setEnabled(true);  // every 150 ms: due at 253
  // Both timers are overdue: one frame delivers every tick that fell due, none dropped.
  clock = 460;
  host.deliverDueTicks();
  EXPECT_EQ(ticks.ticks1, 4);  // at 100, 200, 300 and 400
  EXPECT_EQ(ticks.ticks2, 2);  // at 253 and 403
  EXPECT_EQ(host.now(), 460);
  // A tick due sooner than a frame after the last one waits for the next frame.
  ticks.widget("Timer2").setEnabled(false);
  ticks.widget("Timer1").setEnabled(false);
  ticks.widget("Timer1").setInterval(1);
  ticks.widget("Timer1").setEnabled(true);
  EXPECT_EQ(host.nextWake(), 477);
  // Frames whose ticks take a millisecond to deliver: the platform timer still wakes a whole
  // frame after the last frame, not a millisecond sooner each time.
  program.onTick([this](const Widget&) { clock = host.now() + 1; });
  for (const std::int64_t frame : {477, 494}) {
    clock = frame;
    host.deliverDueTicks();
    EXPECT_EQ(host.tickTimerDue(), frame + 17);
  }
  program.onTick({});
  ticks.widget("Timer1").setEnabled(false);
  EXPECT_FALSE(host.tickTimerArmed());
}

TEST_F(TimersAndBoxesTest, PlatformTimerDeliversDueTicks) {
  ticks.widget("Timer1").setEnabled(true);
  clock = 5;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.ticks1 > 0; }, 1000));
}

TEST_F(TimersAndBoxesTest, BoxShowsItsTextUnderTheAppTitleWithOnlyOk) {
  QString text;
  QString title;
  bool plain = false;
  int width = 0;
  BoxAnswerer answer([&](QMessageBox& box) {
    text = box.text();
    title = box.windowTitle();
    width = box.width();
    plain = box.icon() == QMessageBox::NoIcon && box.iconPixmap().isNull() &&
            box.buttons().size() == 1 && box.isModal();
    return true;
  });
  expose(view("Boxes"));
  clickOn(native("Boxes", "Command1"));
  EXPECT_EQ(answer.boxesSeen, 1);
  EXPECT_EQ(boxes.buttonReturned, 1) << "the handler goes on once OK is pressed";
  EXPECT_EQ(text, QStringLiteral("押されました <b>&</b>"));
  EXPECT_EQ(title, QStringLiteral("ソルネ聖誕祭用ミニゲーム集"));
  EXPECT_TRUE(plain);
  EXPECT_GE(width, 260) << "room for the title above a short text";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TimersAndBoxesTest, OtherTimersTickWhileABoxWaitsButItsOwnTimerDoesNotReenter) {
  expose(view("Ticks"));
  ticks.widget("Timer1").setEnabled(true);
  boxes.widget("Timer1").setEnabled(true);
  int enteredWhileOpen = 0;
  BoxAnswerer answer([&](QMessageBox& /*box*/) {
    ++clock;
    // The box blocks the player's clicks in every other window.
    clickOn(native("Ticks", "Command1"));
    enteredWhileOpen = boxes.timerEntered;
    return ticks.ticks1 >= 4;
  });
  clock = 1;
  host.deliverDueTicks();
  EXPECT_EQ(answer.boxesSeen, 1);
  EXPECT_GE(ticks.ticks1, 4);
  EXPECT_EQ(enteredWhileOpen, 1);
  EXPECT_EQ(boxes.timerReturned, 1);
  EXPECT_EQ(ticks.clicks, 0);
  clickOn(native("Ticks", "Command1"));
  EXPECT_EQ(ticks.clicks, 1);
}

TEST_F(QtHostTest, ProgramQuitsWhenTheLastWindowClosesNotWhenAGameReturnsToTheMenu) {
  addMenuWithStandIns(program);
  program.start(program.window("Form4"));
  expose(view("Form4"));
  bool returnedToMenu = false;
  // Qt owns and frees the single-shot calls; the analyzer cannot see that.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
  QTimer::singleShot(0, [&] {
    clickOn(native("Form4", "Command1"));
    view("Form4").windowHandle()->close();
    // The game ends: it unloads itself, then shows the menu again.
    program.window("Form1").widget("owaritimer").setEnabled(true);
    clock += 1;
    host.deliverDueTicks();
    // Runs only if the program did not quit meanwhile.
    QTimer::singleShot(0, [&] {
      returnedToMenu = view("Form4").isVisible() && !view("Form1").isVisible();
      view("Form4").windowHandle()->close();
    });
  });
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  giveUp.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(returnedToMenu);
  EXPECT_TRUE(program.ended());
}

}  // namespace
}  // namespace fm::testing
