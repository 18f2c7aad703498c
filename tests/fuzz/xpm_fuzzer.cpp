// Fuzz target for the icon tool's XPM reader: any bytes are read as an XPM
// source. A refusal must be one printable line; an accepted image must be as
// large as its header says, and must make an icon file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "icon/ico_writer.h"
#include "icon/xpm_image.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto parsed = ParseXpm(text);
  if (const auto* error = std::get_if<XpmError>(&parsed)) {
    Require(!error->message.empty() && error->message.find('\n') == std::string::npos,
            "a refusal is one line");
    return 0;
  }
  const XpmImage& image = std::get<XpmImage>(parsed);
  const std::size_t pixels = static_cast<std::size_t>(image.width) * image.height;
  Require(image.pixels.size() == pixels && image.transparent.size() == pixels,
          "one pixel per cell");
  Require(image.palette.size() <= XpmImage::kMaxColours, "at most 16 colours");
  for (const std::uint8_t index : image.pixels) {
    Require(index < XpmImage::kMaxColours, "pixels index the palette");
  }
  Require(!WriteIco({image}).empty(), "the image makes an icon");
  return 0;
}
