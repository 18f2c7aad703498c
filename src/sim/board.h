// The board's geometry: 21 x 21 square cells of 20 x 20 pixels, numbered 1..21
// from the top-left. Cell (x, y) covers pixel columns 20x - 20 .. 20x - 1 and
// rows 20y - 20 .. 20y - 1 from the drawing surface's top-left corner.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kBoardCells = 21;
inline constexpr std::int32_t kCellSize = 20;
// The width and height of the grid in pixels.
inline constexpr std::int32_t kBoardPixels = kBoardCells * kCellSize;
