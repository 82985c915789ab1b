// Turns a one-line edit control into an integer entry box: typed characters other than digits
// and '-' are dropped, the number is normalised when the box loses the focus, and the line of
// text sits in the middle of a box taller than the line.
#pragma once

#include <windows.h>

namespace kestrune::win32 {

// Call once the box has its font. The box stays subclassed until it is destroyed.
void MakeIntegerEntry(HWND edit);

}  // namespace kestrune::win32
