// The player's picture: what it encodes decodes to the very pixels of a
// RasterSurface drawn the same way, at every display scale.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <stb_image.h>

#include "render/raster_surface.h"
#include "replay/png_output.h"
#include "sim/world.h"

namespace {

struct Decoded {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, as RasterSurface holds them
};

std::optional<Decoded> Decode(const std::string& png) {
  Decoded image;
  int channels = 0;
  std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> rgb(
      stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()),
                            static_cast<int>(png.size()), &image.width, &image.height, &channels,
                            3),
      &stbi_image_free);
  if (!rgb) {
    return std::nullopt;
  }
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  for (std::size_t i = 0; i < count; ++i) {
    const stbi_uc* p = rgb.get() + 3 * i;
    image.pixels.push_back(0xFF000000u | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 |
                           std::uint32_t{p[2]});
  }
  return image;
}

// A board with every kind of shape on it: the grid, plants, both animals.
void DrawSession(DrawContext& dc) {
  CWorld world;
  world.RedrawAll(dc);
  world.PlacePlant(dc, 3, 4);
  world.PlacePlant(dc, 0, 0);
  world.SpawnHerbivore(dc);
  world.SpawnCarnivore(dc);
  world.SpawnCarnivore(dc);
}

class PngOutputTest : public ::testing::TestWithParam<double> {};

TEST_P(PngOutputTest, DecodesToTheSurfacesPixels) {
  const double scale = GetParam();
  PngOutput picture(scale);
  picture.Clear();
  DrawSession(picture.Surface());
  RasterSurface expected(662, 447, scale);
  expected.Clear();
  DrawSession(expected);

  const std::optional<std::string> png = picture.Encode();
  ASSERT_TRUE(png);
  const std::optional<Decoded> image = Decode(*png);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, expected.Width());
  EXPECT_EQ(image->height, expected.Height());
  EXPECT_EQ(image->pixels, expected.Pixels());
}

TEST_P(PngOutputTest, ClearReturnsEveryPixelToTheBackground) {
  PngOutput picture(GetParam());
  DrawSession(picture.Surface());
  picture.Clear();
  const std::optional<Decoded> image = Decode(*picture.Encode());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, RasterSurface(662, 447, GetParam()).Width());
  EXPECT_EQ(image->pixels, std::vector<std::uint32_t>(image->pixels.size(), kSurfaceBackground));
}

// A frame is written per tick, so even the busiest board must stay a small
// file: every table full, spread over the whole board.
TEST(PngOutputScaleTest, AQuarterScaleRoundsTheSizeHalfUp) {
  const std::optional<Decoded> image = Decode(*PngOutput(1.25).Encode());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 828);   // 662 * 1.25 = 827.5
  EXPECT_EQ(image->height, 559);  // 447 * 1.25 = 558.75
}

TEST(PngOutputSizeTest, AFullBoardCompressesToAFewKilobytes) {
  CWorld world;
  for (int i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i % 21, i / 21 % 21);
    world.AddHerbivore((i + 7) % 21, i / 21 % 21, 1);
    world.AddCarnivore((i + 14) % 21, i / 21 % 21, 1);
  }
  PngOutput picture(1);
  picture.Clear();
  world.RedrawAll(picture.Surface());
  const std::optional<std::string> png = picture.Encode();
  ASSERT_TRUE(png);
  EXPECT_LT(png->size(), 16u * 1024);
}

INSTANTIATE_TEST_SUITE_P(EveryScale, PngOutputTest,
                         ::testing::Values(1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0));

}  // namespace
