#include "app/qt/gothic_font.h"

#include <QFontDatabase>
#include <QString>
#include <QtMath>

namespace fm::qt {
namespace {

// The first of the Japanese gothic faces that this system has. IPAPGothic comes first on
// purpose: where a face lacks kana or kanji, fontconfig would otherwise fall back to the
// fixed-pitch IPAGothic. One family rather than the whole list: with a list, Qt asks fontconfig
// for the fallbacks of every script of every listed family, which slows down the first paint.
const QString& gothicFamily() {
  static const QString family = [] {
    for (const char* name :
         {"IPAPGothic", "Noto Sans CJK JP", "MS PGothic", "Hiragino Kaku Gothic ProN"}) {
      QString candidate = QString::fromLatin1(name);
      if (QFontDatabase::hasFamily(candidate)) return candidate;
    }
    return QStringLiteral("IPAPGothic");  // none of them: whatever fontconfig substitutes
  }();
  return family;
}

}  // namespace

QFont gothicFont(double points) {
  QFont font(gothicFamily());
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Normal);
  constexpr double kLayoutDpi = 96.0;
  constexpr double kPointsPerInch = 72.0;
  font.setPixelSize(qMax(1, qRound(points * kLayoutDpi / kPointsPerInch)));
  return font;
}

}  // namespace fm::qt
