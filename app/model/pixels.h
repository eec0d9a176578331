#pragma once

#include <algorithm>
#include <cmath>

#include "app/model/picture.h"
#include "app/model/widget.h"
#include "app/model/window.h"

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

// Whether any of what a label, image or line paints lies on its window's client area: the
// banks of pictures and data a window keeps out of sight are left out of the screen, also for
// screen readers. A picture is painted at its natural size whatever its Image's size, a line
// with its one-pixel pen; an edge that only touches the client area shows nothing.
inline bool liesOnWindow(const Widget& widget) {
  double left = widget.left();
  double top = widget.top();
  double right = left + widget.width();
  double bottom = top + widget.height();
  if (widget.kind() == WidgetKind::Line) {
    left = std::min(widget.x1(), widget.x2());
    top = std::min(widget.y1(), widget.y2());
    right = std::max(widget.x1(), widget.x2()) + kTwipsPerPixel;
    bottom = std::max(widget.y1(), widget.y2()) + kTwipsPerPixel;
  } else if (const PictureAsset* asset =
                 widget.kind() == WidgetKind::Image ? widget.picture().asset() : nullptr) {
    right = std::max(right, left + asset->widthPx * kTwipsPerPixel);
    bottom = std::max(bottom, top + asset->heightPx * kTwipsPerPixel);
  }
  const Window& window = widget.window();
  return left < window.clientWidth() && top < window.clientHeight() && right > 0 && bottom > 0;
}

}  // namespace fm
