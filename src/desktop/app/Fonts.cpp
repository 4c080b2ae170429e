#include "desktop/app/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "lesson/app/ControlTable.h"
#include "lesson/surface/Numeric.h"

namespace lesson {

QString JapaneseGothicFace() {
  static const QString face = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic",
                                  "TakaoPGothic", "Droid Sans Japanese"}) {
      if (installed.contains(QString::fromUtf8(candidate)))
        return QString::fromUtf8(candidate);
    }
    return QFont().defaultFamily();
  }();
  return face;
}

void InstallFontSubstitutes() {
  const QString face = JapaneseGothicFace();
  QFont::insertSubstitution(QString::fromUtf8(kControlFace), face);
  QFont::insertSubstitution(QStringLiteral("MS PGothic"), face);
}

QFont ControlFont(double points, bool bold) {
  QFont font(QString::fromUtf8(kControlFace));
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

QFont DefaultWindowFont() {
  QFont font(JapaneseGothicFace());
  font.setPixelSize(FontPixels(0));
  return font;
}

}  // namespace lesson
