// Decoding the picture button's JPEG pictures into plain RGB pixels.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace kestrune {

struct Picture {
  int width;
  int height;
  std::vector<unsigned char> rgb;  // rows top to bottom, three bytes a pixel
};

// The picture the bytes hold; nothing when they are not a JPEG that decodes cleanly to three
// components (a picture that cannot be decoded counts as absent).
std::optional<Picture> DecodeJpeg(std::span<const unsigned char> jpeg);

}  // namespace kestrune
