#include "app/qt/gothic_font.h"

#include <QStringList>
#include <QtMath>

namespace fm::qt {

QFont gothicFont(double points) {
  // IPAPGothic comes first on purpose: where a listed face lacks kana or kanji, fontconfig
  // would otherwise fall back to the fixed-pitch IPAGothic.
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                    QStringLiteral("MS PGothic"), QStringLiteral("Hiragino Kaku Gothic ProN")});
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Normal);
  constexpr double kLayoutDpi = 96.0;
  constexpr double kPointsPerInch = 72.0;
  font.setPixelSize(qMax(1, qRound(points * kLayoutDpi / kPointsPerInch)));
  return font;
}

}  // namespace fm::qt
