#pragma once

#include <QPixmap>
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
  std::map<std::pair<std::string, qreal>, QPixmap> rendered_;
};

// Renders an SVG resource at `size` logical pixels; a null pixmap when it cannot be read.
QPixmap renderSvg(const QString& path, QSize size, qreal devicePixelRatio);

// The resource path of an asset: "swim/pool" is ":/assets/swim/pool.svg".
QString assetPath(const PictureAsset& asset);

}  // namespace fm::qt
