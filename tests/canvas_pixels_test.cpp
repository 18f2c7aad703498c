// The web page's board without a browser: the canvas bytes the page puts on
// screen.

#include <gtest/gtest.h>

#include <cstdint>

#include "render/raster_surface.h"
#include "ui/web/canvas_pixels.h"

namespace {

class CanvasPixelsTest : public ::testing::Test {
 protected:
  // The four bytes of the pixel at (x, y).
  std::uint32_t BytesAt(std::int32_t x, std::int32_t y) const {
    const std::uint8_t* p = &pixels_.Bytes()[static_cast<std::size_t>(y * pixels_.Width() + x) * 4];
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
  }

  RasterSurface surface_{100, 50, 1.0};
  CanvasPixels pixels_;
};

TEST_F(CanvasPixelsTest, GivesRedGreenBlueAlphaInThatOrder) {
  surface_.SelectPen(3, {0x12, 0x34, 0x56});
  surface_.Rectangle({10, 10, 30, 30});
  pixels_.CopyFrom(surface_, surface_.TakeChangedRect());
  EXPECT_EQ(pixels_.Width(), 100);
  EXPECT_EQ(pixels_.Height(), 50);
  EXPECT_EQ(BytesAt(10, 20), 0x123456FFu);
  EXPECT_EQ(BytesAt(20, 20), 0xFFFFFFFFu);
}

TEST_F(CanvasPixelsTest, CopiesOnlyTheGivenPart) {
  surface_.Clear();
  pixels_.CopyFrom(surface_, surface_.TakeChangedRect());
  surface_.SelectPen(1, {0, 0, 0});
  surface_.Rectangle({0, 0, 100, 50});
  pixels_.CopyFrom(surface_, DeviceRect{0, 0, 50, 50});
  EXPECT_EQ(BytesAt(0, 0), 0x000000FFu);
  EXPECT_EQ(BytesAt(99, 0), 0xEFEFEFFFu);
}

TEST_F(CanvasPixelsTest, ClipsAPartBeyondTheSurface) {
  surface_.Clear();
  pixels_.CopyFrom(surface_, DeviceRect{-20, -20, 500, 500});
  EXPECT_EQ(BytesAt(0, 0), 0xEFEFEFFFu);
  EXPECT_EQ(BytesAt(99, 49), 0xEFEFEFFFu);
}

TEST_F(CanvasPixelsTest, TakesTheSizeOfASurfaceAtAnotherScale) {
  pixels_.CopyFrom(surface_, DeviceRect{0, 0, 100, 50});
  RasterSurface larger(100, 50, 2.0);
  pixels_.CopyFrom(larger, DeviceRect{0, 0, larger.Width(), larger.Height()});
  EXPECT_EQ(pixels_.Width(), 200);
  EXPECT_EQ(pixels_.Height(), 100);
  EXPECT_EQ(pixels_.Bytes().size(), 200u * 100u * 4u);
  EXPECT_EQ(BytesAt(199, 99), 0xEFEFEFFFu);
}

TEST_F(CanvasPixelsTest, CopiesAPartAloneRowAfterRow) {
  surface_.SelectPen(1, {0x12, 0x34, 0x56});
  surface_.Rectangle({10, 10, 20, 20});
  const DeviceRect part = pixels_.CopyPart(surface_, DeviceRect{10, 10, 12, 200});
  EXPECT_EQ(part, (DeviceRect{10, 10, 12, 50}));
  ASSERT_EQ(pixels_.PartBytes().size(), 2u * 40u * 4u);
  EXPECT_EQ(pixels_.PartBytes()[0], 0x12);
  EXPECT_EQ(pixels_.PartBytes()[4 * 2 * 5 + 4], 0xFF);  // (11, 15): white inside
}

}  // namespace
