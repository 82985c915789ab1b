// A stand-in program for the tests. Started under any name (shutdown.exe, iexplore.exe, ...), it
// appends one line to the log named by PROBE_LOG (default C:\probe.log): the time in
// milliseconds since 1970, its start-up flags and show state, and its whole command line
// in UTF-8.
// With the first argument "--hang", or PROBE_HANG set, it then stays for 5 s without ever
// becoming ready for input.
// With "--launch PROGRAM EXITFILE" it starts PROGRAM, writes where the program's main window lies
// on the screen to EXITFILE.pos, and the program's exit code to EXITFILE when it ends. While the
// program runs, each time EXITFILE.ask appears it writes to EXITFILE.fields the minutes and
// seconds boxes of the program's window as "minutes:seconds", the start/stop button's caption,
// and how many visible top-level windows the program has, a line each, and removes the .ask.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring LogPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"PROBE_LOG", path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? path : L"C:\\probe.log";
}

long long NowMs() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<long long>(ticks / 10000 - 11644473600000ULL);
}

void Record() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const wchar_t* command = GetCommandLineW();
  char utf8[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, command, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
  FILE* log = _wfopen(LogPath().c_str(), L"ab");
  if (!log) return;
  fprintf(log, "%lld flags=%lu show=%u cmd=%s\n", NowMs(), startup.dwFlags,
          startup.wShowWindow, utf8);
  fclose(log);
}

// Waits for the program's main window and writes where its client area and its frame lie on
// the screen: client left, client top, frame left, top, right, bottom.
void WritePosition(const std::wstring& file) {
  for (int i = 0; i < 600; ++i) {
    if (HWND window = FindWindowW(L"KestruneMain", nullptr); window && IsWindowVisible(window)) {
      POINT origin{0, 0};
      ClientToScreen(window, &origin);
      RECT frame;
      GetWindowRect(window, &frame);
      FILE* out = _wfopen(file.c_str(), L"wb");
      if (out) {
        fprintf(out, "%ld %ld %ld %ld %ld %ld\n", origin.x, origin.y, frame.left, frame.top,
                frame.right, frame.bottom);
        fclose(out);
      }
      return;
    }
    Sleep(100);
  }
}

// GetWindowText would not ask another process's control for its text; WM_GETTEXT does.
std::string TextOf(HWND control) {
  wchar_t text[64] = {};
  SendMessageW(control, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  char utf8[256] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
  return utf8;
}

struct WindowCount {
  DWORD process;
  int visible;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  auto* counted = reinterpret_cast<WindowCount*>(count);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == counted->process && IsWindowVisible(window)) ++counted->visible;
  return TRUE;
}

// The controls' identifiers are their places in the window template, counted from 1.
void WriteFields(const std::wstring& file, DWORD process) {
  HWND window = FindWindowW(L"KestruneMain", nullptr);
  WindowCount count{process, 0};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
  FILE* out = _wfopen(file.c_str(), L"wb");
  if (!out) return;
  fprintf(out, "%s:%s\n%s\n%d\n", TextOf(GetDlgItem(window, 8)).c_str(),
          TextOf(GetDlgItem(window, 5)).c_str(), TextOf(GetDlgItem(window, 7)).c_str(),
          count.visible);
  fclose(out);
}

int Launch(const wchar_t* program, const std::wstring& exitFile) {
  std::wstring command = std::wstring(L"\"") + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 2;
  }
  WritePosition(exitFile + L".pos");
  const std::wstring ask = exitFile + L".ask";
  while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT) {
    if (GetFileAttributesW(ask.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    WriteFields(exitFile + L".fields", process.dwProcessId);
    DeleteFileW(ask.c_str());
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  FILE* out = _wfopen(exitFile.c_str(), L"wb");
  if (out) {
    fprintf(out, "%ld\n", static_cast<long>(code));
    fclose(out);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count == 4 && std::wcscmp(arguments[1], L"--launch") == 0) {
    return Launch(arguments[2], arguments[3]);
  }
  Record();
  const bool hang = (count >= 2 && std::wcscmp(arguments[1], L"--hang") == 0) ||
                    GetEnvironmentVariableW(L"PROBE_HANG", nullptr, 0) > 0;
  if (hang) Sleep(5000);
  return 0;
}
