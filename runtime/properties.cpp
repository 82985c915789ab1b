// Reading and writing Caption, Content and Period.
#include "runtime/properties.h"

namespace kestrune {
namespace {

UnitType OwnerType(TextProperty property) {
  return property == TextProperty::Caption ? UnitType::Button : UnitType::EditBox;
}

Text HandOut(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  return NewText(bytes);
}

void WriteCaption(Window& window, Control& button, std::string_view text) {
  button.caption = NewText(text);
  window.GetPlatform().SetControlText(button.index, button.caption);
}

// The field reports its own change while its text is set; that report is ignored and the
// change event is raised once, after the write, as a typed change would raise it.
void WriteContent(Window& window, Control& edit, std::string_view text) {
  edit.writing = true;
  edit.content = NewText(text);
  window.GetPlatform().SetControlText(edit.index, edit.content);
  edit.writing = false;
  window.Raise(&edit, Event::Changed);
}

}  // namespace

Text ReadProperty(Window& window, std::string_view control, TextProperty property) {
  Control& owner = window.ControlNamed(control, OwnerType(property));
  if (property == TextProperty::Caption) return HandOut(owner.caption);
  owner.content = window.GetPlatform().ControlText(owner.index);
  return HandOut(owner.content);
}

int32_t ReadProperty(Window& window, std::string_view control, IntegerProperty) {
  return window.ControlNamed(control, UnitType::Timer).period;
}

void WriteProperty(Window& window, std::string_view control, TextProperty property,
                   const Text& value) {
  Control& owner = window.ControlNamed(control, OwnerType(property));
  if (property == TextProperty::Caption) {
    WriteCaption(window, owner, TextBytes(value));
  } else {
    WriteContent(window, owner, TextBytes(value));
  }
}

// An equal period leaves a running timer alone, keeping its phase; any other period removes
// the platform timer (with an expiry not yet delivered) and sets it afresh if above 0.
void WriteProperty(Window& window, std::string_view control, IntegerProperty, int32_t value) {
  Control& timer = window.ControlNamed(control, UnitType::Timer);
  const int32_t period = value < 0 ? 0 : value;
  if (period == timer.period) return;
  timer.period = period;
  Platform& platform = window.GetPlatform();
  if (timer.running) platform.StopTimer(timer.index);
  timer.running = period > 0;
  if (timer.running) platform.StartTimer(timer.index, period);
}

}  // namespace kestrune
