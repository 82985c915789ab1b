// The start/stop button. The caption tells the state: exactly "启动程序" means nothing is armed.
#include <cmath>
#include <cstdint>
#include <limits>

#include "runtime/convert.h"
#include "runtime/properties.h"
#include "schedule/handlers.h"

namespace kestrune {
namespace {

constexpr int kSecondsCap = 61;

// The delay in milliseconds. One beyond the timer's range arms the longest period instead of
// wrapping to a short one; a negative delay stays negative and so leaves the timer stopped.
int32_t DelayOf(int32_t minutes, int32_t seconds) {
  using Limits = std::numeric_limits<int32_t>;
  const double delay = minutes * 60000.0 + seconds * 1000.0;
  if (delay >= Limits::max()) return Limits::max();
  if (delay <= Limits::min()) return Limits::min();
  return static_cast<int32_t>(std::trunc(delay));
}

void Start(Window& window) {
  const int32_t minutes = ToInteger(ReadProperty(window, "编辑框1", TextProperty::Content));
  int32_t seconds = ToInteger(ReadProperty(window, "编辑框2", TextProperty::Content));
  if (seconds > 60) seconds = kSecondsCap;
  WriteProperty(window, "时钟1", IntegerProperty::Period, DelayOf(minutes, seconds));
  WriteProperty(window, "时钟2", IntegerProperty::Period, 1000);
  WriteProperty(window, "按钮1", TextProperty::Caption, "停止程序");
}

// A stop always writes 0 first, so the next start restarts both timers from a full period.
void Stop(Window& window) {
  WriteProperty(window, "时钟2", IntegerProperty::Period, 0);
  WriteProperty(window, "时钟1", IntegerProperty::Period, 0);
  WriteProperty(window, "按钮1", TextProperty::Caption, "启动程序");
}

}  // namespace

void ToggleStartStop(Window& window) {
  if (TextEquals(ReadProperty(window, "按钮1", TextProperty::Caption), "启动程序")) {
    Start(window);
  } else {
    Stop(window);
  }
}

}  // namespace kestrune
