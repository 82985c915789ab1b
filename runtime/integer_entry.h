// The integer entry of the edit boxes: which typed characters they take, and the form their
// number takes when a box loses the focus.
#pragma once

#include <string>
#include <string_view>

namespace kestrune {

// True for a typed character the box takes: a control character (below 32), '-' or a digit.
bool TakesTypedCharacter(unsigned int character);

// The text a box shows once it loses the focus: white space skipped, a sign and digits read as
// a decimal number clamped to the 32-bit range and written plainly; no number, or 0, gives the
// empty text. Full-width digits are not folded here.
std::string NormalizedEntry(std::string_view text);

}  // namespace kestrune
