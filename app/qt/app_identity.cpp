#include "app/qt/app_identity.h"

namespace fm::qt {

QString applicationTitle() {
  return QStringLiteral("ソルネ聖誕祭用ミニゲーム集");
}

QIcon applicationIcon() {
  // Qt's SVG icon engine draws the artwork at each size a window asks for, when it asks for it:
  // starting the program or opening a window draws no icon up front.
  return QIcon(QStringLiteral(":/assets/app/icon.svg"));
}

}  // namespace fm::qt
