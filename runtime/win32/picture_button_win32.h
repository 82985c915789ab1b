// The self-painted picture button: a normal and a mouse-over picture, the mouse captured while
// the pointer is over it or the button is pressed, and a click reported to its parent as
// BN_CLICKED when the left button is released over it. It never takes the keyboard focus.
#pragma once

#include <windows.h>

#include <span>

namespace kestrune::win32 {

void RegisterPictureButtonClass(HINSTANCE instance, const wchar_t* className);

// A bitmap of a JPEG picture; null when the picture cannot be decoded.
HBITMAP BitmapFromJpeg(std::span<const unsigned char> jpeg);

// Gives the button its pictures; either may be null (absent). The button owns them from then on.
void SetPictureButtonPictures(HWND button, HBITMAP normal, HBITMAP mouseOver);

}  // namespace kestrune::win32
