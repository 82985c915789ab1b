// Text and number conversions on GBK bytes.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "runtime/convert.h"

namespace kestrune {
namespace {

TEST(Conversions, LiteralsAreGbkBytes) {
  EXPECT_EQ(std::string("启动程序"), "\xC6\xF4\xB6\xAF\xB3\xCC\xD0\xF2");
}

struct IntegerCase {
  Text text;
  int32_t expected;
};

TEST(Conversions, ToInteger) {
  const IntegerCase cases[] = {
      {std::nullopt, 0},
      {"", 0},
      {"abc", 0},
      {"  12", 12},
      {"\t\n\v\f\r7", 7},
      {"12分", 12},
      {"+7", 7},
      {"-5", -5},
      {"- 5", 0},
      {"+-5", 0},
      {"3.9", 3},
      {"1e3", 1},
      {"１２", 12},  // full-width digits
      {"－３", -3},  // full-width minus
      {"＋７", 7},   // full-width plus
      {"　５", 5},   // ideographic space, then a full-width digit
      {"～5", 0},    // a tilde is no sign: 0 whether it is folded or not
      {"分12", 0},   // an unfolded double-byte character stops the reading
      {"7\xA3", 7},  // a lead byte without its trail byte is dropped
      {"\xA3", 0},
      {"3\xA3\xB5", 35},  // A3 B5 is a full-width 5
      {"\xA3\xA0"
       "5",
       0},  // A3 A0 is outside the full-width forms and stays
      {std::string("12\0"
                   "34",
                   5),
       12},  // a text ends at its first zero byte
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MIN},  // the accumulation wraps in 32 bits
      {"4294967297", 1},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ToInteger(c.text), c.expected) << "text: " << c.text.value_or("(absent)");
  }
}

TEST(Conversions, ToTextFormatsAsPercentPoint13G) {
  const std::pair<double, const char*> cases[] = {
      {59, "59"},
      {0, "0"},
      {-1, "-1"},
      {-2147483649.0, "-2147483649"},
      {2147483646, "2147483646"},
      {0.5, "0.5"},
      {1e13, "1e+13"},
      {1234567890123.0, "1234567890123"},
  };
  for (const auto& [number, expected] : cases) EXPECT_EQ(ToText(number), expected) << number;
}

TEST(Conversions, TextEqualsComparesBytes) {
  EXPECT_TRUE(TextEquals("启动程序", "启动程序"));
  EXPECT_FALSE(TextEquals("启动程序 ", "启动程序"));
  EXPECT_FALSE(TextEquals("启动程序", "停止程序"));
  EXPECT_TRUE(TextEquals(std::nullopt, ""));
  EXPECT_TRUE(TextEquals(std::nullopt, std::nullopt));
  EXPECT_FALSE(TextEquals(std::nullopt, "a"));
  EXPECT_TRUE(TextEquals(std::string("ab\0c", 4), "ab"));
}

}  // namespace
}  // namespace kestrune
