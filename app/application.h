// The life of the program on any platform: build the main window, run the message loop until
// the window is gone, and end with the loop's exit code.
#pragma once

#include "runtime/platform.h"
#include "runtime/window_template.h"

namespace kestrune {

// Returns the process exit code: 0 once the main window has been closed. A window that cannot
// be built ends the process through the fatal runtime error report.
int RunApplication(Platform& platform, const WindowTemplate& mainWindow);

}  // namespace kestrune
