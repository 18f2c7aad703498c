// The PNG encoder of stb_image_write. The board's picture is a few flat
// colours, so every row is left unfiltered (the adaptive choice tries all five
// filters per row and takes twice the time for a file 10% smaller) and
// deflated at the encoder's lowest level, 5, which looks at the fewest earlier
// matches: long runs of one colour compress well at any level.
#include "png_encoder.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace {

constexpr int kCompressionLevel = 5;
constexpr int kNoFilter = 0;

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<std::size_t>(size));
}

}  // namespace

std::optional<std::string> EncodeRgbPng(std::string_view rgb, int width, int height) {
  if (width <= 0 || height <= 0) {
    return std::nullopt;
  }
  stbi_write_png_compression_level = kCompressionLevel;
  stbi_write_force_png_filter = kNoFilter;
  std::string png;
  if (stbi_write_png_to_func(Append, &png, width, height, 3, rgb.data(), width * 3) == 0) {
    return std::nullopt;
  }
  return png;
}
