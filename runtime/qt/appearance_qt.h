// The template's colours and fonts as Qt's.
#pragma once

#include <QColor>
#include <QFont>

#include "runtime/window_template.h"

namespace kestrune::qt {

// kButtonFace is the desktop's button colour; every other colour is the RGB value it gives.
QColor ColorOf(Color color);

// The face by name, or where the system lacks it the first stand-in it has, at the em height
// in pixels and the weight given; without a face, the desktop's default font.
QFont FontOf(const FontSpec& font);

}  // namespace kestrune::qt
