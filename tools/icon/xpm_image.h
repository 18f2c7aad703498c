// XpmImage: a small palette image read from XPM text, the format the
// application icon is kept in.
//
// ParseXpm reads the quoted strings of the XPM file in order: the values line
// ("width height colours characters-per-pixel"), one line per colour
// ("<key> c #RRGGBB" or "<key> c None" for a transparent pixel), then one line
// per pixel row. Anything outside the quotes (the C declaration, comments) is
// ignored. Malformed text gives an error message instead of an image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct XpmImage {
  static constexpr std::size_t kMaxColours = 16;

  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Rgb> palette;          // the opaque colours, in file order
  std::vector<std::uint8_t> pixels;  // palette indices, rows top to bottom
  std::vector<bool> transparent;     // one flag per pixel
};

struct XpmError {
  std::string message;
};

std::variant<XpmImage, XpmError> ParseXpm(std::string_view text);
