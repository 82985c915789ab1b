// Starting programs, and the system requests made by starting the system's own.
#include <string>

#include "runtime/win32/gbk.h"
#include "runtime/win32/win32_platform.h"
#include "runtime/windows_requests.h"

namespace kestrune::win32 {
namespace {

constexpr DWORD kInputIdleLimitMs = 1000;

WORD ShowCommandOf(ShowState show) {
  switch (show) {
    case ShowState::Hidden:
      return SW_HIDE;
    case ShowState::Normal:
      return SW_SHOWNORMAL;
    case ShowState::Minimized:
      return SW_SHOWMINIMIZED;
    case ShowState::Maximized:
      return SW_SHOWMAXIMIZED;
    case ShowState::NormalNoActivate:
      return SW_SHOWNOACTIVATE;
    case ShowState::MinimizedNoActivate:
      return SW_MINIMIZE;
  }
  return SW_SHOWNORMAL;
}

}  // namespace

// The command line goes to CreateProcess unchanged (converted from GBK), with no application
// name, no inherited handles, no flags, and the caller's environment and directory.
bool Win32Platform::StartProcess(std::string_view commandLine, bool waitForExit, ShowState show) {
  std::wstring command = WideFromGbk(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = ShowCommandOf(show);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  if (waitForExit) {
    WaitForSingleObject(process.hProcess, INFINITE);
  } else {
    WaitForInputIdle(process.hProcess, kInputIdleLimitMs);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void Win32Platform::RequestPowerOff() { StartShutdownTool(*this, SystemDirectory()); }

void Win32Platform::OpenWebPage(std::string_view address) { StartInternetExplorer(*this, address); }

// Empty when the system cannot tell it.
std::string Win32Platform::SystemDirectory() {
  wchar_t directory[MAX_PATH];
  const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
  return GbkFromWide(std::wstring_view(directory, length < MAX_PATH ? length : 0));
}

}  // namespace kestrune::win32
