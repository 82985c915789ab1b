// The integer entry rules of the edit boxes.
#include "runtime/integer_entry.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

TEST(IntegerEntry, TakesOnlyDigitsMinusAndControlCharacters) {
  for (char c : std::string("0123456789-\b\x03\x16\x18\x1a")) {
    EXPECT_TRUE(TakesTypedCharacter(static_cast<unsigned char>(c))) << int(c);
  }
  const unsigned int refused[] = {'a', '+', ' ', '.', 'e', 0x7F, 0xFF11 /* full-width 1 */, 0x5206};
  for (unsigned int c : refused) {
    EXPECT_FALSE(TakesTypedCharacter(c)) << c;
  }
}

TEST(IntegerEntry, NormalizesOnFocusLoss) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"-", ""},
      {"007", "7"},
      {"0", ""},
      {"-0", ""},
      {"5-3", "5"},
      {"  12", "12"},
      {"+7", "7"},
      {"30秒", "30"},
      {"３０", ""},  // full-width digits are not read here
      {"99999999999", "2147483647"},
      {"-99999999999", "-2147483648"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-10", "-10"},
      {"1a2", "1"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(NormalizedEntry(text), expected) << text;
}

}  // namespace
}  // namespace kestrune
