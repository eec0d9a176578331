#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <map>
#include <string>
#include <utility>

#include "app/model/picture.h"

namespace fm::qt {

// The artwork rendered to pixmaps: each asset once per device-pixel ratio, at its catalogued
// size in logical pixels, so that pictures stay crisp on high-density screens.
class PictureCache {
 public:
  // The rendered asset; a null pixmap when its artwork is missing or unreadable.
  const QPixmap& pixmap(const PictureAsset& asset, qreal devicePixelRatio);

 private:
  // Assets are static data: each is known by its address.
  std::map<std::pair<const PictureAsset*, qreal>, QPixmap> rendered_;
};

// The resource path of a drawing: "swim/pool" is ":/assets/swim/pool.svg".
QString drawingPath(std::string_view drawing);

// Renders SVG text at `size` logical pixels; a null pixmap when it cannot be read.
QPixmap renderSvg(const QByteArray& svg, QSize size, qreal devicePixelRatio);

// A catalogued picture as the windows show it, read from the compiled-in drawings.
QPixmap renderPicture(const PictureAsset& asset, qreal devicePixelRatio);

}  // namespace fm::qt
