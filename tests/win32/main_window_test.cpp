// The real main window under the window system: frame, controls, fonts, texts and keyboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "app/main_window_template.h"
#include "tests/win32/main_window_fixture.h"

namespace kestrune::win32 {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64];
  return std::wstring(name, static_cast<std::size_t>(GetClassNameW(window, name, 64)));
}

TEST_F(MainWindowTest, FrameIsFixedSizedAndCentredOnTheScreen) {
  HWND main = platform.MainWindow();
  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.right - frame.left, 360);
  EXPECT_EQ(frame.bottom - frame.top, 220);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 360) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 220) / 2);
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_EQ(WindowText(main), L"Kestrune （QQ:100200300）");
}

// The window's ten controls as the program must lay them out, topmost first. Written out here,
// not taken from the program's template, so that a wrong number there fails.
struct ExpectedControl {
  const char* name;
  const wchar_t* windowClass;
  RECT rect;  // left, top, right, bottom in the client area
  bool shown;
  bool tabStop;
  const wchar_t* text;
};
// clang-format off
const ExpectedControl kLayout[] = {
    {"图形按钮1", L"KestrunePicBtn", {298, 137, 348, 187}, true, false, L""},
    {"标签4", L"Static", {8, 108, 336, 132}, true, false,
     L"提示：启动关机程序之前，请注意保存正在操作的其它任务。"},
    {"时钟2", L"KestruneTimer", {312, 136, 352, 168}, false, false, L""},
    {"标签3", L"Static", {290, 41, 354, 97}, true, false, L"秒"},
    {"编辑框2", L"Edit", {203, 41, 283, 97}, true, true, L""},
    {"标签2", L"Static", {140, 41, 204, 97}, true, false, L"分"},
    {"按钮1", L"Button", {105, 142, 225, 182}, true, true, L"启动程序"},
    {"编辑框1", L"Edit", {10, 41, 134, 97}, true, true, L""},
    {"标签1", L"Static", {10, 7, 162, 36}, true, false, L"设置关机时间"},
    {"时钟1", L"KestruneTimer", {304, 152, 344, 192}, false, false, L""},
};
// clang-format on

TEST_F(MainWindowTest, TenControlsInTheirPlacesAndStackingOrder) {
  HWND child = GetWindow(platform.MainWindow(), GW_CHILD);
  for (const ExpectedControl& expected : kLayout) {
    SCOPED_TRACE(expected.name);
    HWND control = Control(expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(child, control);  // the stacking order, topmost first
    child = GetWindow(child, GW_HWNDNEXT);
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected.windowClass), 0);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, platform.MainWindow(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, expected.rect.left);
    EXPECT_EQ(rect.top, expected.rect.top);
    EXPECT_EQ(rect.right, expected.rect.right);
    EXPECT_EQ(rect.bottom, expected.rect.bottom);
    EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.shown);
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, expected.tabStop);
    EXPECT_EQ(WindowText(control), expected.text);
  }
  EXPECT_EQ(child, nullptr);
}

TEST_F(MainWindowTest, TheSecondsBoxAloneHasALengthLimit) {
  EXPECT_EQ(SendMessageW(Control("编辑框2"), EM_GETLIMITTEXT, 0, 0), 2);
  EXPECT_GE(SendMessageW(Control("编辑框1"), EM_GETLIMITTEXT, 0, 0), 30000);  // the system's own
}

TEST_F(MainWindowTest, TheWindowCarriesTheApplicationIconInTwoSizes) {
  for (const auto& [kind, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
    SCOPED_TRACE(size);
    auto icon = reinterpret_cast<HICON>(SendMessageW(platform.MainWindow(), WM_GETICON, kind, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

TEST_F(MainWindowTest, TextsShowInChineseWhateverTheAnsiCodePage) {
  EXPECT_EQ(WindowText(Control("按钮1")), L"启动程序");
  EXPECT_EQ(WindowText(Control("标签1")), L"设置关机时间");
  EXPECT_EQ(WindowText(Control("标签4")),
            L"提示：启动关机程序之前，请注意保存正在操作的其它任务。");
  SetWindowTextW(Control("编辑框1"), L"１２");
  EXPECT_EQ(platform.ControlText(Index("编辑框1")), "１２");  // read back as GBK bytes
}

TEST_F(MainWindowTest, FocusStartsInTheMinutesBoxAndTabCyclesTheThreeStopsBothWays) {
  EXPECT_EQ(GetFocus(), Control("编辑框1"));
  const char* forwards[] = {"按钮1", "编辑框2", "编辑框1"};
  for (const char* next : forwards) {
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), Control(next));
  }
  const char* backwards[] = {"编辑框2", "按钮1", "编辑框1"};
  for (const char* next : backwards) {
    PressKey(VK_TAB, VK_SHIFT);
    EXPECT_EQ(GetFocus(), Control(next));
  }
}

TEST_F(MainWindowTest, TheFocusComesBackWhereItWasWhenTheWindowIsActivatedAgain) {
  SetFocus(Control("编辑框2"));
  SendMessageW(platform.MainWindow(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(nullptr);
  SendMessageW(platform.MainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), Control("编辑框2"));
}

// Enter reaches the window as a key press and its character, as from a keyboard: it neither
// moves the focus, nor clicks the button, nor changes a box.
TEST_F(MainWindowTest, EnterDoesNothingAtAnyStop) {
  SetWindowTextW(Control("编辑框1"), L"12");
  for (const char* stop : {"编辑框1", "按钮1", "编辑框2"}) {
    SCOPED_TRACE(stop);
    SetFocus(Control(stop));
    TypeKey(VK_RETURN);
    EXPECT_EQ(GetFocus(), Control(stop));
  }
  EXPECT_EQ(WindowText(Control("按钮1")), L"启动程序");
  EXPECT_EQ(WindowText(Control("编辑框1")), L"12");
  EXPECT_EQ(WindowText(Control("编辑框2")), L"");
  EXPECT_TRUE(IsWindow(platform.MainWindow()));
}

TEST_F(MainWindowTest, EscWithShiftOrCtrlHeldLeavesTheWindowOpen) {
  for (const BYTE modifier : {VK_SHIFT, VK_CONTROL}) {
    PressKey(VK_ESCAPE, modifier);
    EXPECT_TRUE(IsWindow(platform.MainWindow())) << int{modifier};
  }
}

TEST_F(MainWindowTest, EscClosesFromAnyStop) {
  for (const char* stop : {"编辑框1", "按钮1", "编辑框2"}) {
    Win32Platform own{GetModuleHandleW(nullptr)};
    Runtime ownRuntime{own};
    Window ownWindow{ownRuntime, kMainWindowTemplate};
    ASSERT_TRUE(ownWindow.Build());
    SetFocus(own.ControlWindow(Index(stop)));
    const MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    own.PreTranslate(escape);
    EXPECT_EQ(own.MainWindow(), nullptr) << stop;  // destroyed, as by the close button
  }
}

}  // namespace
}  // namespace kestrune::win32
