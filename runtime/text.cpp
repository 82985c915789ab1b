// Copies and views of GBK texts.
#include "runtime/text.h"

#include <cstring>

namespace kestrune {

std::string_view TextBytes(const Text& text) {
  if (!text) return {};
  return std::string_view(text->c_str(), std::strlen(text->c_str()));
}

std::string NewText(std::string_view bytes) {
  try {
    return std::string(bytes);
  } catch (const std::bad_alloc&) {
    throw TextAllocationFailed(bytes.size() + 1);
  }
}

}  // namespace kestrune
