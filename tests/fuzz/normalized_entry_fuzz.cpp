// Fuzzes the edit boxes' normal form against a model written from the rules: the digits are
// compared as decimal strings with the ends of the 32-bit range, never converted to a number
// that could overflow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/integer_entry.h"

namespace {

std::string Model(const std::string& text) {
  std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return "";
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  std::string digits;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) digits += text[i];
  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.empty()) return "";
  const std::string limit = negative ? "2147483648" : "2147483647";
  const bool beyond =
      digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit);
  return (negative ? "-" : "") + (beyond ? limit : digits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (kestrune::NormalizedEntry(text) != Model(text)) std::abort();
  return 0;
}
