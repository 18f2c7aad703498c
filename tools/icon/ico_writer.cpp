#include "icon/ico_writer.h"

#include <cstddef>

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteEntries = 16;
constexpr std::uint16_t kBitsPerPixel = 4;

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  void U8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(std::uint32_t value) {
    U8(value & 0xFF);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

// Rows of a bitmap are padded to whole 32-bit words.
std::uint32_t RowBytes(std::int32_t width, std::uint32_t bitsPerPixel) {
  return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

std::uint32_t ImageSize(const XpmImage& image) {
  const auto height = static_cast<std::uint32_t>(image.height);
  return kInfoHeaderSize + kPaletteEntries * 4 + RowBytes(image.width, kBitsPerPixel) * height +
         RowBytes(image.width, 1) * height;
}

void WriteEntry(ByteWriter& out, const XpmImage& image, std::uint32_t offset) {
  out.U8(image.width == 256 ? 0 : image.width);
  out.U8(image.height == 256 ? 0 : image.height);
  out.U8(kPaletteEntries);
  out.U8(0);
  out.U16(1);  // colour planes
  out.U16(kBitsPerPixel);
  out.U32(ImageSize(image));
  out.U32(offset);
}

// The bitmap rows are stored bottom-up. Colour bits of transparent pixels are
// zero, so that the AND mask alone decides what shows through.
void WriteImage(ByteWriter& out, const XpmImage& image) {
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<std::uint32_t>(image.width));
  out.U32(static_cast<std::uint32_t>(image.height) * 2);  // colour rows, then mask rows
  out.U16(1);
  out.U16(kBitsPerPixel);
  out.U32(0);  // uncompressed
  out.U32(ImageSize(image) - kInfoHeaderSize - kPaletteEntries * 4);
  out.U32(0);
  out.U32(0);
  out.U32(kPaletteEntries);
  out.U32(0);

  for (std::size_t i = 0; i < kPaletteEntries; ++i) {
    const Rgb colour = i < image.palette.size() ? image.palette[i] : Rgb{};
    out.U8(colour.blue);
    out.U8(colour.green);
    out.U8(colour.red);
    out.U8(0);
  }

  const auto at = [&image](std::int32_t row, std::int32_t column) {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(image.width) +
           static_cast<std::size_t>(column);
  };
  for (std::int32_t row = image.height - 1; row >= 0; --row) {
    std::vector<std::uint8_t> packed(RowBytes(image.width, kBitsPerPixel), 0);
    for (std::int32_t column = 0; column < image.width; ++column) {
      const std::uint8_t index = image.pixels[at(row, column)];
      packed[column / 2] |= column % 2 == 0 ? index << 4 : index;
    }
    for (const std::uint8_t byte : packed) {
      out.U8(byte);
    }
  }
  for (std::int32_t row = image.height - 1; row >= 0; --row) {
    std::vector<std::uint8_t> packed(RowBytes(image.width, 1), 0);
    for (std::int32_t column = 0; column < image.width; ++column) {
      if (image.transparent[at(row, column)]) {
        packed[column / 8] |= 0x80 >> (column % 8);
      }
    }
    for (const std::uint8_t byte : packed) {
      out.U8(byte);
    }
  }
}

}  // namespace

std::vector<std::uint8_t> WriteIco(const std::vector<XpmImage>& images) {
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  out.U16(0);  // reserved
  out.U16(1);  // an icon, not a cursor
  out.U16(static_cast<std::uint32_t>(images.size()));

  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (const XpmImage& image : images) {
    WriteEntry(out, image, offset);
    offset += ImageSize(image);
  }
  for (const XpmImage& image : images) {
    WriteImage(out, image);
  }
  return bytes;
}
