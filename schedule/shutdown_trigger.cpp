// The end of the delay: the system's shutdown tool is started hidden, and the timer is stopped
// so that the request is made once. The tool is named by its full path, so that a program
// called "shutdown" in the current directory (the program's own) is never run in its place.
#include <string>

#include "runtime/launcher.h"
#include "runtime/properties.h"
#include "schedule/handlers.h"

namespace kestrune {

void TriggerShutdown(Window& window) {
  Platform& platform = window.GetPlatform();
  // Without the system folder the path would start at the root of the current drive, where
  // anyone may have put a "shutdown.exe"; then nothing is started, as when a start fails.
  if (const std::string system = platform.SystemDirectory(); !system.empty()) {
    constexpr int kHidden = 1;
    RunProgram(platform, "\"" + system + "\\shutdown.exe\" -s -t 1", false, kHidden);
  }
  WriteProperty(window, "时钟1", IntegerProperty::Period, 0);
}

}  // namespace kestrune
