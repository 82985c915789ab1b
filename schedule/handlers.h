// The event handlers of the shutdown schedule. They keep nothing between calls: all state is in
// the properties of the main window's controls, which they read and write by name.
#pragma once

#include "runtime/window.h"

namespace kestrune {

// Clicked of 按钮1: arms the shutdown delay and the countdown, or cancels both.
void ToggleStartStop(Window& window);

// PeriodicEvent of 时钟2: lowers the minutes and seconds shown by one second.
void CountDown(Window& window);

// PeriodicEvent of 时钟1: the delay has elapsed; asks the system to shut down, once.
void TriggerShutdown(Window& window);

// Clicked of 图形按钮1: opens the maker's web site in the browser.
void OpenWebLink(Window& window);

}  // namespace kestrune
