// The countdown in the two edit boxes. The boxes are its only state: each tick reads them
// afresh, so whatever the user types while it runs is counted down from then on.
#include <cstdint>

#include "runtime/convert.h"
#include "runtime/properties.h"
#include "schedule/handlers.h"

namespace kestrune {

void CountDown(Window& window) {
  int32_t seconds = ToInteger(ReadProperty(window, "编辑框2", TextProperty::Content));
  const int32_t minutes = ToInteger(ReadProperty(window, "编辑框1", TextProperty::Content));
  if (seconds > 60) seconds = 60;
  if (seconds == 0 && minutes > 0) {
    WriteProperty(window, "编辑框1", TextProperty::Content, ToText(minutes - 1.0));
    seconds = 60;
  }
  if (seconds == 0 && minutes == 0) {
    WriteProperty(window, "时钟2", IntegerProperty::Period, 0);
    return;
  }
  WriteProperty(window, "编辑框2", TextProperty::Content, ToText(seconds - 1.0));
}

}  // namespace kestrune
