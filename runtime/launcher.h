// Starting other programs, the only way the program acts on the rest of the machine.
#pragma once

#include <string_view>

#include "runtime/platform.h"

namespace kestrune {

// Show modes as the handlers count them: 1 hidden, 2 normal, 3 minimised, 4 maximised,
// 5 normal without activation, 6 minimised without activation.
inline constexpr int kDefaultShowMode = 2;

// The show state of a show mode; modes below 1 count as 1 and modes above 6 as 6.
ShowState ShowStateOf(int showMode);

// Starts the command line unchanged. Without waitForExit it waits until the program is ready
// for input, at most 1 000 ms. True when the process was created; a failure shows nothing.
bool RunProgram(Platform& platform, std::string_view commandLine, bool waitForExit,
                int showMode = kDefaultShowMode);

}  // namespace kestrune
