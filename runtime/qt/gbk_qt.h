// GBK (code page 936) texts of the heart to and from Qt's strings, with the C library's
// converter, so that the window reads right under any locale.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrune::qt {

QString FromGbk(std::string_view gbk);
// A character that GBK cannot hold becomes '?', as Windows' own conversion makes it.
std::string ToGbk(const QString& text);

}  // namespace kestrune::qt
