// Building the main window and its controls from the template, and how they look.
#include <algorithm>
#include <string>
#include <utility>

#include "runtime/win32/gbk.h"
#include "runtime/win32/integer_edit_win32.h"
#include "runtime/win32/picture_button_win32.h"
#include "runtime/win32/win32_platform.h"

namespace kestrune::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"KestruneMain";
constexpr wchar_t kTimerClass[] = L"KestruneTimer";
constexpr wchar_t kRuntimeClass[] = L"KestruneRuntime";
constexpr wchar_t kPictureClass[] = L"KestrunePicBtn";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Faces that stand in for 宋体 where the system lacks it, in order of preference: its own
// English name, then Ming (Song) faces whose line is no taller than their em, as 宋体's is.
constexpr const wchar_t* kStandInFaces[] = {L"SimSun", L"NSimSun", L"AR PL UMing CN",
                                            L"WenQuanYi Zen Hei"};

COLORREF Resolve(Color color) {
  return color == kButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color);
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::wstring FaceOrStandIn(const std::wstring& face) {
  if (FaceInstalled(face)) return face;
  for (const wchar_t* standIn : kStandInFaces) {
    if (FaceInstalled(standIn)) return standIn;
  }
  return face;
}

DWORD StyleOf(const ControlTemplate& control) {
  switch (control.type) {
    case UnitType::EditBox:
      return ES_CENTER | ES_AUTOHSCROLL;
    case UnitType::Label:
      return SS_OWNERDRAW;
    case UnitType::Button:
      return BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
    case UnitType::Timer:
    case UnitType::PicBtn:
      return 0;
  }
  return 0;
}

const wchar_t* ClassOf(UnitType type) {
  switch (type) {
    case UnitType::EditBox:
      return L"EDIT";
    case UnitType::Label:
      return L"STATIC";
    case UnitType::Button:
      return L"BUTTON";
    case UnitType::Timer:
      return kTimerClass;
    case UnitType::PicBtn:
      return kPictureClass;
  }
  return L"STATIC";
}

}  // namespace

void Win32Platform::RegisterClasses() {
  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = MainProc;
  main.hInstance = instance_;
  main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main.lpszClassName = kMainClass;
  RegisterClassExW(&main);

  // Windows that are never shown: a timer control's, and the runtime's own.
  for (const auto& [name, procedure] :
       {std::pair{kTimerClass, &TimerProc}, std::pair{kRuntimeClass, &DefWindowProcW}}) {
    WNDCLASSEXW hidden{};
    hidden.cbSize = sizeof hidden;
    hidden.lpfnWndProc = procedure;
    hidden.hInstance = instance_;
    hidden.lpszClassName = name;
    RegisterClassExW(&hidden);
  }

  RegisterPictureButtonClass(instance_, kPictureClass);
}

bool Win32Platform::CreateMainWindow(const WindowTemplate& window, EventSink& sink) {
  template_ = &window;
  sink_ = &sink;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - window.width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - window.height) / 2;
  main_ =
      CreateWindowExW(WS_EX_APPWINDOW, kMainClass, WideFromGbk(window.caption).c_str(), kMainStyle,
                      x, y, window.width, window.height, nullptr, nullptr, instance_, this);
  if (!main_) return false;
  // Given to the window rather than its class: the icons go with this platform.
  SendMessageW(main_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
  SendMessageW(main_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  PlaceMainWindow(window.width, window.height);

  controls_.assign(window.controls.size(), nullptr);
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    controls_[i] = CreateControl(static_cast<int>(i), window.controls[i]);
    if (!controls_[i]) return false;
  }
  HWND above = HWND_TOP;  // stacking order of the table, topmost first
  for (HWND control : controls_) {
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
  return true;
}

// The window system may give a new window another size; it gets exactly the template's.
void Win32Platform::PlaceMainWindow(int width, int height) {
  RECT frame;
  GetWindowRect(main_, &frame);
  if (frame.right - frame.left != width || frame.bottom - frame.top != height) {
    SetWindowPos(main_, nullptr, frame.left, frame.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HWND Win32Platform::CreateControl(int index, const ControlTemplate& control) {
  const DWORD style = WS_CHILD | StyleOf(control) | (control.tabStop ? WS_TABSTOP : 0);
  const DWORD extended = control.type == UnitType::EditBox ? WS_EX_CLIENTEDGE : 0;
  const std::wstring text = WideFromGbk(control.text ? control.text : "");
  HWND window =
      CreateWindowExW(extended, ClassOf(control.type), text.c_str(), style, control.rect.left,
                      control.rect.top, control.rect.width, control.rect.height, main_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(index + 1)), instance_, nullptr);
  if (!window) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (control.type == UnitType::PicBtn) {
    SetPictureButtonPictures(window, BitmapFromJpeg(control.picture),
                             BitmapFromJpeg(control.mouseOverPicture));
  }
  if (control.type == UnitType::Timer || control.type == UnitType::PicBtn) return window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.font)), FALSE);
  if (control.type == UnitType::EditBox && control.maxLength > 0) {
    SendMessageW(window, EM_LIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
  }
  if (control.integerEntry) MakeIntegerEntry(window);
  return window;
}

// Asking the system for faces is slow; each face of the template is looked up once.
std::wstring Win32Platform::FaceFor(const char* face) {
  for (const auto& [asked, chosen] : faces_) {
    if (asked == face) return chosen;
  }
  return faces_.emplace_back(face, FaceOrStandIn(WideFromGbk(face))).second;
}

// Heights are em heights, asked for as negative character heights.
HFONT Win32Platform::FontFor(const FontSpec& font) {
  if (!font.face) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring face = FaceFor(font.face);
  HFONT created = CreateFontW(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              PROOF_QUALITY, DEFAULT_PITCH, face.c_str());
  fonts_.push_back(created);
  return created;
}

HBRUSH Win32Platform::BrushFor(Color color) {
  if (color == kButtonFace) return GetSysColorBrush(COLOR_BTNFACE);
  auto found = std::find_if(brushes_.begin(), brushes_.end(),
                            [color](const auto& entry) { return entry.first == color; });
  if (found != brushes_.end()) return found->second;
  return brushes_.emplace_back(color, CreateSolidBrush(Resolve(color))).second;
}

LRESULT Win32Platform::ColorControl(HWND control, HDC dc) {
  const int index = IndexOf(control);
  if (index < 0) return DefWindowProcW(main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
  const ControlTemplate& settings = template_->controls[index];
  SetTextColor(dc, Resolve(settings.textColor));
  SetBkColor(dc, Resolve(settings.backColor));
  return reinterpret_cast<LRESULT>(BrushFor(settings.backColor));
}

// A label fills its whole area with its background, then draws its caption on one line,
// aligned left and centred vertically, never wrapped.
void Win32Platform::DrawLabel(const DRAWITEMSTRUCT& item) {
  const int index = IndexOf(item.hwndItem);
  if (index < 0) return;
  const ControlTemplate& settings = template_->controls[index];
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, BrushFor(settings.backColor));
  const std::wstring caption = WindowText(item.hwndItem);
  HGDIOBJ oldFont = SelectObject(
      item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetTextColor(item.hDC, Resolve(settings.textColor));
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(item.hDC, oldFont);
}

}  // namespace kestrune::win32
