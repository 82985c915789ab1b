// The only way a handler touches a control: reading and writing its named properties.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/text.h"
#include "runtime/window.h"

namespace kestrune {

enum class TextProperty {
  Caption,  // of a Button: its caption, shown at once when written
  Content,  // of an EditBox: the text in its field, read afresh from the field every time
};

enum class IntegerProperty {
  Period,  // of a Timer: milliseconds between PeriodicEvents; 0 when stopped
};

// A new text owned by the caller; an empty text comes back absent.
Text ReadProperty(Window& window, std::string_view control, TextProperty property);
int32_t ReadProperty(Window& window, std::string_view control, IntegerProperty property);

// The value is copied; an absent text is written as the empty text.
void WriteProperty(Window& window, std::string_view control, TextProperty property,
                   const Text& value);
void WriteProperty(Window& window, std::string_view control, IntegerProperty property,
                   int32_t value);

}  // namespace kestrune
