// The two edit boxes as integer entry boxes, with real keyboard messages, pastes and focus.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, whose types it uses
#include <imm.h>

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

// The bands are painted white like the box, and the typed digits' ink stays on the line between.
TEST_F(IntegerEntryTest, TheBandsArePaintedWhiteAndTheTextStaysOnItsLine) {
  HWND box = Control("编辑框1");
  TypeInto("编辑框1", L"8");
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  RECT frame, text;
  GetWindowRect(box, &frame);
  GetClientRect(box, &text);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&text), 2);
  OffsetRect(&text, -frame.left, -frame.top);  // in the box's window coordinates
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC dc = GetWindowDC(box);
  for (int y = edge; y < text.top; ++y) EXPECT_EQ(GetPixel(dc, width / 2, y), RGB(255, 255, 255));
  for (int y = text.bottom; y < height - edge; ++y) {
    EXPECT_EQ(GetPixel(dc, width / 2, y), RGB(255, 255, 255)) << y;
  }
  int inkTop = height, inkBottom = -1;
  for (int y = edge; y < height - edge; ++y) {
    for (int x = edge; x < width - edge; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128) {
        inkTop = std::min(inkTop, y);
        inkBottom = std::max(inkBottom, y);
      }
    }
  }
  ReleaseDC(box, dc);
  ASSERT_GE(inkBottom, 0) << "the digit shows";
  EXPECT_GE(inkTop, text.top);
  EXPECT_LT(inkBottom, text.bottom);
}

TEST_F(IntegerEntryTest, NormalizingPutsTheCaretWhereTheSelectionBegan) {
  PasteInto("编辑框1", L"12分");
  SendMessageW(Control("编辑框1"), EM_SETSEL, 1, 3);
  LeaveTheBox();
  EXPECT_EQ(WindowText(Control("编辑框1")), L"12");
  DWORD start = 9, end = 9;
  SendMessageW(Control("编辑框1"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 1u);
}

// An input method commits its text straight into an edit control with an input context; the
// boxes have none, so keys come as plain characters. What an input method sends as characters
// obeys the same filter and limit as typing.
TEST_F(IntegerEntryTest, InputMethodsCannotGetPastTheFilter) {
  for (const char* name : {"编辑框1", "编辑框2"}) {
    HIMC context = ImmGetContext(Control(name));
    EXPECT_EQ(context, nullptr) << name;
    ImmReleaseContext(Control(name), context);
  }
  SetFocus(Control("编辑框2"));
  for (wchar_t character : std::wstring(L"分1秒２3")) {
    SendMessageW(Control("编辑框2"), WM_IME_CHAR, character, 0);
  }
  platform.HandlePendingMessages();  // the edit control may pass them on as posted WM_CHAR
  EXPECT_EQ(WindowText(Control("编辑框2")), L"13");
  SendMessageW(Control("编辑框2"), WM_IME_CHAR, L'4', 0);
  platform.HandlePendingMessages();
  EXPECT_EQ(WindowText(Control("编辑框2")), L"13");  // no third character
}

}  // namespace
}  // namespace kestrune::win32
