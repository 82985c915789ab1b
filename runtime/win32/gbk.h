// The one place where the program's GBK texts meet the window system's UTF-16: conversions
// with code page 936, whatever the system's own ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace kestrune::win32 {

std::wstring WideFromGbk(std::string_view gbk);
std::string GbkFromWide(std::wstring_view wide);

}  // namespace kestrune::win32
