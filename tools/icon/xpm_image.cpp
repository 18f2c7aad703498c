#include "icon/xpm_image.h"

#include <charconv>
#include <map>
#include <optional>
#include <sstream>

namespace {

constexpr std::int32_t kMaxSide = 256;
// Every key is one or two printable characters, so no image can list more.
constexpr std::int32_t kMaxColourLines = 95 * 95;

struct QuotedLine {
  std::string text;
  std::int32_t line = 0;  // where it stands in the file, counted from 1
};

std::vector<QuotedLine> QuotedStrings(std::string_view text) {
  std::vector<QuotedLine> strings;
  std::int32_t line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
    } else if (text[i] == '"') {
      const std::size_t end = text.find('"', i + 1);
      if (end == std::string_view::npos) {
        break;
      }
      strings.push_back({std::string(text.substr(i + 1, end - i - 1)), line});
      i = end;
    }
  }
  return strings;
}

// Text from the file as it may appear inside a one-line message: quoted,
// control and non-ASCII bytes escaped, long text shortened.
std::string Shown(std::string_view text) {
  constexpr std::size_t kMaxShown = 60;
  constexpr char kHex[] = "0123456789abcdef";
  std::string shown = "'";
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte >= 0x7F || byte == '\\' || byte == '\'') {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    } else {
      shown += static_cast<char>(byte);
    }
  }
  shown += text.size() > kMaxShown ? "...'" : "'";
  return shown;
}

XpmError ErrorAt(const QuotedLine& line, const std::string& message) {
  return XpmError{"line " + std::to_string(line.line) + ": " + message};
}

std::optional<Rgb> ParseHexColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') {
    return std::nullopt;
  }
  std::uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    const char* first = text.data() + 1 + 2 * i;
    const auto [end, error] = std::from_chars(first, first + 2, bytes[i], 16);
    if (error != std::errc() || end != first + 2) {
      return std::nullopt;
    }
  }
  return Rgb{bytes[0], bytes[1], bytes[2]};
}

}  // namespace

std::variant<XpmImage, XpmError> ParseXpm(std::string_view text) {
  const std::vector<QuotedLine> lines = QuotedStrings(text);
  if (lines.empty()) {
    return XpmError{"no XPM values line"};
  }

  XpmImage image;
  std::int32_t colours = 0;
  std::int32_t keyLength = 0;
  std::istringstream values(lines[0].text);
  if (!(values >> image.width >> image.height >> colours >> keyLength) || image.width < 1 ||
      image.height < 1 || image.width > kMaxSide || image.height > kMaxSide || colours < 1 ||
      colours > kMaxColourLines || keyLength < 1 || keyLength > 2) {
    return ErrorAt(lines[0], "bad values line " + Shown(lines[0].text));
  }
  if (lines.size() != 1 + static_cast<std::size_t>(colours + image.height)) {
    return ErrorAt(lines.back(), "expected " + std::to_string(colours) + " colours and " +
                                     std::to_string(image.height) + " rows");
  }

  constexpr std::uint8_t kTransparentKey = 0xFF;
  std::map<std::string, std::uint8_t> keys;
  for (std::int32_t c = 1; c <= colours; ++c) {
    const QuotedLine& line = lines[c];
    const std::string key = line.text.substr(0, keyLength);
    std::istringstream rest(line.text.substr(std::min<std::size_t>(keyLength, line.text.size())));
    std::string visual;
    std::string value;
    if (static_cast<std::int32_t>(key.size()) != keyLength || !(rest >> visual >> value) ||
        visual != "c") {
      return ErrorAt(line, "bad colour line " + Shown(line.text));
    }
    if (keys.contains(key)) {
      return ErrorAt(line, "colour key " + Shown(key) + " given twice");
    }
    if (value == "None" || value == "none") {
      keys[key] = kTransparentKey;
      continue;
    }
    const std::optional<Rgb> rgb = ParseHexColour(value);
    if (!rgb) {
      return ErrorAt(line, "colour " + Shown(value) + " is not #RRGGBB or None");
    }
    if (image.palette.size() == XpmImage::kMaxColours) {
      return ErrorAt(line, "more than 16 colours");
    }
    keys[key] = static_cast<std::uint8_t>(image.palette.size());
    image.palette.push_back(*rgb);
  }

  for (std::int32_t row = 0; row < image.height; ++row) {
    const QuotedLine& line = lines[1 + colours + row];
    if (line.text.size() != static_cast<std::size_t>(image.width * keyLength)) {
      return ErrorAt(line, "row is not " + std::to_string(image.width) + " pixels wide");
    }
    for (std::int32_t column = 0; column < image.width; ++column) {
      const auto found = keys.find(line.text.substr(column * keyLength, keyLength));
      if (found == keys.end()) {
        return ErrorAt(line, "unknown colour key in column " + std::to_string(column + 1));
      }
      const bool clear = found->second == kTransparentKey;
      image.pixels.push_back(clear ? 0 : found->second);
      image.transparent.push_back(clear);
    }
  }
  return image;
}
