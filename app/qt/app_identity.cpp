#include "app/qt/app_identity.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace fm::qt {

QString applicationTitle() {
  return QStringLiteral("ソルネ聖誕祭用ミニゲーム集");
}

QIcon applicationIcon() {
  QSvgRenderer renderer(QStringLiteral(":/assets/app/icon.svg"));
  QIcon icon;
  if (!renderer.isValid()) return icon;
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace fm::qt
