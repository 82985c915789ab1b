// Building the main window and running the message loop.
#include "app/application.h"

#include "runtime/runtime.h"
#include "runtime/window.h"

namespace kestrune {

int RunApplication(Platform& platform, const WindowTemplate& mainWindow) {
  Runtime runtime(platform);
  Window window(runtime, mainWindow);
  if (!window.Build()) runtime.Fatal("载入启动窗口失败");
  const int exitCode = platform.RunMessageLoop();
  runtime.SuppressEvents();  // nothing reaches a handler while the program ends
  return exitCode;
}

}  // namespace kestrune
