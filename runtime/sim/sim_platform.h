// A simulated window system with a virtual clock, on which the heart runs without a screen.
// It keeps the window system's delivery rules: input and posted messages in the order they
// came; a timer's expiry only when no other message waits, at most one pending per timer; one
// message handled to its end before the next is taken. Time passes only when the loop waits
// or when the code it runs spends it (a launch that waits for its program, say).
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/platform.h"

namespace kestrune::sim {

// Thrown by EndProcess, to unwind out of the code that ended the simulated process.
struct ProcessEnded {
  int exitCode;
};

struct Launch {
  std::string commandLine;
  bool waitForExit;
  ShowState show;
  int64_t time;  // virtual milliseconds when the launch began
};

struct ErrorBox {
  std::string caption;
  std::string text;
};

class SimPlatform final : public Platform {
 public:
  SimPlatform() = default;

  // Platform
  bool CreateMainWindow(const WindowTemplate& window, EventSink& sink) override;
  void HandlePendingMessages() override;
  void ShowMainWindow() override { shown_ = true; }
  int RunMessageLoop() override;
  std::string ControlText(int control) override;
  void SetControlText(int control, std::string_view text) override;
  void StartTimer(int control, int32_t periodMs) override;
  void StopTimer(int control) override;
  bool StartProcess(std::string_view commandLine, bool waitForExit, ShowState show) override;
  // As Windows does: the shutdown tool and Internet Explorer, started through the launcher.
  void RequestPowerOff() override;
  void OpenWebPage(std::string_view address) override;
  void ShowErrorBox(std::string_view caption, std::string_view text) override;
  [[noreturn]] void EndProcess(int exitCode) override;

  // What a user does. Input arrives at the time given (now, for the forms without one) and
  // is handled by the message loop in the order it arrived.
  void Click(std::string_view control) { ClickAt(now_, control); }
  void ClickAt(int64_t time, std::string_view control);
  // The user puts the focus into an edit field, selects all and types the keys, as the field's
  // input rules let them in; the field reports its change.
  void Type(std::string_view control, std::string_view keys) { TypeAt(now_, control, keys); }
  void TypeAt(int64_t time, std::string_view control, std::string_view keys);
  // The same with a paste: nothing is filtered, only the length limit applies.
  void Paste(std::string_view control, std::string_view text);
  // The user closes the main window: its timers go with it and the loop ends with 0.
  void CloseAt(int64_t time);

  // Runs the message loop for that many virtual milliseconds.
  void RunFor(int64_t ms);
  // Lets virtual time pass without handling messages, as code that blocks does.
  void Spend(int64_t ms);

  // How long a launch keeps the caller waiting, and whether the program can be started.
  void SetLaunchWait(int64_t ms) { launchWait_ = ms; }
  void SetLaunchFails(bool fails) { launchFails_ = fails; }
  // The system folder the platform reports; empty as when the system cannot say.
  void SetSystemDirectory(std::string directory) { systemDirectory_ = std::move(directory); }
  // Makes the window system refuse the main window.
  void RefuseWindow() { refuseWindow_ = true; }

  int64_t Now() const { return now_; }
  bool Shown() const { return shown_; }
  bool TimerSet(std::string_view control) const;
  std::string FieldText(std::string_view control) const;
  const std::vector<Launch>& Launches() const { return launches_; }
  const std::vector<ErrorBox>& ErrorBoxes() const { return errorBoxes_; }
  std::optional<int> ExitCode() const { return exitCode_; }

 private:
  struct Timer {
    int64_t period;
    int64_t nextDue;
    int64_t setOrder;  // which of several pending expiries is delivered first
    bool pending = false;
    int64_t dueSince = 0;
  };
  struct Input {
    enum class Kind { Click, Type, Paste, Close };
    int64_t time;
    Kind kind;
    std::string control;
    std::string text;
  };

  int IndexOf(std::string_view control) const;
  void AdvanceTo(int64_t time);
  bool HandleOneMessage();
  void HandleInput(const Input& input);
  void Focus(int control);
  void Enter(int control, std::string text, bool typed);
  void DestroyWindow();
  std::optional<int64_t> NextWake() const;

  const WindowTemplate* window_ = nullptr;
  EventSink* sink_ = nullptr;
  bool shown_ = false;
  bool quit_ = false;
  int64_t now_ = 0;
  int64_t timersSet_ = 0;
  std::vector<std::string> texts_;
  int focus_ = -1;  // the control with the keyboard focus
  std::map<int, Timer> timers_;
  std::deque<Input> input_;       // arrived, waiting to be handled
  std::vector<Input> scheduled_;  // not arrived yet
  int64_t launchWait_ = 0;
  bool launchFails_ = false;
  bool refuseWindow_ = false;
  std::string systemDirectory_ = "C:\\windows\\system32";
  std::vector<Launch> launches_;
  std::vector<ErrorBox> errorBoxes_;
  std::optional<int> exitCode_;
};

}  // namespace kestrune::sim
