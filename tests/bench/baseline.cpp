// The benchmarks' baselines: the least a Windows program with Kestrune's window does, so that
// what Kestrune costs beyond it shows. With no argument, one empty window of Kestrune's size and
// a message loop until the window is closed. With "edit", the window also holds one focused edit
// box, whose caret blinks as Kestrune's does. With "launch MS", a click in the window sets a timer
// of MS milliseconds, whose expiry starts the system's shutdown tool hidden as Kestrune does.
// With "ole", the empty window comes after OLE is initialised, a start-up step Kestrune must take.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

namespace {

constexpr UINT_PTR kTimerId = 1;
UINT launchDelayMs = 0;  // 0: no launch on a click

void StartShutdownTool() {
  wchar_t command[MAX_PATH + 32] = L"\"";
  const UINT length = GetSystemDirectoryW(command + 1, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  lstrcatW(command, L"\\shutdown.exe\" -s -t 1");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return;
  }
  WaitForInputIdle(process.hProcess, 1000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// Loaded only in this mode, so that the other baselines do not load OLE's DLLs at all.
void InitialiseOle() {
  using OleInitializeFunction = HRESULT(WINAPI*)(void*);
  const HMODULE ole = LoadLibraryW(L"ole32.dll");
  if (!ole) return;
  const auto initialise = reinterpret_cast<OleInitializeFunction>(
      reinterpret_cast<void*>(GetProcAddress(ole, "OleInitialize")));
  if (initialise) initialise(nullptr);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (launchDelayMs) SetTimer(window, kTimerId, launchDelayMs, nullptr);
      return 0;
    case WM_TIMER:
      KillTimer(window, kTimerId);
      StartShutdownTool();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const int count = __argc;
  wchar_t** arguments = __wargv;
  const bool withEdit = count >= 2 && std::wcscmp(arguments[1], L"edit") == 0;
  if (count >= 2 && std::wcscmp(arguments[1], L"ole") == 0) InitialiseOle();
  if (count >= 3 && std::wcscmp(arguments[1], L"launch") == 0) {
    launchDelayMs = static_cast<UINT>(std::wcstoul(arguments[2], nullptr, 10));
  }

  WNDCLASSW settings{};
  settings.lpfnWndProc = Procedure;
  settings.hInstance = instance;
  settings.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  settings.lpszClassName = L"Baseline";
  RegisterClassW(&settings);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - 360) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - 220) / 2;
  HWND window = CreateWindowW(L"Baseline", L"Baseline", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x,
                              y, 360, 220, nullptr, nullptr, instance, nullptr);
  HWND edit = withEdit ? CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE,
                                          10, 41, 124, 56, window, nullptr, instance, nullptr)
                       : nullptr;
  ShowWindow(window, SW_SHOWNORMAL);
  if (edit) SetFocus(edit);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
