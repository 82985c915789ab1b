// The process-wide part of the control model: the platform it runs on, the suppression of
// events, and the fatal runtime error report.
#pragma once

#include <string_view>

#include "runtime/platform.h"

namespace kestrune {

class Runtime {
 public:
  explicit Runtime(Platform& platform) : platform_(platform) {}
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  Platform& GetPlatform() { return platform_; }

  // While suppressed, every event is dropped: not queued, not replayed later.
  bool EventsSuppressed() const { return suppressionCount_ > 0; }
  void SuppressEvents() { ++suppressionCount_; }
  void ResumeEvents() { --suppressionCount_; }

  // Shows the fatal runtime error report with the message and ends the process with -1.
  [[noreturn]] void Fatal(std::string_view message);

 private:
  Platform& platform_;
  int suppressionCount_ = 0;
};

}  // namespace kestrune
