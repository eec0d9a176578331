// The race in the real program's windows: the arrow keys reach the race window once Start has
// been pressed, and the star moves on screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <cstdint>

#include "app/collection.h"
#include "app/model/program.h"
#include "app/qt/qt_host.h"

namespace fm {
namespace {

// The lane-1 strip the player's star travels along, in pixels.
QImage laneOne(QWidget& view) {
  return view.grab(QRect(100, 35, 140, 35)).toImage();
}

TEST(SwimOnScreen, TheArrowKeysStrokeAndTheStarMoves) {
  int argc = 1;
  char name[] = "swim_qt_tests";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);

  // A clock of the test's own, so that the countdown and the marker run without real waits.
  std::int64_t now = 0;
  Program program;
  addCollection(program);
  qt::QtHost host(program, [&now] { return now; });
  program.start(firstWindow(program));
  const auto advance = [&](int milliseconds) {
    for (int step = 0; step < milliseconds; ++step) {
      ++now;
      host.deliverDueTicks();
    }
  };

  Window& menu = program.window("Form4");
  auto* swimButton =
      qobject_cast<QPushButton*>(host.view(menu).nativeWidget(menu.widget("Command1")));
  ASSERT_NE(swimButton, nullptr);
  QTest::mouseClick(swimButton, Qt::LeftButton);

  Window& race = program.window("Form1");
  qt::FormView& view = host.view(race);
  ASSERT_TRUE(view.isVisible());
  auto* start = qobject_cast<QPushButton*>(view.nativeWidget(race.widget("Command3")));
  ASSERT_NE(start, nullptr);
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_FALSE(start->isEnabled());

  // The countdown, then 18 marker steps to the right end of the bar.
  advance(3000 + 18 * 30);
  ASSERT_EQ(race.widget("Image5").left(), 4680);
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const QImage before = laneOne(view);

  QTest::keyClick(view.windowHandle(), Qt::Key_Right);
  EXPECT_EQ(race.widget("sorunehosi").left(), 1680);
  EXPECT_EQ(race.widget("seimes").caption(), "Perfect");
  EXPECT_NE(laneOne(view), before) << "the star did not move on screen";

  // Locked until the marker is back at the centre: a second press changes nothing.
  QTest::keyClick(view.windowHandle(), Qt::Key_Right);
  EXPECT_EQ(race.widget("sorunehosi").left(), 1680);
}

}  // namespace
}  // namespace fm
