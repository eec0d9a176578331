#pragma once

#include <QPainter>
#include <QRect>
#include <QStaticText>
#include <string>
#include <unordered_map>

#include "app/model/widget.h"
#include "app/model/window.h"
#include "app/qt/picture_cache.h"

namespace fm::qt {

// Each label's caption laid out once and kept until its text, size, alignment or width
// changes: laying text out costs far more than drawing it, and most labels that are repainted
// have only been moved or uncovered.
class LabelTexts {
 public:
  const QStaticText& laidOut(const Widget& label, qreal width);

 private:
  struct Laid {
    std::string caption;
    double points = 0;
    int alignment = 0;
    qreal width = 0;
    QStaticText text;
  };
  std::unordered_map<const Widget*, Laid> laid_;
};

// Paints the window's own surface inside `exposed`: the background colour, the background
// picture, then its labels, images and lines from the last layout row to the first, so that
// the first row ends up in front. Buttons, option buttons and text boxes are real widgets
// lying above this surface.
void paintForm(QPainter& painter, const Window& window, PictureCache& pictures, LabelTexts& texts,
               const QRect& exposed);

// The part of the surface a painted widget covers, at fractional positions; empty for widgets
// that are not painted.
QRectF paintedExtent(const Widget& widget);

// The same as whole pixels with room for smoothing.
QRect paintedArea(const Widget& widget);

// The topmost visible Image at a point of the surface, or nullptr.
Widget* imageAt(const Window& window, QPointF position);

}  // namespace fm::qt
