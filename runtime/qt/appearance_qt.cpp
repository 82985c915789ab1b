// Colours and fonts through the desktop's palette and fontconfig.
#include "runtime/qt/appearance_qt.h"

#include <QApplication>
#include <QPalette>

#include "runtime/qt/gbk_qt.h"

namespace kestrune::qt {
namespace {

// Faces that stand in for 宋体, in order of preference: its English name, then Song (Ming)
// faces as the Windows program uses, then a CJK face found on most Linux desktops.
const char* const kStandInFaces[] = {"SimSun", "AR PL UMing CN", "Noto Serif CJK SC",
                                     "WenQuanYi Zen Hei"};

}  // namespace

QColor ColorOf(Color color) {
  if (color == kButtonFace) return QApplication::palette().color(QPalette::Button);
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont FontOf(const FontSpec& font) {
  if (!font.face) return QApplication::font();
  QStringList faces{FromGbk(font.face)};
  for (const char* standIn : kStandInFaces) faces.append(QLatin1String(standIn));
  QFont chosen;
  chosen.setFamilies(faces);  // the first that the system has
  chosen.setPixelSize(font.height);
  chosen.setWeight(static_cast<QFont::Weight>(font.weight));
  return chosen;
}

}  // namespace kestrune::qt
