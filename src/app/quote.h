// Text from the command line or a script as it may stand inside a one-line
// message: in single quotes, with control and non-ASCII bytes (and the quote
// and the backslash themselves) written as \xNN, and shortened with "..."
// past `shown` bytes, so that no name or value can break the line, move the
// terminal's cursor or flood the screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A path, an option's value.
inline constexpr std::size_t kShownValueBytes = 300;
// A script token.
inline constexpr std::size_t kShownTokenBytes = 40;

inline std::string Quoted(std::string_view text, std::size_t shown = kShownValueBytes) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "'";
  for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte >= 0x7F || byte == '\\' || byte == '\'') {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += static_cast<char>(byte);
    }
  }
  quoted += text.size() > shown ? "...'" : "'";
  return quoted;
}
