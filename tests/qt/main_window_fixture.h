// The real main window on the Qt platform, built as the program builds it, and the event loop
// run for a while as the program runs it.
#pragma once

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "app/main_window_template.h"
#include "runtime/qt/gbk_qt.h"
#include "runtime/qt/qt_platform.h"
#include "runtime/runtime.h"
#include "runtime/window.h"

namespace kestrune::qt {

// Runs the event loop for ms milliseconds, letting it wait for events as the program's does.
inline void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class QtMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.Build());
    RunFor(50);
  }
  static int Index(const QString& name) {
    for (std::size_t i = 0; i < kMainWindowTemplate.controls.size(); ++i) {
      if (FromGbk(kMainWindowTemplate.controls[i].name) == name) return static_cast<int>(i);
    }
    return -1;
  }
  QWidget* Control(const QString& name) { return platform.ControlWidget(Index(name)); }

  QtPlatform platform;
  Runtime runtime{platform};
  Window window{runtime, kMainWindowTemplate};
};

}  // namespace kestrune::qt
