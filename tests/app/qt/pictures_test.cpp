// Every picture of every window as the screen renders it: its drawing compiled in and readable,
// its slots filled, and a turned picture the exact half-turn of its upright one.

#include <QImage>
#include <QTransform>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "app/qt/picture_cache.h"
#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

using PicturesOnScreen = QtCollectionTest;

// The largest difference of any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  }
  return largest;
}

bool anyOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0) return true;
    }
  }
  return false;
}

TEST_F(PicturesOnScreen, EveryPictureRendersAndTurnedOnesAreTheirUprightHalfTurned) {
  std::map<std::string, QImage> rendered;
  for (const auto& window : program.windows()) {
    for (const auto& widget : window->widgets()) {
      const PictureAsset* asset = widget->picture().asset();
      if (asset == nullptr) continue;
      const QImage image = qt::renderPicture(*asset, 1.0).toImage();
      ASSERT_FALSE(image.isNull()) << asset->name;
      EXPECT_EQ(image.size(), QSize(asset->widthPx, asset->heightPx)) << asset->name;
      EXPECT_TRUE(anyOpaque(image)) << asset->name;
      rendered[std::string(asset->name)] = image;
    }
  }
  for (const char* card : {"duel/gu", "duel/choki", "duel/pa", "duel/back"}) {
    const QImage& turned = rendered.at(std::string(card) + "_turned");
    const QImage halfTurned = rendered.at(card).transformed(QTransform().rotate(180));
    ASSERT_EQ(turned.size(), halfTurned.size());
    // Antialiased edges may round the other way.
    EXPECT_LE(largestDifference(turned, halfTurned), 8) << card;
  }
  EXPECT_NE(rendered.at("rescue/face7"), rendered.at("rescue/face_blank")) << "the text slot";
  EXPECT_NE(rendered.at("rescue/marker0"), rendered.at("rescue/marker1")) << "the colour slots";
  EXPECT_NE(rendered.at("duel/open_blue"), rendered.at("duel/open_red"));
}

}  // namespace
}  // namespace fm::testing
