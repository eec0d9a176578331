#include "app/qt/picture_cache.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include "app/model/picture_svg.h"

namespace fm::qt {
namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString drawingPath(std::string_view drawing) {
  return QStringLiteral(":/assets/") + toQString(drawing) + QStringLiteral(".svg");
}

QPixmap renderSvg(const QByteArray& svg, QSize size, qreal devicePixelRatio) {
  QSvgRenderer renderer(svg);
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

QPixmap renderPicture(const PictureAsset& asset, qreal devicePixelRatio) {
  QFile file(drawingPath(asset.drawingName()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray drawing = file.readAll();
  const std::string svg = pictureSvg(drawing.toStdString(), asset);
  return renderSvg(QByteArray::fromStdString(svg), QSize(asset.widthPx, asset.heightPx),
                   devicePixelRatio);
}

const QPixmap& PictureCache::pixmap(const PictureAsset& asset, qreal devicePixelRatio) {
  auto key = std::make_pair(&asset, devicePixelRatio);
  auto found = rendered_.find(key);
  if (found == rendered_.end()) {
    // A missing picture is remembered as a null pixmap, so it is looked for only once.
    QPixmap pixmap = renderPicture(asset, devicePixelRatio);
    if (pixmap.isNull()) {
      qWarning("missing artwork %s", qPrintable(drawingPath(asset.drawingName())));
    }
    found = rendered_.emplace(std::move(key), std::move(pixmap)).first;
  }
  return found->second;
}

}  // namespace fm::qt
