// Text and number conversions on GBK bytes.
#include "runtime/convert.h"

#include <cstdio>
#include <string_view>

namespace kestrune {
namespace {

constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kSymbolLead = 0xA1;

// Maps a double-byte character to the ASCII byte it folds to, or 0 when it stays as it is.
unsigned char FoldedByte(unsigned char lead, unsigned char trail) {
  if (lead == kFullWidthLead && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;
  if (lead != kSymbolLead) return 0;
  switch (trail) {
    case 0xA1:
      return ' ';  // ideographic space
    case 0xAB:
      return '~';  // ～
    case 0xEE:     // ☆
    case 0xEF:
      return '*';  // ★
    default:
      return 0;
  }
}

// Copies the text with full-width ASCII forms folded to single bytes. A lead byte whose
// trail byte is missing is dropped.
std::string FoldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == text.size()) break;
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (const unsigned char ascii = FoldedByte(lead, trail)) {
      folded.push_back(static_cast<char>(ascii));
    } else {
      folded.push_back(static_cast<char>(lead));
      folded.push_back(static_cast<char>(trail));
    }
  }
  return folded;
}

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int32_t ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;  // unsigned, so that overflow wraps as two's complement
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

}  // namespace

int32_t ToInteger(const Text& text) { return ReadDecimal(FoldFullWidth(TextBytes(text))); }

std::string ToText(double number) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.13g", number);
  return NewText(std::string_view(buffer, static_cast<std::size_t>(length)));
}

bool TextEquals(const Text& a, const Text& b) { return TextBytes(a) == TextBytes(b); }

}  // namespace kestrune
