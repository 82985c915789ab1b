// The real main window under the window system: frame, controls, fonts, texts and keyboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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

TEST_F(MainWindowTest, ControlsFollowTheTemplateInStackingOrder) {
  const wchar_t* classes[] = {L"KestrunePicBtn", L"Static",       L"KestruneTimer", L"Static",
                              L"Edit",           L"Static",       L"Button",        L"Edit",
                              L"Static",         L"KestruneTimer"};
  HWND child = GetWindow(platform.MainWindow(), GW_CHILD);
  for (std::size_t i = 0; i < kMainWindowTemplate.controls.size(); ++i) {
    const ControlTemplate& settings = kMainWindowTemplate.controls[i];
    HWND control = platform.ControlWindow(static_cast<int>(i));
    SCOPED_TRACE(i);
    EXPECT_EQ(child, control);  // the stacking order, topmost first
    child = GetWindow(child, GW_HWNDNEXT);
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), classes[i]), 0) << ClassOf(control);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, platform.MainWindow(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, settings.rect.left);
    EXPECT_EQ(rect.top, settings.rect.top);
    EXPECT_EQ(rect.right - rect.left, settings.rect.width);
    EXPECT_EQ(rect.bottom - rect.top, settings.rect.height);
    EXPECT_EQ(IsWindowVisible(control) != FALSE, settings.type != UnitType::Timer);
    EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, settings.tabStop);
  }
  EXPECT_EQ(child, nullptr);
}

TEST_F(MainWindowTest, FontsAreAskedForByEmHeightAndWeight) {
  struct Expected {
    const char* control;
    LONG height;
    LONG weight;
  };
  const Expected fonts[] = {{"编辑框1", -48, 400}, {"编辑框2", -48, 400}, {"标签1", -21, 700},
                            {"标签2", -56, 700},   {"标签3", -56, 700},   {"按钮1", -19, 700}};
  for (const Expected& expected : fonts) {
    SCOPED_TRACE(expected.control);
    auto font = reinterpret_cast<HFONT>(SendMessageW(Control(expected.control), WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    ASSERT_TRUE(GetObjectW(font, sizeof logical, &logical));
    EXPECT_EQ(logical.lfHeight, expected.height);
    EXPECT_EQ(logical.lfWidth, 0);
    EXPECT_EQ(logical.lfWeight, expected.weight);
    EXPECT_EQ(logical.lfQuality, PROOF_QUALITY);
    EXPECT_FALSE(logical.lfItalic || logical.lfUnderline || logical.lfStrikeOut);
    const std::wstring face = logical.lfFaceName;
    EXPECT_TRUE(face == L"宋体" || face == L"SimSun" || face == L"NSimSun" ||
                face == L"WenQuanYi Zen Hei" || face == L"AR PL UMing CN")
        << "face " << std::string(face.begin(), face.end());
  }
  EXPECT_EQ(SendMessageW(Control("标签4"), WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(MainWindowTest, TextsShowInChineseWhateverTheAnsiCodePage) {
  EXPECT_EQ(WindowText(Control("按钮1")), L"启动程序");
  EXPECT_EQ(WindowText(Control("标签1")), L"设置关机时间");
  EXPECT_EQ(WindowText(Control("标签4")), L"提示：启动关机程序之前，请注意保存正在操作的其它任务。");
  SetWindowTextW(Control("编辑框1"), L"１２");
  EXPECT_EQ(platform.ControlText(Index("编辑框1")), "１２");  // read back as GBK bytes
}

TEST_F(MainWindowTest, FocusStartsInTheMinutesBoxAndTabCyclesTheThreeStops) {
  EXPECT_EQ(GetFocus(), Control("编辑框1"));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control("按钮1"));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control("编辑框2"));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control("编辑框1"));
}

TEST_F(MainWindowTest, TheFocusComesBackWhereItWasWhenTheWindowIsActivatedAgain) {
  SetFocus(Control("编辑框2"));
  SendMessageW(platform.MainWindow(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(nullptr);
  SendMessageW(platform.MainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), Control("编辑框2"));
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscClosesFromAnyStop) {
  PressKey(VK_RETURN);
  EXPECT_EQ(GetFocus(), Control("编辑框1"));
  EXPECT_TRUE(IsWindow(platform.MainWindow()));
  SetFocus(Control("按钮1"));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(platform.MainWindow(), nullptr);  // destroyed, as by the close button
}

}  // namespace
}  // namespace kestrune::win32
