// Conversions between the texts of the edit boxes and numbers, and the caption comparison
// that tells the start/stop button's state.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/text.h"

namespace kestrune {

// The integer a text stands for: full-width ASCII forms are folded to ASCII first, then
// white space, one sign and decimal digits are read; no digits gives 0. The accumulation
// wraps in 32-bit two's complement.
int32_t ToInteger(const Text& text);

// The decimal text of a number, formatted as "%.13g"; for integers the plain decimal.
std::string ToText(double number);

// True when both texts hold the same bytes; an absent text equals the empty text.
bool TextEquals(const Text& a, const Text& b);

}  // namespace kestrune
