// The picture button's states, mouse handling and painting.
#include "runtime/win32/picture_button_win32.h"

#include "runtime/jpeg_picture.h"

namespace kestrune::win32 {
namespace {

enum class State { Normal, MouseOver, Pressed };

struct PictureButton {
  HBITMAP normal = nullptr;
  HBITMAP mouseOver = nullptr;
  State state = State::Normal;
};

PictureButton* ButtonOf(HWND window) {
  return reinterpret_cast<PictureButton*>(GetWindowLongPtrW(window, 0));
}

bool PointerOver(HWND window, LPARAM position) {
  RECT client;
  GetClientRect(window, &client);
  const POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  return PtInRect(&client, point) != FALSE;
}

void SetState(HWND window, PictureButton& button, State state) {
  if (button.state == state) return;
  button.state = state;
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

// The mouse-over picture in that state when there is one; otherwise the normal picture (there
// is no pressed or disabled picture).
HBITMAP PictureFor(const PictureButton& button) {
  if (button.state == State::MouseOver && button.mouseOver) return button.mouseOver;
  return button.normal;
}

// Through an off-screen bitmap of the button's size: black, then the picture unscaled at 0, 0.
void Paint(HWND window, const PictureButton& button) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  HDC offscreen = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ oldCanvas = SelectObject(offscreen, canvas);
  FillRect(offscreen, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (HBITMAP picture = PictureFor(button)) {
    HDC source = CreateCompatibleDC(screen);
    HGDIOBJ oldPicture = SelectObject(source, picture);
    BITMAP size;
    GetObjectW(picture, sizeof size, &size);
    BitBlt(offscreen, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, oldPicture);
    DeleteDC(source);
  }
  BitBlt(screen, 0, 0, client.right, client.bottom, offscreen, 0, 0, SRCCOPY);
  SelectObject(offscreen, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(offscreen);
  EndPaint(window, &paint);
}

// The capture alone does not make leaving certain: Windows sends captured mouse input from
// outside a window only to the foreground thread, and only while a button is held. Leave
// tracking reports the pointer leaving in every case.
void WatchForLeaving(HWND window) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
  TrackMouseEvent(&track);
}

// Whatever took the capture (our own release, another window, the system), the button is no
// longer over or pressed: it comes back to normal, and a press lost this way clicks nothing.
void OnCaptureLost(HWND window, PictureButton& button) { SetState(window, button, State::Normal); }

void OnMouseMove(HWND window, PictureButton& button, WPARAM keys, LPARAM position) {
  if (!IsWindowEnabled(window)) {
    ReleaseCapture();
    return;
  }
  const bool over = PointerOver(window, position);
  const bool held = (keys & MK_LBUTTON) != 0;
  if (button.state == State::Normal && over) {
    SetCapture(window);
    if (!held) WatchForLeaving(window);
    SetState(window, button, held ? State::Pressed : State::MouseOver);
  } else if (button.state == State::MouseOver && !over) {
    ReleaseCapture();
    SetState(window, button, State::Normal);
  } else if (button.state == State::Pressed && !over && held) {
    SetState(window, button, State::Normal);  // the capture stays, to see the release
  }
}

void OnButtonUp(HWND window, PictureButton& button, LPARAM position) {
  const bool click = PointerOver(window, position) && IsWindowEnabled(window);
  ReleaseCapture();
  if (!click) return;
  SetState(window, button, State::Normal);
  const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(window));
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK PictureButtonProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  PictureButton* button = ButtonOf(window);
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(new PictureButton));
      break;
    case WM_NCDESTROY:
      if (button) {
        DeleteObject(button->normal);
        DeleteObject(button->mouseOver);
        delete button;
      }
      SetWindowLongPtrW(window, 0, 0);
      break;
    case WM_PAINT:
      Paint(window, *button);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers every pixel
    case WM_MOUSEMOVE:
      OnMouseMove(window, *button, w, l);
      return 0;
    case WM_LBUTTONDOWN:
      if (IsWindowEnabled(window) && button->state != State::Pressed) {
        SetCapture(window);
        SetState(window, *button, State::Pressed);
      }
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(window, *button, l);
      return 0;
    case WM_MOUSELEAVE:
      if (button->state == State::MouseOver) {
        if (GetCapture() == window) ReleaseCapture();
        SetState(window, *button, State::Normal);
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(l) != window) OnCaptureLost(window, *button);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

void RegisterPictureButtonClass(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW picture{};
  picture.cbSize = sizeof picture;
  picture.lpfnWndProc = PictureButtonProc;
  picture.cbWndExtra = sizeof(PictureButton*);
  picture.hInstance = instance;
  picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  picture.lpszClassName = className;
  RegisterClassExW(&picture);
}

HBITMAP BitmapFromJpeg(std::span<const unsigned char> jpeg) {
  const std::optional<Picture> picture = DecodeJpeg(jpeg);
  if (!picture) return nullptr;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = picture->width;
  format.bmiHeader.biHeight = -picture->height;  // rows top to bottom
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 24;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const std::size_t stride = (static_cast<std::size_t>(picture->width) * 3 + 3) & ~std::size_t{3};
  for (int y = 0; y < picture->height; ++y) {
    const unsigned char* from =
        picture->rgb.data() + static_cast<std::size_t>(y) * picture->width * 3;
    auto* to = static_cast<unsigned char*>(bits) + y * stride;
    for (int x = 0; x < picture->width; ++x) {  // RGB to the bitmap's BGR
      to[x * 3] = from[x * 3 + 2];
      to[x * 3 + 1] = from[x * 3 + 1];
      to[x * 3 + 2] = from[x * 3];
    }
  }
  return bitmap;
}

void SetPictureButtonPictures(HWND button, HBITMAP normal, HBITMAP mouseOver) {
  PictureButton* state = ButtonOf(button);
  DeleteObject(state->normal);
  DeleteObject(state->mouseOver);
  state->normal = normal;
  state->mouseOver = mouseOver;
  InvalidateRect(button, nullptr, FALSE);
}

}  // namespace kestrune::win32
