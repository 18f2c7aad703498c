// The PNG encoder of stb_image_write, compressing with zlib: the picture is a
// few flat colours with every row filtered by "up", so a row like the one
// above is all zeros and a band of one colour repeats its pixel. Level 3 is
// the highest that keeps zlib's fast matcher, which finds those runs well
// enough; from level 4 the lazy matcher halves the files but takes half as
// long again per frame, and stb's own compressor is slower and larger still.
#include "replay/png_output.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include <zlib.h>

#include "app/dialog_units.h"
#include "sim/board.h"
#include "sim/world.h"

namespace {

constexpr int kLevel = 3;

// stb_image_write's hook for the zlib stream; it frees the result with free().
// compress2 is deflate with its default window and memory, in one call.
unsigned char* Compress(unsigned char* data, int length, int* outLength, int /*quality*/) {
  uLongf size = compressBound(static_cast<uLong>(length));
  auto* out = static_cast<unsigned char*>(std::malloc(size));
  if (out == nullptr || compress2(out, &size, data, static_cast<uLong>(length), kLevel) != Z_OK) {
    std::free(out);
    return nullptr;
  }
  *outLength = static_cast<int>(size);
  return out;
}

constexpr int kUpFilter = 2;

// stb_image_write's sink for the PNG bytes.
void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<std::size_t>(size));
}

// Where a board could draw at `scale`: the grid, and every shape the last
// cell can hold, whose outlines reach past the grid's last line.
DeviceRect BoardArea(double scale) {
  RasterSurface probe(dialog_units::kClientWidth, dialog_units::kClientHeight, scale);
  CWorld world;
  world.RedrawAll(probe);
  world.PlacePlant(probe, kBoardCells, kBoardCells);
  world.PlaceCarnivore(probe, kBoardCells, kBoardCells, kHeadingDown, kCarnivoreKind);
  return probe.TakeChangedRect();
}

}  // namespace

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#define STBIW_ZLIB_COMPRESS Compress
#include <stb_image_write.h>

std::optional<std::string> EncodePng(const RasterSurface& surface, const DeviceRect& area,
                                     std::string& rgb) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  rgb.resize(static_cast<std::size_t>(width) * height * 3);
  std::size_t at = 0;
  for (std::int32_t y = area.top; y < area.bottom; ++y) {
    const std::uint32_t* row = &surface.Pixels()[static_cast<std::size_t>(y) * surface.Width()];
    for (const std::uint32_t pixel : std::span(row + area.left, row + area.right)) {
      rgb[at++] = static_cast<char>((pixel >> 16) & 0xFF);
      rgb[at++] = static_cast<char>((pixel >> 8) & 0xFF);
      rgb[at++] = static_cast<char>(pixel & 0xFF);
    }
  }
  // The encoder fails only when it cannot allocate.
  stbi_write_force_png_filter = kUpFilter;
  std::string png;
  if (stbi_write_png_to_func(Append, &png, width, height, 3, rgb.data(), width * 3) == 0) {
    return std::nullopt;
  }
  return png;
}

PngOutput::PngOutput(double scale)
    : surface_(dialog_units::kClientWidth, dialog_units::kClientHeight, scale),
      board_(BoardArea(scale)) {}
