// Integer entry rules, free of any window system.
#include "runtime/integer_entry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kestrune {
namespace {

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TakesTypedCharacter(unsigned int character) {
  return character < 32 || character == '-' || (character >= '0' && character <= '9');
}

std::string NormalizedEntry(std::string_view text) {
  constexpr int64_t kHighest = std::numeric_limits<int32_t>::max();
  constexpr int64_t kLowest = std::numeric_limits<int32_t>::min();
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t magnitude = 0;  // held just past the range, so that clamping sees an overflow
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - '0'), kHighest + 1);
  }
  const int64_t value = negative ? std::max(-magnitude, kLowest) : std::min(magnitude, kHighest);
  return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace kestrune
