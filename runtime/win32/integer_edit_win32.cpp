// The integer entry box as a subclass of the system's edit control. Its client area, which is
// the text area of a one-line edit, is cut down to the height of the font's line and put in
// the middle; the bands above and below become non-client area painted in the box's background,
// so that a click there counts as a click on the border.
#include "runtime/win32/integer_edit_win32.h"

#include <imm.h>

#include <algorithm>
#include <string>

#include "runtime/integer_entry.h"
#include "runtime/win32/gbk.h"

namespace kestrune::win32 {
namespace {

// The edit control's own window procedure, kept on the box while it is subclassed.
constexpr wchar_t kEditProcProperty[] = L"KestruneEditProc";

LRESULT CallEdit(HWND edit, UINT message, WPARAM w, LPARAM l) {
  auto proc = reinterpret_cast<WNDPROC>(GetPropW(edit, kEditProcProperty));
  return CallWindowProcW(proc, edit, message, w, l);
}

TEXTMETRICW FontMetrics(HWND edit) {
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  return metrics;
}

// The line of text is as high as the font's line (the height of "W"); its top lies half the
// spare height below the top of the inner area.
void CentreTextArea(HWND edit, RECT& area) {
  const int line = FontMetrics(edit).tmHeight;
  const int spare = (area.bottom - area.top) - line;
  if (spare <= 0) return;
  area.top += spare / 2;
  area.bottom = area.top + line;
}

void PaintBands(HWND edit) {
  RECT frame, client;
  GetWindowRect(edit, &frame);
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -frame.left, -frame.top);
  OffsetRect(&frame, -frame.left, -frame.top);
  InflateRect(&frame, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  HDC dc = GetWindowDC(edit);
  auto background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit), WM_CTLCOLOREDIT,
                                                          reinterpret_cast<WPARAM>(dc),
                                                          reinterpret_cast<LPARAM>(edit)));
  const RECT above{frame.left, frame.top, frame.right, client.top};
  const RECT below{frame.left, client.bottom, frame.right, frame.bottom};
  FillRect(dc, &above, background);
  FillRect(dc, &below, background);
  ReleaseDC(edit, dc);
}

// The text the box shows once it loses the focus; the caret goes where the selection began.
void Normalize(HWND edit) {
  const std::string shown = GbkFromWide(WindowText(edit));
  const std::string normalized = NormalizedEntry(shown);
  if (normalized == shown) return;
  DWORD selectionStart = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
  SetWindowTextW(edit, WideFromGbk(normalized).c_str());
  SendMessageW(edit, EM_SETSEL, selectionStart, selectionStart);
}

LRESULT CALLBACK IntegerEntryProc(HWND edit, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (!TakesTypedCharacter(static_cast<unsigned int>(w))) return 0;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = CallEdit(edit, message, w, l);
      Normalize(edit);
      return result;
    }
    case WM_NCCALCSIZE: {
      const LRESULT result = CallEdit(edit, message, w, l);
      CentreTextArea(edit, *reinterpret_cast<RECT*>(l));  // rgrc[0] comes first either way
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = CallEdit(edit, message, w, l);
      PaintBands(edit);
      return result;
    }
    case WM_NCHITTEST: {
      POINT point{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      ScreenToClient(edit, &point);
      RECT text;
      GetClientRect(edit, &text);
      if (!PtInRect(&text, point)) return HTBORDER;  // the bands beside the line of text
      break;
    }
    case WM_NCDESTROY: {
      const LRESULT result = CallEdit(edit, message, w, l);
      RemovePropW(edit, kEditProcProperty);
      return result;
    }
    default:
      break;
  }
  return CallEdit(edit, message, w, l);
}

}  // namespace

void MakeIntegerEntry(HWND edit) {
  SetPropW(edit, kEditProcProperty,
           reinterpret_cast<HANDLE>(GetWindowLongPtrW(edit, GWLP_WNDPROC)));
  SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IntegerEntryProc));
  // No input context: an input method would commit its text straight into the edit control,
  // past the key filter. Without one, every key arrives as a plain character to be filtered.
  ImmAssociateContext(edit, nullptr);
  // Never lower than one Chinese character (the font's em) plus the sunken edge above and below.
  RECT frame;
  GetWindowRect(edit, &frame);
  const TEXTMETRICW metrics = FontMetrics(edit);
  const int lowest = metrics.tmHeight - metrics.tmInternalLeading + 2 * GetSystemMetrics(SM_CYEDGE);
  const int height = std::max<int>(frame.bottom - frame.top, lowest);
  SetWindowPos(edit, nullptr, 0, 0, frame.right - frame.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace kestrune::win32
