#include "app/qt/picture_cache.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

namespace fm::qt {
namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray escapedForXml(std::string_view text) {
  return toQString(text).toHtmlEscaped().toUtf8();
}

}  // namespace

QString drawingPath(std::string_view drawing) {
  return QStringLiteral(":/assets/") + toQString(drawing) + QStringLiteral(".svg");
}

QByteArray fillSlots(QByteArray drawing, const PictureAsset& asset) {
  drawing.replace("{{text}}", escapedForXml(asset.text));
  drawing.replace("{{fill}}", escapedForXml(asset.fill));
  drawing.replace("{{ink}}", escapedForXml(asset.ink));
  return drawing;
}

QPixmap renderSvg(const QByteArray& svg, QSize size, qreal devicePixelRatio, bool turned) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid() || size.isEmpty()) return {};
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QPixmap pixmap(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (turned) {
    painter.translate(size.width(), size.height());
    painter.rotate(180);
  }
  renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
  return pixmap;
}

QPixmap renderPicture(const PictureAsset& asset, qreal devicePixelRatio) {
  QFile file(drawingPath(asset.drawingName()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return renderSvg(fillSlots(file.readAll(), asset), QSize(asset.widthPx, asset.heightPx),
                   devicePixelRatio, asset.turned);
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
