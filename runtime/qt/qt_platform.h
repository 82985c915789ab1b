// The Qt realisation of the platform seam, for Linux desktops: the main window and its controls
// as Qt widgets, timers on the clock that counts suspend, delivered when the event loop has
// nothing else to do, powering off through systemd-logind and web pages through the desktop's
// browser.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.h"
#include "runtime/qt/boot_timer.h"

namespace kestrune::qt {

class QtPlatform final : public Platform {
 public:
  // The window's client area, the size of the Windows program's: its 360 x 220 frame less the
  // thin frame and title bar.
  static constexpr int kClientWidth = 354;
  static constexpr int kClientHeight = 191;

  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

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

  // For the tests: the widgets behind the main window and its controls.
  QWidget* MainWindow() const { return main_; }
  QWidget* ControlWidget(int control) const { return controls_.at(control); }

 private:
  QWidget* CreateControl(int index, const ControlTemplate& control);
  void DeliverTimers();
  void Release();

  const WindowTemplate* template_ = nullptr;
  EventSink* sink_ = nullptr;
  QPointer<QWidget> main_;
  std::vector<QWidget*> controls_;  // by template index; a timer has none
  std::map<int, std::unique_ptr<BootTimer>> timers_;
  QMetaObject::Connection delivery_;
  bool delivering_ = false;
};

}  // namespace kestrune::qt
