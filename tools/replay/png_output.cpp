#include "replay/png_output.h"

#include <cstddef>
#include <cstdint>

#include "app/dialog_units.h"
#include "replay/png_encoder.h"

PngOutput::PngOutput(double scale)
    : surface_(dialog_units::kClientWidth, dialog_units::kClientHeight, scale) {}

std::optional<std::string> PngOutput::Encode() {
  const std::vector<std::uint32_t>& pixels = surface_.Pixels();
  rgb_.resize(pixels.size() * 3);
  std::size_t at = 0;
  for (const std::uint32_t pixel : pixels) {
    rgb_[at++] = static_cast<char>((pixel >> 16) & 0xFF);
    rgb_[at++] = static_cast<char>((pixel >> 8) & 0xFF);
    rgb_[at++] = static_cast<char>(pixel & 0xFF);
  }
  return EncodeRgbPng(rgb_, surface_.Width(), surface_.Height());
}
