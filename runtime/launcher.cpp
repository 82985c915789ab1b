// The show-mode rules of the program launcher; the platform creates the process.
#include "runtime/launcher.h"

#include <algorithm>

namespace kestrune {

ShowState ShowStateOf(int showMode) {
  constexpr ShowState kStates[] = {ShowState::Hidden,           ShowState::Normal,
                                   ShowState::Minimized,        ShowState::Maximized,
                                   ShowState::NormalNoActivate, ShowState::MinimizedNoActivate};
  return kStates[std::clamp(showMode, 1, 6) - 1];
}

bool RunProgram(Platform& platform, std::string_view commandLine, bool waitForExit, int showMode) {
  return platform.StartProcess(commandLine, waitForExit, ShowStateOf(showMode));
}

}  // namespace kestrune
