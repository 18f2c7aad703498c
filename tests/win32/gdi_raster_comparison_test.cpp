// The board as GDI draws it against the shared pixel surface at scales 1 and
// 1.5: the same shape stream through GdiDrawContext and RasterSurface, pixel by pixel.
// Outlines, wide pens' round joins included, must match to the pixel. The
// discs' rims differ, since GDI rasterises a wide pen's ellipse by rules of
// its own rather than the surface's pixel-centre rule: those cases print how
// many pixels differ and fail when that grows past what is known to remain.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <vector>

#include "app/dialog_units.h"
#include "render/raster_surface.h"
#include "render/tee_draw_context.h"
#include "sim/world.h"
#include "ui/win32/board_bitmap.h"
#include "ui/win32/gdi_draw_context.h"
#include "ui/win32/top_down_dib.h"

namespace {

// What is known to differ, in pixels: the rims of the discs. The full
// tables' counts are the same on every run. Under Wine the random discs'
// count varies from run to run (6,486 seen, and up to 11,274 before the
// pens were fitted inside the outline's outer box), so their bound only catches
// discs drawn wrongly as a whole (with no disc drawn at all, about 250,000
// pixels would differ).
constexpr std::int64_t kFullTablePlantsRemainder = 652;
constexpr std::int64_t kFullTablePlantsRemainderAtOneAndAHalf = 704;
constexpr std::int64_t kRandomDiscsBound = 40000;

class GdiRasterComparison : public testing::Test {
 protected:
  explicit GdiRasterComparison(double scale = 1.0)
      : gdi(board.DeviceContext(), scale),
        raster(dialog_units::kClientWidth, dialog_units::kClientHeight, scale) {
    board.Resize({raster.Width(), raster.Height()});
    gdi.Clear();
  }

  // The pixels that differ; the two backgrounds count as one colour.
  std::int64_t DifferingPixels() const {
    const int width = raster.Width();
    const int height = raster.Height();
    BITMAPINFO info = TopDownDib(width, height);
    std::vector<std::uint32_t> shown(static_cast<std::size_t>(width) * height);
    HDC dc = board.DeviceContext();
    const int rows = GetDIBits(dc, static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)), 0,
                               static_cast<UINT>(height), shown.data(), &info, DIB_RGB_COLORS);
    EXPECT_EQ(rows, height);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t gdiBackground =
        0xFF000000u | GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    std::int64_t differing = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t got = shown[static_cast<std::size_t>(y) * width + x] | 0xFF000000u;
        const std::uint32_t want = raster.At(x, y);
        const bool bothBackground = got == gdiBackground && want == kSurfaceBackground;
        if (got != want && !bothBackground) {
          ++differing;
        }
      }
    }
    return differing;
  }

  BoardBitmap board;
  GdiDrawContext gdi;
  RasterSurface raster;
  TeeDrawContext both{gdi, raster};
};

// Full tables: every animal's body and heading band, 5-pixel outlines with
// round joins, and every plant's disc.
void DrawFullTableOfAnimals(DrawContext& dc) {
  CWorld world;
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    world.AddHerbivore(1 + i % 21, 1 + i / 21, 1 + i % 4);
    world.AddCarnivore(1 + i % 21, 6 + i / 21, 1 + i % 4);
  }
  world.RedrawAll(dc);
}

void DrawFullTableOfPlants(DrawContext& dc) {
  CWorld world;
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(1 + i % 21, 1 + i / 21);
  }
  world.RedrawAll(dc);
}

// Every animal's body and heading band, 5-pixel outlines with round joins,
// is drawn alike to the pixel.
TEST_F(GdiRasterComparison, FullTableOfAnimalsIsDrawnAlike) {
  DrawFullTableOfAnimals(both);
  EXPECT_EQ(DifferingPixels(), 0);
}

TEST_F(GdiRasterComparison, FullTableOfPlantsDiffersOnlyOnTheDiscsRims) {
  DrawFullTableOfPlants(both);
  const std::int64_t differing = DifferingPixels();
  std::printf("full table of plants: %lld pixels differ\n", static_cast<long long>(differing));
  EXPECT_LE(differing, kFullTablePlantsRemainder);
}

// At 144 DPI: pens of even device widths (2, 8), boxes on rounded edges.
class GdiRasterComparisonAtOneAndAHalf : public GdiRasterComparison {
 protected:
  GdiRasterComparisonAtOneAndAHalf() : GdiRasterComparison(1.5) {}
};

TEST_F(GdiRasterComparisonAtOneAndAHalf, FullTableOfAnimalsIsDrawnAlike) {
  DrawFullTableOfAnimals(both);
  EXPECT_EQ(DifferingPixels(), 0);
}

TEST_F(GdiRasterComparisonAtOneAndAHalf, FullTableOfPlantsDiffersOnlyOnTheDiscsRims) {
  DrawFullTableOfPlants(both);
  const std::int64_t differing = DifferingPixels();
  std::printf("full table of plants at 1.5: %lld pixels differ\n",
              static_cast<long long>(differing));
  EXPECT_LE(differing, kFullTablePlantsRemainderAtOneAndAHalf);
}

class RandomShapes : public GdiRasterComparison {
 protected:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  // A random pen of one of `widths` and a box on the surface.
  Box RandomPenAndBox(std::initializer_list<std::int32_t> widths) {
    const PenColour colour{static_cast<std::uint8_t>(Between(0, 200)),
                           static_cast<std::uint8_t>(Between(0, 200)),
                           static_cast<std::uint8_t>(Between(0, 200))};
    both.SelectPen(widths.begin()[Between(0, static_cast<int>(widths.size()) - 1)], colour);
    const std::int32_t left = Between(20, 600);
    const std::int32_t top = Between(20, 400);
    return {left, top, left + Between(1, 40), top + Between(1, 40)};
  }

  std::mt19937 random{12345};
};

// Outlines of odd widths, whose band GDI centres on the border as the
// surface does, overlapping each other at random.
TEST_F(RandomShapes, OddWidthRectanglesAreDrawnAlike) {
  for (int i = 0; i < 300; ++i) {
    both.Rectangle(RandomPenAndBox({1, 3, 5, 7}));
  }
  EXPECT_EQ(DifferingPixels(), 0);
}

TEST_F(RandomShapes, DiscsDifferOnlyOnTheirRims) {
  for (int i = 0; i < 300; ++i) {
    both.Ellipse(RandomPenAndBox({1, 5, 18}));
  }
  const std::int64_t differing = DifferingPixels();
  std::printf("random discs: %lld pixels differ\n", static_cast<long long>(differing));
  EXPECT_LE(differing, kRandomDiscsBound);
}

}  // namespace
