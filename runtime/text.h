// Texts of the program: zero-terminated GBK (code page 936) bytes, kept as std::string.
// A text may be absent; every consumer treats an absent text as the empty text.
#pragma once

#include <cstddef>
#include <new>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

using Text = std::optional<std::string>;

// The bytes of a text up to its first zero byte; an absent text gives the empty view.
std::string_view TextBytes(const Text& text);

// Thrown when memory for a new text cannot be had; the runtime turns it into its fatal report.
struct TextAllocationFailed : std::bad_alloc {
  explicit TextAllocationFailed(std::size_t bytes) : bytes(bytes) {}
  std::size_t bytes;  // including the terminating zero, as asked of the allocator
};

// A new text holding a copy of bytes; throws TextAllocationFailed when memory runs out.
std::string NewText(std::string_view bytes);

}  // namespace kestrune
