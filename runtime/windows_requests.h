// The system requests as Windows makes them: programs started through the launcher. Used by the
// Windows platform and by the simulated one, which stands for it in the tests.
#pragma once

#include <string_view>

#include "runtime/platform.h"

namespace kestrune {

// Starts "<system folder>\shutdown.exe" -s -t 1, hidden. Without the system folder nothing is
// started: the path would begin at the root of the current drive, where anyone may have put a
// "shutdown.exe".
void StartShutdownTool(Platform& platform, std::string_view systemDirectory);

// Starts Internet Explorer from its standard folder with the address.
void StartInternetExplorer(Platform& platform, std::string_view address);

}  // namespace kestrune
