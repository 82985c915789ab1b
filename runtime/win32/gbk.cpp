// GBK <-> UTF-16 with code page 936.
#include "runtime/win32/gbk.h"

#include <windows.h>

namespace kestrune::win32 {
namespace {
constexpr UINT kGbk = 936;
}

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size = static_cast<int>(gbk.size());
  const int length = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), length);
  return wide;
}

std::string GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(kGbk, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string gbk(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbk, 0, wide.data(), size, gbk.data(), length, nullptr, nullptr);
  return gbk;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace kestrune::win32
