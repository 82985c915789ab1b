// The Win32 realisation of the platform seam: the main window and its controls as real
// windows, timers through SetTimer on a hidden child window per timer control, the message
// loop with the window's own keyboard handling, process creation and the error box.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/platform.h"

namespace kestrune::win32 {

class Win32Platform final : public Platform {
 public:
  // The main window's large and small icons are the module's DEFAULT_ICON, when it has one.
  explicit Win32Platform(HINSTANCE instance);
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  bool CreateMainWindow(const WindowTemplate& window, EventSink& sink) override;
  void HandlePendingMessages() override;
  void ShowMainWindow() override;
  int RunMessageLoop() override;
  std::string ControlText(int control) override;
  void SetControlText(int control, std::string_view text) override;
  void StartTimer(int control, int32_t periodMs) override;
  void StopTimer(int control) override;
  bool StartProcess(std::string_view commandLine, bool waitForExit, ShowState show) override;
  void RequestPowerOff() override;
  void OpenWebPage(std::string_view address) override;
  void ShowErrorBox(std::string_view caption, std::string_view text) override;
  [[noreturn]] void EndProcess(int exitCode) override;

  // For the Windows tests: the real windows behind the main window and its controls.
  HWND MainWindow() const { return main_; }
  HWND ControlWindow(int control) const { return controls_.at(control); }
  // The window's own handling of a key message before the focused control gets it; true when
  // the message was taken.
  bool PreTranslate(const MSG& message);

 private:
  static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM w, LPARAM l);
  void Dispatch(const MSG& message);
  LRESULT HandleMain(UINT message, WPARAM w, LPARAM l);
  void RegisterClasses();
  void PlaceMainWindow(int width, int height);
  HWND CreateControl(int index, const ControlTemplate& control);
  HFONT FontFor(const FontSpec& font);
  std::wstring FaceFor(const char* face);
  HBRUSH BrushFor(Color color);
  LRESULT ColorControl(HWND control, HDC dc);
  void DrawLabel(const DRAWITEMSTRUCT& item);
  int IndexOf(HWND control) const;
  std::vector<HWND> TabStops() const;
  void MoveFocus(bool backwards);
  void Release();
  static std::string SystemDirectory();

  HINSTANCE instance_;
  HICON largeIcon_;
  HICON smallIcon_;
  HWND toolWindow_ = nullptr;
  HWND main_ = nullptr;
  HWND lastFocus_ = nullptr;  // the control to give the focus back on reactivation
  bool loopEntered_ = false;
  const WindowTemplate* template_ = nullptr;
  EventSink* sink_ = nullptr;
  std::vector<HWND> controls_;  // by template index
  std::vector<HFONT> fonts_;    // created for the controls, deleted with the platform
  std::vector<std::pair<Color, HBRUSH>> brushes_;
  std::vector<std::pair<std::string, std::wstring>> faces_;  // face asked for, face used
};

}  // namespace kestrune::win32
