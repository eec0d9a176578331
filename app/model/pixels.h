#pragma once

#include <algorithm>
#include <cmath>

#include "app/model/picture.h"
#include "app/model/widget.h"

// Twips on the screen, for every host: kTwipsPerPixel to a pixel at the 96-dpi reference.
namespace fm {

// Twips to pixels, keeping fractions: painted widgets sit where the model puts them.
inline double toPixels(double twips) {
  return twips / kTwipsPerPixel;
}

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A button, option button or text box covers whole pixels: its edges are rounded, so
// neighbours that touch in twips still touch on screen.
inline PixelRect nativePixels(const Widget& widget) {
  const auto round = [](double twips) { return static_cast<int>(std::lround(toPixels(twips))); };
  const int left = round(widget.left());
  const int top = round(widget.top());
  const int right = round(double{widget.left()} + widget.width());
  const int bottom = round(double{widget.top()} + widget.height());
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

}  // namespace fm
