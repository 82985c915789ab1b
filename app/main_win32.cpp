// Start-up on Windows: the process comes up, the runtime prepares itself, the main window is
// built and the message loop runs until the window is closed. No command line is read.
#include <float.h>
#include <ole2.h>
#include <windows.h>

#include <string>

#include "app/application.h"
#include "app/main_window_template.h"
#include "runtime/win32/win32_platform.h"

namespace {

// Programs started later inherit the current directory: it becomes the program's own folder.
void EnterProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  const std::size_t slash = path.rfind(L'\\');
  if (slash != std::wstring::npos) SetCurrentDirectoryW(path.substr(0, slash).c_str());
}

// DLLs come from the system directory only, never from the program's folder (a downloads folder,
// say) or the current directory. Looked up at run time: Windows 7 without its 2011 loader update
// lacks the call, and a program that imported it would not start there.
void LoadDllsFromSystemDirectoryOnly() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");  // and never the current directory
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LoadDllsFromSystemDirectoryOnly();
  OleInitialize(nullptr);
  EnterProgramDirectory();
  int exitCode;
  {
    kestrune::win32::Win32Platform platform(instance);
    _fpreset();  // rounding to nearest, all floating-point exceptions masked
    exitCode = kestrune::RunApplication(platform, kestrune::kMainWindowTemplate);
  }
  OleUninitialize();
  return exitCode;
}
