// The one place where the program's GBK texts meet the window system's UTF-16: conversions
// with code page 936, whatever the system's own ANSI code page is, and a window's text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kestrune::win32 {

std::wstring WideFromGbk(std::string_view gbk);
std::string GbkFromWide(std::wstring_view wide);

// The text a window shows now, whatever its length.
std::wstring WindowText(HWND window);

}  // namespace kestrune::win32
