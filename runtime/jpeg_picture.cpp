// JPEG decoding with libjpeg. libjpeg reports a fatal error by calling error_exit, which must
// not return; it jumps back here instead, and the picture counts as absent. Warnings (a
// truncated scan, for one) count as failure too: such a picture is not the one stored.
#include "runtime/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared before it
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace kestrune {
namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

void Ignore(j_common_ptr) {}

// Reads the whole image; returns false when libjpeg warned on the way.
bool ReadRows(jpeg_decompress_struct& info, Picture& picture) {
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3) return false;
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.rgb.data() + static_cast<std::size_t>(info.output_scanline) *
                                            static_cast<std::size_t>(picture.width) * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return info.err->num_warnings == 0;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const unsigned char> jpeg) {
  if (jpeg.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  ErrorTrap trap{};
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOut;
  trap.manager.output_message = Ignore;
  Picture picture{0, 0, {}};
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(jpeg.data()),
               static_cast<unsigned long>(jpeg.size()));
  const bool clean = ReadRows(info, picture);
  jpeg_destroy_decompress(&info);
  if (!clean) return std::nullopt;
  return picture;
}

}  // namespace kestrune
