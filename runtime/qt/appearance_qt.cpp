// Colours and fonts through the desktop's palette and fontconfig.
#include "runtime/qt/appearance_qt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include "runtime/qt/gbk_qt.h"

namespace kestrune::qt {
namespace {

// Faces that stand in for 宋体, in order of preference: its English name, then Song (Ming)
// faces as the Windows program uses, then a CJK face found on most Linux desktops.
const char* const kStandInFaces[] = {"SimSun", "AR PL UMing CN", "Noto Serif CJK SC",
                                     "WenQuanYi Zen Hei"};

QString FaceOrStandIn(const QString& face) {
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(face)) return face;
  for (const char* standIn : kStandInFaces) {
    if (installed.contains(QLatin1String(standIn))) return QLatin1String(standIn);
  }
  return face;
}

}  // namespace

QColor ColorOf(Color color) {
  if (color == kButtonFace) return QApplication::palette().color(QPalette::Button);
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont FontOf(const FontSpec& font) {
  if (!font.face) return QApplication::font();
  QFont chosen(FaceOrStandIn(FromGbk(font.face)));
  chosen.setPixelSize(font.height);
  chosen.setWeight(static_cast<QFont::Weight>(font.weight));
  return chosen;
}

}  // namespace kestrune::qt
