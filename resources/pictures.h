// The picture button's two JPEG pictures, built into the program from resources/*.jpg.
#pragma once

#include <span>

namespace kestrune {

extern const std::span<const unsigned char> kNormalPictureJpeg;
extern const std::span<const unsigned char> kMouseOverPictureJpeg;

}  // namespace kestrune
