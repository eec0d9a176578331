#include "app/qt/picture_cache.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

namespace fm::qt {

QString assetPath(const PictureAsset& asset) {
  return QStringLiteral(":/assets/") +
         QString::fromUtf8(asset.name.data(), static_cast<qsizetype>(asset.name.size())) +
         QStringLiteral(".svg");
}

QPixmap renderSvg(const QString& path, QSize size, qreal devicePixelRatio) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid() || size.isEmpty()) return {};
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QPixmap pixmap(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
  return pixmap;
}

const QPixmap& PictureCache::pixmap(const PictureAsset& asset, qreal devicePixelRatio) {
  auto key = std::make_pair(std::string(asset.name), devicePixelRatio);
  auto found = rendered_.find(key);
  if (found == rendered_.end()) {
    // A missing picture is remembered as a null pixmap, so it is looked for only once.
    QPixmap pixmap =
        renderSvg(assetPath(asset), QSize(asset.widthPx, asset.heightPx), devicePixelRatio);
    if (pixmap.isNull()) qWarning("missing artwork %s", qPrintable(assetPath(asset)));
    found = rendered_.emplace(std::move(key), std::move(pixmap)).first;
  }
  return found->second;
}

}  // namespace fm::qt
