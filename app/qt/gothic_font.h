#pragma once

#include <QFont>

namespace fm::qt {

// The size of text where a layout gives none, in points.
inline constexpr double kDefaultFontPoints = 9.0;

// The proportional Japanese gothic face of every text, at a size in points of the 96-dpi layout
// reference (9 pt is 12 logical pixels), so that text keeps its place in the layout whatever
// the screen's own resolution.
QFont gothicFont(double points = kDefaultFontPoints);

}  // namespace fm::qt
