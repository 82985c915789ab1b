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
  // A key pressed in the focused control, with a modifier key held if one is given.
  void PressKey(WPARAM key, BYTE heldModifier = 0) {
    HoldModifier(heldModifier, true);
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!platform.PreTranslate(message)) DispatchMessageW(&message);
    HoldModifier(heldModifier, false);
  }
  // A key as the keyboard delivers it, down, its character and up, through the message loop.
  void TypeKey(WPARAM key) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    const UINT character = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_CHAR);
    if (character) PostMessageW(focus, WM_CHAR, character, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    platform.HandlePendingMessages();
  }

 private:
  static void HoldModifier(BYTE modifier, bool held) {
    if (!modifier) return;
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[modifier] = held ? 0x80 : 0;
    SetKeyboardState(keys);
  }

 protected:
  Win32Platform platform{GetModuleHandleW(nullptr)};
  Runtime runtime{platform};
  Window window{runtime, kMainWindowTemplate};
};

}  // namespace kestrune::win32
