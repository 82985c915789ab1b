// The Win32 platform: message loop, keyboard handling, texts, timers and the error box.
#include "runtime/win32/win32_platform.h"

#include <ole2.h>

#include "runtime/win32/gbk.h"

namespace kestrune::win32 {
namespace {

// Every timer control has exactly one window-system timer, with this identifier, on its window.
constexpr UINT_PTR kTimerId = 1000;

bool ModifierDown() {
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

HICON LoadApplicationIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance),
      largeIcon_(LoadApplicationIcon(instance, 32)),
      smallIcon_(LoadApplicationIcon(instance, 16)) {
  RegisterClasses();
  // The runtime's own hidden window: owner of top-level windows kept out of the taskbar.
  toolWindow_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"KestruneRuntime", L"", WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, instance_, nullptr);
}

Win32Platform::~Win32Platform() { Release(); }

void Win32Platform::Release() {
  if (main_ && IsWindow(main_)) DestroyWindow(main_);
  if (toolWindow_) DestroyWindow(toolWindow_);
  toolWindow_ = nullptr;
  for (HFONT font : fonts_) DeleteObject(font);
  fonts_.clear();
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
  brushes_.clear();
  if (largeIcon_) DestroyIcon(largeIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  largeIcon_ = smallIcon_ = nullptr;
}

void Win32Platform::HandlePendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the loop
      return;
    }
    Dispatch(message);
  }
}

void Win32Platform::ShowMainWindow() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (template_->controls[i].visible && template_->controls[i].type != UnitType::Timer) {
      ShowWindow(controls_[i], SW_SHOWNOACTIVATE);
    }
  }
  ShowWindow(main_, SW_SHOWNORMAL);
  SetForegroundWindow(main_);
}

int Win32Platform::RunMessageLoop() {
  if (!main_ || !IsWindow(main_)) return 0;
  loopEntered_ = true;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return static_cast<int>(message.wParam);
}

// The window looks at each message first (its keyboard handling); then it goes to its window.
void Win32Platform::Dispatch(const MSG& message) {
  if (PreTranslate(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Esc closes the window as its close button does; Tab and Shift+Tab move the focus round the
// tab stops; Enter does nothing.
bool Win32Platform::PreTranslate(const MSG& message) {
  if (!main_ || (message.hwnd != main_ && !IsChild(main_, message.hwnd))) return false;
  const bool keyDown = message.message == WM_KEYDOWN;
  const bool character = message.message == WM_CHAR;
  if (keyDown && message.wParam == VK_ESCAPE && !ModifierDown()) {
    SendMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  if (keyDown && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
      GetKeyState(VK_MENU) >= 0) {
    MoveFocus(GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  if ((keyDown && message.wParam == VK_RETURN) || (character && message.wParam == L'\r')) {
    return true;
  }
  return character && message.wParam == L'\t';
}

// The cycle runs from the bottom of the stacking order up: 编辑框1, 按钮1, 编辑框2.
std::vector<HWND> Win32Platform::TabStops() const {
  std::vector<HWND> stops;
  for (std::size_t i = controls_.size(); i-- > 0;) {
    HWND control = controls_[i];
    if (template_->controls[i].tabStop && IsWindowVisible(control) && IsWindowEnabled(control)) {
      stops.push_back(control);
    }
  }
  return stops;
}

void Win32Platform::MoveFocus(bool backwards) {
  const std::vector<HWND> stops = TabStops();
  if (stops.empty()) return;
  std::size_t at = stops.size() - 1;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == GetFocus()) at = i;
  }
  const std::size_t count = stops.size();
  const std::size_t next = backwards ? (at + count - 1) % count : (at + 1) % count;
  SetFocus(stops[next]);
  if (template_->controls[IndexOf(stops[next])].type == UnitType::EditBox) {
    SendMessageW(stops[next], EM_SETSEL, 0, -1);
  }
}

std::string Win32Platform::ControlText(int control) {
  return GbkFromWide(WindowText(controls_.at(control)));
}

void Win32Platform::SetControlText(int control, std::string_view text) {
  SetWindowTextW(controls_.at(control), WideFromGbk(text).c_str());
}

// SetTimer on an identifier that is already set replaces it; the model removes it first anyway.
void Win32Platform::StartTimer(int control, int32_t periodMs) {
  SetTimer(controls_.at(control), kTimerId, static_cast<UINT>(periodMs), nullptr);
}

// KillTimer also removes a WM_TIMER that is due but not yet delivered.
void Win32Platform::StopTimer(int control) { KillTimer(controls_.at(control), kTimerId); }

void Win32Platform::ShowErrorBox(std::string_view caption, std::string_view text) {
  MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(caption).c_str(),
              MB_OK | MB_ICONERROR);
}

void Win32Platform::EndProcess(int exitCode) {
  Release();
  OleUninitialize();
  ExitProcess(static_cast<UINT>(exitCode));
}

LRESULT CALLBACK Win32Platform::MainProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || self->main_ != window) return DefWindowProcW(window, message, w, l);
  return self->HandleMain(message, w, l);
}

// A timer control's window exists only to receive its WM_TIMER; the identifier is not looked at.
LRESULT CALLBACK Win32Platform::TimerProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message != WM_TIMER) return DefWindowProcW(window, message, w, l);
  auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->sink_) self->sink_->OnTimer(self->IndexOf(window));
  return 0;
}

LRESULT Win32Platform::HandleMain(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND: {
      const int index = IndexOf(reinterpret_cast<HWND>(l));
      if (index < 0 || !sink_) break;
      if (HIWORD(w) == BN_CLICKED) sink_->OnClicked(index);
      if (HIWORD(w) == EN_CHANGE) sink_->OnEditChanged(index);
      return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return ColorControl(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w));
    case WM_DRAWITEM:
      DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(main_, focus)) lastFocus_ = focus;
      } else if (lastFocus_) {
        SetFocus(lastFocus_);
      } else if (const std::vector<HWND> stops = TabStops(); !stops.empty()) {
        SetFocus(stops.front());
      }
      return 0;
    case WM_DESTROY:
      main_ = nullptr;
      controls_.clear();
      if (loopEntered_) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(main_, message, w, l);
}

int Win32Platform::IndexOf(HWND control) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == control) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace kestrune::win32
