#pragma once

#include <QPainter>
#include <QRect>

#include "app/model/widget.h"
#include "app/model/window.h"
#include "app/qt/picture_cache.h"

namespace fm::qt {

// Paints the window's own surface inside `exposed`: the background colour, the background
// picture, then its labels, images and lines from the last layout row to the first, so that
// the first row ends up in front. Buttons, option buttons and text boxes are real widgets
// lying above this surface.
void paintForm(QPainter& painter, const Window& window, PictureCache& pictures,
               const QRect& exposed);

// The part of the surface a painted widget covers, at fractional positions; empty for widgets
// that are not painted.
QRectF paintedExtent(const Widget& widget);

// The same as whole pixels with room for smoothing.
QRect paintedArea(const Widget& widget);

// The topmost visible Image at a point of the surface, or nullptr.
Widget* imageAt(const Window& window, QPointF position);

}  // namespace fm::qt
