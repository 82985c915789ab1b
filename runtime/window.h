// A window of the control model: its controls with their property state, the building of the
// window with its events suppressed, and the delivery of events to the bound handlers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.h"
#include "runtime/runtime.h"
#include "runtime/window_template.h"

namespace kestrune {

struct Control {
  int index;  // position in the window template; names the control across the platform seam
  const ControlTemplate* settings;
  std::string caption;   // a button's own copy of its caption
  std::string content;   // an edit box's copy of the text last read or written
  int32_t period = 0;    // a timer's stored period; never below 0
  bool running = false;  // a timer's platform timer is set
  bool writing = false;  // a Content write is in progress: the field's own change report is ignored
};

class Window final : private EventSink {
 public:
  Window(Runtime& runtime, const WindowTemplate& settings);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Creates the window hidden with its controls, raises Created, then shows it. False when
  // the platform cannot create the window.
  bool Build();

  Runtime& GetRuntime() { return runtime_; }
  Platform& GetPlatform() { return runtime_.GetPlatform(); }

  // The control of that name and unit type; a fatal runtime error when there is none.
  Control& ControlNamed(std::string_view name, UnitType type);

  // Calls the handler bound to the event of the control (null: the window itself), unless
  // events are suppressed. The handler runs to its end before this returns.
  void Raise(const Control* control, Event event);

 private:
  void OnClicked(int control) override;
  void OnTimer(int control) override;
  void OnEditChanged(int control) override;
  Handler BoundHandler(const Control* control, Event event) const;

  Runtime& runtime_;
  const WindowTemplate& settings_;
  std::vector<Control> controls_;
};

}  // namespace kestrune
