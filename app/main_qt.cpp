// Start-up on Linux: the Qt application comes up, the main window is built and the event loop
// runs until the window is closed. No command line is read beyond what Qt itself takes.
#include <QApplication>

#include "app/application.h"
#include "app/main_window_template.h"
#include "runtime/qt/qt_platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kestrune"));
  QApplication::setDesktopFileName(QStringLiteral("kestrune"));
  kestrune::qt::QtPlatform platform;
  return kestrune::RunApplication(platform, kestrune::kMainWindowTemplate);
}
