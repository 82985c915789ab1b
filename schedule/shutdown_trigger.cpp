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
  const std::string command = "\"" + platform.SystemDirectory() + "\\shutdown.exe\" -s -t 1";
  constexpr int kHidden = 1;
  RunProgram(platform, command, false, kHidden);
  WriteProperty(window, "时钟1", IntegerProperty::Period, 0);
}

}  // namespace kestrune
