// Encodes 8-bit RGB rows, top to bottom with nothing between them, as PNG.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// None when the encoder fails (it cannot allocate) or the size is empty.
std::optional<std::string> EncodeRgbPng(std::string_view rgb, int width, int height);
