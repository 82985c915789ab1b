// Decoding the picture button's two built-in pictures, and pictures that cannot be decoded.
#include "runtime/jpeg_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "resources/pictures.h"

namespace kestrune {
namespace {

struct Pixel {
  int x, y;
  unsigned char r, g, b;
};

// JPEG is lossy: a pixel counts when each channel is within 32 of the colour drawn.
void ExpectPixels(const Picture& picture, std::initializer_list<Pixel> pixels) {
  for (const Pixel& p : pixels) {
    const unsigned char* at = &picture.rgb[(static_cast<std::size_t>(p.y) * 50 + p.x) * 3];
    EXPECT_LE(std::abs(at[0] - p.r), 32) << p.x << "," << p.y;
    EXPECT_LE(std::abs(at[1] - p.g), 32) << p.x << "," << p.y;
    EXPECT_LE(std::abs(at[2] - p.b), 32) << p.x << "," << p.y;
  }
}

TEST(JpegPicture, TheNormalPictureIsASkyBlueMarkOnWhiteInABlueFrame) {
  const std::optional<Picture> picture = DecodeJpeg(kNormalPictureJpeg);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 50);
  EXPECT_EQ(picture->height, 50);
  ASSERT_EQ(picture->rgb.size(), 50u * 50u * 3u);
  ExpectPixels(*picture, {{0, 25, 70, 110, 190},      // frame
                          {45, 4, 255, 255, 255},     // white field
                          {10, 10, 48, 144, 208},     // the wedge
                          {36, 27, 142, 189, 226},    // highlight round the hole
                          {32, 27, 255, 255, 255}});  // the hole
}

TEST(JpegPicture, TheMouseOverPictureIsTheSameMarkInNavy) {
  const std::optional<Picture> picture = DecodeJpeg(kMouseOverPictureJpeg);
  ASSERT_TRUE(picture);
  ExpectPixels(*picture, {{0, 25, 70, 110, 190},
                          {45, 4, 255, 255, 255},
                          {10, 10, 0, 0, 100},
                          {44, 27, 0, 0, 100},
                          {32, 27, 255, 255, 255}});
}

TEST(JpegPicture, APictureThatCannotBeDecodedIsAbsent) {
  const std::vector<unsigned char> whole(kNormalPictureJpeg.begin(), kNormalPictureJpeg.end());
  const std::vector<unsigned char> truncated(whole.begin(), whole.begin() + whole.size() / 2);
  std::vector<unsigned char> garbage(whole.size(), 0x5A);
  std::vector<unsigned char> badMarker = whole;
  badMarker[1] = 0x00;  // not a start-of-image marker
  for (const auto& bytes : {truncated, garbage, badMarker, std::vector<unsigned char>{}}) {
    EXPECT_FALSE(DecodeJpeg(bytes)) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace kestrune
