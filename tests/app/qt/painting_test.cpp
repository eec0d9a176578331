#include <QImage>
#include <QPaintEvent>
#include <QRegion>

#include "tests/support/qt_test_support.h"
#include "tests/support/qt_test_windows.h"

namespace fm::testing {
namespace {

class PaintingTest : public QtHostTest {
 protected:
  PixelPanelWindow& panel = program.add<PixelPanelWindow>();
  PaintingTest() { program.start(panel); }

  QColor pixel(QPoint at) { return view("Panel").grab().toImage().pixelColor(at); }
};

// Collects the regions a widget is asked to repaint.
class PaintRecorder final : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

const QColor kGrey(240, 240, 240);

TEST_F(PaintingTest, FirstLayoutRowIsInFront) {
  // Label1 (red) covers 200..239 x 110..149, Label2 (blue) 220..259 x 130..169.
  EXPECT_EQ(pixel({230, 140}), QColor(Qt::red));
  EXPECT_EQ(pixel({250, 160}), QColor(Qt::blue));
  EXPECT_EQ(pixel({150, 190}), QColor(Qt::green)) << "the line";
  EXPECT_NE(pixel({26, 130}), kGrey) << "the icon picture";
  EXPECT_EQ(pixel({290, 20}), kGrey);
}

TEST_F(PaintingTest, ModelChangesShowOnTheSurface) {
  panel.widget("Label1").setVisible(false);
  panel.widget("Image1").setPicture(Picture());
  panel.setBackColor(kWhite);
  applyModelChanges();
  EXPECT_EQ(pixel({230, 140}), QColor(Qt::blue)) << "hidden labels are not drawn";
  EXPECT_EQ(pixel({14, 130}), QColor(Qt::white)) << "an empty picture draws nothing";
  panel.setPicture(Picture(&kIconPicture));
  panel.widget("Command1").setVisible(false);  // it lies over the picture
  applyModelChanges();
  EXPECT_NE(pixel({16, 20}), QColor(Qt::white)) << "the background picture at the top left";
  EXPECT_EQ(pixel({40, 20}), QColor(Qt::white));
}

TEST_F(PaintingTest, OnlyWhatChangedIsRepainted) {
  QWidget& window = view("Panel");
  expose(window);
  QCoreApplication::processEvents();
  PaintRecorder recorder;
  window.installEventFilter(&recorder);
  panel.widget("Label2").setLeft(3900);  // 220 -> 260 pixels
  applyModelChanges();
  QCoreApplication::processEvents();
  // (QRegion::contains(QRect) only tells whether they overlap.)
  EXPECT_TRUE(QRegion(220, 130, 40, 40).subtracted(recorder.painted).isEmpty()) << "where it was";
  EXPECT_TRUE(QRegion(260, 130, 40, 40).subtracted(recorder.painted).isEmpty()) << "where it is";
  EXPECT_FALSE(recorder.painted.contains(QPoint(20, 20)));
  EXPECT_EQ(pixel({225, 160}), kGrey);
  window.removeEventFilter(&recorder);
}

}  // namespace
}  // namespace fm::testing
