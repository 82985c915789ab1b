// Fuzzes ToInteger against a model written here from the rules, not from the code: the text is
// cut at its first zero, split into GBK characters, full-width ASCII forms are mapped through a
// table, and the number is read with exact arithmetic, then reduced modulo 2^32.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "runtime/convert.h"

namespace {

std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t width = static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
    if (i + width > text.size()) break;  // a lead byte without its trail byte
    characters.push_back(text.substr(i, width));
    i += width;
  }
  return characters;
}

std::string Folded(const std::string& text) {
  static const std::map<std::string, char> kSymbols = {
      {"\xA1\xA1", ' '}, {"\xA1\xAB", '~'}, {"\xA1\xEE", '*'}, {"\xA1\xEF", '*'}};
  std::string folded;
  for (const std::string& c : Characters(text)) {
    const auto symbol = kSymbols.find(c);
    if (c.size() == 2 && c[0] == '\xA3' && static_cast<unsigned char>(c[1]) >= 0xA1 &&
        static_cast<unsigned char>(c[1]) != 0xFF) {
      folded += static_cast<char>(static_cast<unsigned char>(c[1]) - 0x80);
    } else if (symbol != kSymbols.end()) {
      folded += symbol->second;
    } else {
      folded += c;
    }
  }
  return folded;
}

int32_t Model(const std::string& raw) {
  const std::string text = Folded(raw.substr(0, raw.find('\0')));
  std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return 0;
  int sign = 1;
  if (text[i] == '+' || text[i] == '-') sign = text[i++] == '-' ? -1 : 1;
  uint64_t low32 = 0;  // the value modulo 2^32, which is all a 32-bit accumulation keeps
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    low32 = (low32 * 10 + static_cast<uint64_t>(text[i] - '0')) % 4294967296u;
  }
  const uint64_t signed32 = sign > 0 ? low32 : (4294967296u - low32) % 4294967296u;
  return static_cast<int32_t>(static_cast<uint32_t>(signed32));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (kestrune::ToInteger(text) != Model(text)) std::abort();
  return 0;
}
