// The PNG encoder of stb_image_write, with the board's own deflate: the
// picture is a few flat colours, every row filtered by "up", and RunDeflate
// finds its runs several times faster than the encoder's general search
// (which took most of a frame's time) for files of about the same size.
#include "replay/png_encoder.h"

#include <cstdlib>
#include <cstring>

#include "replay/run_deflate.h"

namespace {

// stb_image_write's hook for the zlib stream; it frees the result with free().
unsigned char* CompressRuns(unsigned char* data, int length, int* outLength, int /*quality*/) {
  const std::string stream =
      RunDeflate({reinterpret_cast<const char*>(data), static_cast<std::size_t>(length)});
  auto* copy = static_cast<unsigned char*>(std::malloc(stream.size()));
  if (copy != nullptr) {
    std::memcpy(copy, stream.data(), stream.size());
    *outLength = static_cast<int>(stream.size());
  }
  return copy;
}

}  // namespace

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#define STBIW_ZLIB_COMPRESS CompressRuns
#include <stb_image_write.h>

namespace {

constexpr int kUpFilter = 2;

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<std::size_t>(size));
}

}  // namespace

std::optional<std::string> EncodeRgbPng(std::string_view rgb, int width, int height) {
  if (width <= 0 || height <= 0) {
    return std::nullopt;
  }
  stbi_write_force_png_filter = kUpFilter;
  std::string png;
  if (stbi_write_png_to_func(Append, &png, width, height, 3, rgb.data(), width * 3) == 0) {
    return std::nullopt;
  }
  return png;
}
