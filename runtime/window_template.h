// The data a window is built from: its settings, its controls and the handlers bound to their
// events. Both platforms read the same table; the heart reads names, types and start values.
#pragma once

#include <cstdint>
#include <span>

namespace kestrune {

class Window;

enum class UnitType { EditBox, Label, Button, Timer, PicBtn };

// Changed is the edit box's change event, raised on every change of its text.
enum class Event { Clicked, PeriodicEvent, Created, Changed };

// A handler takes no arguments from its event; the window is the one its control belongs to.
using Handler = void (*)(Window& window);

struct Rect {
  int left, top, width, height;
};

// A colour as 0x00BBGGRR, the window system's layout; kButtonFace stands for the system colour.
using Color = uint32_t;
inline constexpr Color kButtonFace = 0xFF000000;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;

// A font requested by face and em height in pixels; a null face means the default GUI font.
struct FontSpec {
  const char* face;
  int height;
  int weight;
};

struct ControlTemplate {
  const char* name;
  UnitType type;
  Rect rect;
  const char* text;  // the caption of a label or button, the content of an edit box
  FontSpec font;
  Color textColor;
  Color backColor;
  bool visible;
  bool tabStop;
  int maxLength;              // characters a user may enter; 0 for no limit of the control's own
  int32_t period;             // a timer's period at start, in milliseconds
  bool integerEntry = false;  // an edit box that takes integers only
  std::span<const unsigned char> picture{};           // a picture button's JPEG pictures:
  std::span<const unsigned char> mouseOverPicture{};  // normal, and while the pointer rests on it
};

struct Binding {
  const char* control;  // null for the window itself
  Event event;
  Handler handler;
};

struct WindowTemplate {
  const char* caption;
  int width, height;                          // outer size, frame and title bar included
  std::span<const ControlTemplate> controls;  // in stacking order, topmost first
  std::span<const Binding> bindings;
};

}  // namespace kestrune
