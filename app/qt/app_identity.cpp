#include "app/qt/app_identity.h"

#include "app/model/program_title.h"

namespace fm::qt {

QString applicationTitle() {
  return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

QIcon applicationIcon() {
  // Qt's SVG icon engine draws the artwork at each size a window asks for, when it asks for it:
  // starting the program or opening a window draws no icon up front.
  return QIcon(QStringLiteral(":/assets/app/icon.svg"));
}

}  // namespace fm::qt
