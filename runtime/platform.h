// The seam between the heart and a window system. The heart (control model, conversions,
// handlers) calls Platform; the platform reports what happens in its windows through
// EventSink. A control is named across the seam by its index in the window template.
// Each platform lives in a folder of its own under runtime/ (win32, sim, qt).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/window_template.h"

namespace kestrune {

// What a platform reports, on the user-interface thread, from inside its message dispatch.
class EventSink {
 public:
  virtual void OnClicked(int control) = 0;      // a button or picture button was clicked
  virtual void OnTimer(int control) = 0;        // a running timer's period elapsed
  virtual void OnEditChanged(int control) = 0;  // an edit field's text changed, typed or set

 protected:
  ~EventSink() = default;
};

// How a started program's first window is shown.
enum class ShowState {
  Hidden,
  Normal,
  Minimized,
  Maximized,
  NormalNoActivate,
  MinimizedNoActivate
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Creates the main window and all its controls, hidden, from the template; events go to
  // sink from then on. False when the window system refuses the window.
  virtual bool CreateMainWindow(const WindowTemplate& window, EventSink& sink) = 0;
  // Handles the messages already waiting for the thread, without waiting for more.
  virtual void HandlePendingMessages() = 0;
  // Shows the main window's controls and then the window itself, activated.
  virtual void ShowMainWindow() = 0;
  // Runs the message loop until the main window is gone; returns the quit code.
  virtual int RunMessageLoop() = 0;

  // The text a control shows now (an edit field's text as the user left it), in GBK.
  virtual std::string ControlText(int control) = 0;
  // Sets a control's text at once; an edit field reports the change synchronously.
  virtual void SetControlText(int control, std::string_view text) = 0;

  // Starts the control's timer: the first expiry is periodMs after now, then every periodMs.
  // At most one expiry waits to be delivered, and only when no other message waits.
  virtual void StartTimer(int control, int32_t periodMs) = 0;
  // Removes the control's timer together with an expiry that has not been delivered yet.
  virtual void StopTimer(int control) = 0;

  // Starts a program from its whole command line without waiting for it to end, unless
  // waitForExit; otherwise waits until it is ready for input, at most 1 000 ms. False when
  // the program could not be started.
  virtual bool StartProcess(std::string_view commandLine, bool waitForExit, ShowState show) = 0;

  // What each system does its own way. Neither blocks the caller for more than 1 000 ms, and a
  // failure is quiet: nothing on the screen.
  // Asks the system to switch the computer off, once, showing no window of its own.
  virtual void RequestPowerOff() = 0;
  // Opens the web page at the address (ASCII) in a browser.
  virtual void OpenWebPage(std::string_view address) = 0;

  // Shows a modal error box with an OK button and returns when the user has confirmed it.
  virtual void ShowErrorBox(std::string_view caption, std::string_view text) = 0;
  // Ends the process with the exit code, releasing what the platform holds.
  [[noreturn]] virtual void EndProcess(int exitCode) = 0;
};

}  // namespace kestrune
