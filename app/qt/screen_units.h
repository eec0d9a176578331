#pragma once

#include <QColor>
#include <QLineF>
#include <QRect>
#include <QRectF>
#include <QtMath>
#include <cstdint>

#include "app/model/colours.h"
#include "app/model/picture.h"
#include "app/model/widget.h"

namespace fm::qt {

// Twips to logical pixels, keeping fractions: painted widgets sit where the model puts them.
inline qreal toPixels(double twips) {
  return twips / kTwipsPerPixel;
}

inline QRectF paintedRect(const Widget& widget) {
  return {toPixels(widget.left()), toPixels(widget.top()), toPixels(widget.width()),
          toPixels(widget.height())};
}

inline QLineF lineInPixels(const Widget& line) {
  return {toPixels(line.x1()), toPixels(line.y1()), toPixels(line.x2()), toPixels(line.y2())};
}

// A native widget covers whole pixels: its edges are rounded, so neighbours that touch in twips
// still touch on screen.
inline QRect nativeRect(const Widget& widget) {
  const int left = qRound(toPixels(widget.left()));
  const int top = qRound(toPixels(widget.top()));
  const int right = qRound(toPixels(double{widget.left()} + widget.width()));
  const int bottom = qRound(toPixels(double{widget.top()} + widget.height()));
  return {left, top, qMax(0, right - left), qMax(0, bottom - top)};
}

inline QColor toQColor(std::int32_t colour) {
  const Rgb rgb = toRgb(colour);
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace fm::qt
