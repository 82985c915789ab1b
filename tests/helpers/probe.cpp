// A stand-in program for the tests. Started under any name (shutdown.exe, iexplore.exe, ...), it
// appends one line to the log named by PROBE_LOG (default C:\probe.log): the time in
// milliseconds since 1970, its start-up flags and show state, and its whole command line
// in UTF-8.
// With the first argument "--hang", or PROBE_HANG set, it then stays for 5 s without ever
// becoming ready for input.
// With "--launch PROGRAM EXITFILE [ARGUMENT...]" it starts PROGRAM with the arguments, writes where the program's window lies on
// the screen, and how soon it showed, to EXITFILE.pos, and the exit code to EXITFILE at the end.
// While the program runs, each time EXITFILE.ask appears it writes to EXITFILE.fields the minutes
// and seconds boxes of the program's window as "minutes:seconds", the start/stop button's caption,
// and how many visible top-level windows the program has, a line each, and removes the .ask.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

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
  fprintf(log, "%lld flags=%lu show=%u cmd=%s\n", NowMs(), startup.dwFlags, startup.wShowWindow,
          utf8);
  fclose(log);
}

struct ProcessWindows {
  DWORD process;
  std::vector<HWND> visible;  // its visible top-level windows
};

BOOL CALLBACK NoteVisibleWindow(HWND window, LPARAM search) {
  auto* windows = reinterpret_cast<ProcessWindows*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == windows->process && IsWindowVisible(window)) windows->visible.push_back(window);
  return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD process) {
  ProcessWindows windows{process, {}};
  EnumWindows(NoteVisibleWindow, reinterpret_cast<LPARAM>(&windows));
  return windows.visible;
}

// Waits for the program's first visible window and writes where its client area and its frame
// lie on the screen (client left, client top, frame left, top, right, bottom) and how many
// milliseconds after the start it showed.
void WritePosition(const std::wstring& file, DWORD process, ULONGLONG started) {
  for (int i = 0; i < 60000; ++i) {
    if (const std::vector<HWND> windows = VisibleWindowsOf(process); !windows.empty()) {
      HWND window = windows.front();
      const ULONGLONG shown = GetTickCount64() - started;
      POINT origin{0, 0};
      ClientToScreen(window, &origin);
      RECT frame;
      GetWindowRect(window, &frame);
      FILE* out = _wfopen(file.c_str(), L"wb");
      if (out) {
        fprintf(out, "%ld %ld %ld %ld %ld %ld %llu\n", origin.x, origin.y, frame.left, frame.top,
                frame.right, frame.bottom, shown);
        fclose(out);
      }
      return;
    }
    Sleep(1);
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

// The controls' identifiers are their places in the window template, counted from 1.
void WriteFields(const std::wstring& file, DWORD process) {
  HWND window = FindWindowW(L"KestruneMain", nullptr);
  FILE* out = _wfopen(file.c_str(), L"wb");
  if (!out) return;
  fprintf(out, "%s:%s\n%s\n%d\n", TextOf(GetDlgItem(window, 8)).c_str(),
          TextOf(GetDlgItem(window, 5)).c_str(), TextOf(GetDlgItem(window, 7)).c_str(),
          static_cast<int>(VisibleWindowsOf(process).size()));
  fclose(out);
}

int Launch(const wchar_t* program, const std::wstring& exitFile,
           const std::vector<const wchar_t*>& arguments) {
  std::wstring command = std::wstring(L"\"") + program + L"\"";
  for (const wchar_t* argument : arguments) command += std::wstring(L" ") + argument;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const ULONGLONG started = GetTickCount64();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 2;
  }
  WritePosition(exitFile + L".pos", process.dwProcessId, started);
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
  if (count >= 4 && std::wcscmp(arguments[1], L"--launch") == 0) {
    return Launch(arguments[2], arguments[3], {arguments + 4, arguments + count});
  }
  Record();
  const bool hang = (count >= 2 && std::wcscmp(arguments[1], L"--hang") == 0) ||
                    GetEnvironmentVariableW(L"PROBE_HANG", nullptr, 0) > 0;
  if (hang) Sleep(5000);
  return 0;
}
