// The real main window, built as the program builds it, for the Windows tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/main_window_template.h"
#include "runtime/runtime.h"
#include "runtime/win32/gbk.h"
#include "runtime/win32/win32_platform.h"
#include "runtime/window.h"
#include "tests/win32/pump.h"

namespace kestrune::win32 {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.Build());
    PumpFor(platform, 200);
  }
  static int Index(const char* name) {
    for (std::size_t i = 0; i < kMainWindowTemplate.controls.size(); ++i) {
      if (std::string(kMainWindowTemplate.controls[i].name) == name) return static_cast<int>(i);
    }
    return -1;
  }
  HWND Control(const char* name) { return platform.ControlWindow(Index(name)); }
  void PressKey(WPARAM key) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!platform.PreTranslate(message)) DispatchMessageW(&message);
  }

  Win32Platform platform{GetModuleHandleW(nullptr), nullptr, nullptr};
  Runtime runtime{platform};
  Window window{runtime, kMainWindowTemplate};
};

}  // namespace kestrune::win32
