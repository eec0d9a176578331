// The journey in the real program's windows: the pigeon is clickable anywhere on its picture
// and brings the hidden distance readout back on screen.

#include <QImage>

#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

using PigeonOnScreen = QtCollectionTest;

TEST_F(PigeonOnScreen, ClickingThePigeonShowsTheHiddenReadout) {
  clickOn(native("Form4", "Command3"));
  QWidget& journey = view("Form2");
  ASSERT_TRUE(journey.isVisible());
  expose(journey);
  const QRect readout(440, 32, 145, 49);  // Label2, in pixels
  advance(3500 + 13000);                  // the readout's first hiding
  ASSERT_FALSE(program.window("Form2").widget("Label2").visible());
  EXPECT_EQ(darkPixels(journey.grab().toImage(), readout), 0);

  clickAt(journey, QPoint(393 + 2, 208 + 97));  // the bottom-left corner of the pigeon's picture
  EXPECT_TRUE(program.window("Form2").widget("Label2").visible());
  EXPECT_GT(darkPixels(journey.grab().toImage(), readout), 50) << "the distance is on screen";
}

}  // namespace
}  // namespace fm::testing
