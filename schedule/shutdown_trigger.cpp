// The end of the delay: the system is asked to switch the computer off, and the timer is
// stopped so that the request is made once.
#include "runtime/properties.h"
#include "schedule/handlers.h"

namespace kestrune {

void TriggerShutdown(Window& window) {
  window.GetPlatform().RequestPowerOff();
  WriteProperty(window, "时钟1", IntegerProperty::Period, 0);
}

}  // namespace kestrune
