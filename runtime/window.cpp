// Building a window and delivering its events.
#include "runtime/window.h"

#include <cstring>
#include <new>

#include "runtime/text.h"

namespace kestrune {

Window::Window(Runtime& runtime, const WindowTemplate& settings)
    : runtime_(runtime), settings_(settings) {
  int index = 0;
  for (const ControlTemplate& control : settings.controls) {
    Control& added = controls_.emplace_back(Control{index++, &control, {}, {}, 0, false, false});
    const char* text = control.text ? control.text : "";
    if (control.type == UnitType::Button) added.caption = text;
    if (control.type == UnitType::EditBox) added.content = text;
  }
}

bool Window::Build() {
  Platform& platform = GetPlatform();
  runtime_.SuppressEvents();
  const bool created = platform.CreateMainWindow(settings_, *this);
  if (created) {
    for (Control& control : controls_) {
      if (control.settings->type != UnitType::Timer || control.settings->period <= 0) continue;
      control.period = control.settings->period;
      platform.StartTimer(control.index, control.period);
      control.running = true;
    }
    platform.HandlePendingMessages();
  }
  runtime_.ResumeEvents();
  if (!created) return false;
  Raise(nullptr, Event::Created);
  platform.ShowMainWindow();
  return true;
}

Control& Window::ControlNamed(std::string_view name, UnitType type) {
  for (Control& control : controls_) {
    if (control.settings->name == name && control.settings->type == type) return control;
  }
  std::string message = "找不到控件 ";
  message.append(name);
  runtime_.Fatal(message);
}

void Window::Raise(const Control* control, Event event) {
  if (runtime_.EventsSuppressed()) return;
  const Handler handler = BoundHandler(control, event);
  if (!handler) return;
  try {
    handler(*this);
  } catch (const TextAllocationFailed& failure) {
    runtime_.Fatal("分配 " + std::to_string(failure.bytes) + " 字节内存失败!");
  } catch (const std::bad_alloc&) {
    // Any other allocation (the platform's copy of a field, a conversion's scratch text, a
    // command line) ends the same way; only its size is not known here.
    runtime_.Fatal("分配内存失败!");
  }
}

Handler Window::BoundHandler(const Control* control, Event event) const {
  const char* name = control ? control->settings->name : nullptr;
  for (const Binding& binding : settings_.bindings) {
    const bool sameTarget =
        name && binding.control ? std::strcmp(name, binding.control) == 0 : name == binding.control;
    if (sameTarget && binding.event == event) return binding.handler;
  }
  return nullptr;
}

void Window::OnClicked(int control) { Raise(&controls_.at(control), Event::Clicked); }

void Window::OnTimer(int control) { Raise(&controls_.at(control), Event::PeriodicEvent); }

void Window::OnEditChanged(int control) {
  const Control& edit = controls_.at(control);
  if (!edit.writing) Raise(&edit, Event::Changed);
}

}  // namespace kestrune
