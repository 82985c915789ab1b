// The two edit boxes as integer entry boxes, with real keyboard messages, pastes and focus.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "runtime/properties.h"
#include "tests/win32/main_window_fixture.h"

namespace kestrune::win32 {
namespace {

class IntegerEntryTest : public MainWindowTest {
 protected:
  void TypeInto(const char* box, const std::wstring& keys) {
    SetFocus(Control(box));
    for (wchar_t key : keys) SendMessageW(Control(box), WM_CHAR, key, 0);
  }
  void PasteInto(const char* box, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(platform.MainWindow()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SetFocus(Control(box));
    SendMessageW(Control(box), EM_SETSEL, 0, -1);
    SendMessageW(Control(box), WM_PASTE, 0, 0);
  }
  void LeaveTheBox() { SetFocus(Control("按钮1")); }
};

TEST_F(IntegerEntryTest, TypingTakesOnlyDigitsAndTheMinusSign) {
  TypeInto("编辑框1", L"1a2 -.分３\b9");
  EXPECT_EQ(WindowText(Control("编辑框1")), L"129");  // the backspace took the minus sign
  TypeInto("编辑框2", L"123");
  EXPECT_EQ(WindowText(Control("编辑框2")), L"12");  // the third character is refused
}

TEST_F(IntegerEntryTest, ABoxShowsItsNumberInNormalFormOnceItLosesTheFocus) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"-", L""},
      {L"007", L"7"},
      {L"0", L""},
      {L"5-3", L"5"},
      {L"99999999999", L"2147483647"},
      {L"-99999999999", L"-2147483648"},
  };
  for (const auto& [typed, shown] : cases) {
    SetWindowTextW(Control("编辑框1"), L"");
    TypeInto("编辑框1", typed);
    EXPECT_EQ(WindowText(Control("编辑框1")), typed);
    LeaveTheBox();
    EXPECT_EQ(WindowText(Control("编辑框1")), shown) << typed;
  }
}

TEST_F(IntegerEntryTest, PastedTextIsNotFilteredUntilTheFocusLeaves) {
  PasteInto("编辑框1", L"30秒");
  EXPECT_EQ(WindowText(Control("编辑框1")), L"30秒");
  LeaveTheBox();
  EXPECT_EQ(WindowText(Control("编辑框1")), L"30");
  PasteInto("编辑框1", L"３０");
  LeaveTheBox();
  EXPECT_EQ(WindowText(Control("编辑框1")), L"");  // full-width digits are not read here
  PasteInto("编辑框2", L"1234");
  EXPECT_EQ(WindowText(Control("编辑框2")), L"12");
}

TEST_F(IntegerEntryTest, HandlerWritesAreNeitherCutNorFilteredNorNormalized) {
  WriteProperty(window, "编辑框2", TextProperty::Content, "-10");
  EXPECT_EQ(WindowText(Control("编辑框2")), L"-10");
  WriteProperty(window, "编辑框2", TextProperty::Content, "0");
  EXPECT_EQ(WindowText(Control("编辑框2")), L"0");
  SetFocus(Control("编辑框2"));
  LeaveTheBox();
  EXPECT_EQ(WindowText(Control("编辑框2")), L"");
}

TEST_F(IntegerEntryTest, AClickOnTheButtonNormalizesTheBoxBeforeTheHandlerReadsIt) {
  TypeInto("编辑框1", L"007");
  SendMessageW(Control("按钮1"), BM_CLICK, 0, 0);
  EXPECT_EQ(WindowText(Control("编辑框1")), L"7");
  EXPECT_EQ(ReadProperty(window, "时钟1", IntegerProperty::Period), 7 * 60000);
  SendMessageW(Control("按钮1"), BM_CLICK, 0, 0);  // stop again
}

TEST_F(IntegerEntryTest, TheLineOfTextSitsInTheMiddleAndTheBandsAreBorder) {
  HWND box = Control("编辑框1");
  HDC dc = GetDC(box);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SIZE w{};
  GetTextExtentPoint32W(dc, L"W", 1, &w);
  SelectObject(dc, old);
  ReleaseDC(box, dc);

  RECT frame, text;
  GetWindowRect(box, &frame);
  GetClientRect(box, &text);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&text), 2);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  EXPECT_EQ(frame.bottom - frame.top, 56);
  const int inner = 56 - 2 * edge;
  const int line = std::min<int>(w.cy, inner);  // a face taller than the box fills it
  EXPECT_EQ(text.bottom - text.top, line) << "W is " << w.cy << " high";
  EXPECT_EQ(text.top - frame.top, edge + (inner - line) / 2);

  // The rows below the line of text belong to the border: no caret there.
  ASSERT_LT(line, inner) << "the face fills the box, leaving no band to test";
  const LPARAM band = MAKELPARAM((frame.left + frame.right) / 2, text.bottom);
  EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, band), HTBORDER);
  const LPARAM middle = MAKELPARAM((frame.left + frame.right) / 2, (text.top + text.bottom) / 2);
  EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, middle), HTCLIENT);
}

}  // namespace
}  // namespace kestrune::win32
