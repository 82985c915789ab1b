// Runs the platform's message handling for a while, as the message loop would.
#pragma once

#include <windows.h>

#include "runtime/win32/win32_platform.h"

namespace kestrune::win32 {

inline void PumpFor(Win32Platform& platform, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (DWORD now = GetTickCount(); static_cast<LONG>(end - now) > 0; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    platform.HandlePendingMessages();
  }
}

}  // namespace kestrune::win32
