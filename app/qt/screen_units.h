#pragma once

#include <QColor>
#include <QLineF>
#include <QRect>
#include <QRectF>
#include <QtMath>
#include <cstdint>

#include "app/model/colours.h"
#include "app/model/picture.h"
#include "app/model/pixels.h"
#include "app/model/widget.h"

namespace fm::qt {

inline QRectF paintedRect(const Widget& widget) {
  return {toPixels(widget.left()), toPixels(widget.top()), toPixels(widget.width()),
          toPixels(widget.height())};
}

inline QLineF lineInPixels(const Widget& line) {
  return {toPixels(line.x1()), toPixels(line.y1()), toPixels(line.x2()), toPixels(line.y2())};
}

inline QRect nativeRect(const Widget& widget) {
  const PixelRect rect = nativePixels(widget);
  return {rect.left, rect.top, rect.width, rect.height};
}

inline QColor toQColor(std::int32_t colour) {
  const Rgb rgb = toRgb(colour);
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace fm::qt
