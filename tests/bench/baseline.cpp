// The benchmarks' baseline: the least a Windows program with a window does. It opens one empty
// window of Kestrune's size and runs a message loop until the window is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_KEYDOWN && w == VK_ESCAPE) {
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
