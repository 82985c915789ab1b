// The main window: its settings, its ten controls and the handlers bound to their events.
#pragma once

#include "runtime/window_template.h"

namespace kestrune {

extern const WindowTemplate kMainWindowTemplate;

}  // namespace kestrune
