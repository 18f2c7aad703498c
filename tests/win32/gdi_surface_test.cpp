// The board's GDI drawing surface: the DrawContext geometry on real GDI
// pixels, the area it reports as changed, and the retained picture.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "ui/win32/board_bitmap.h"
#include "ui/win32/gdi_draw_context.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// A rectangle's edges as gtest can compare and print them.
std::array<LONG, 4> Edges(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

class GdiSurface : public testing::Test {
 protected:
  GdiSurface() { board.Resize({64, 64}); }

  COLORREF At(int x, int y) const { return GetPixel(board.DeviceContext(), x, y); }
  COLORREF Background() const { return GetPixel(board.DeviceContext(), 63, 63); }
  static COLORREF BoardFace() { return GetSysColor(COLOR_BTNFACE); }

  BoardBitmap board;
  GdiDrawContext dc{board.DeviceContext()};
};

TEST_F(GdiSurface, ThinOutlineLiesOnTheBoxsFirstAndLastPixelsAroundAWhiteInside) {
  dc.SelectPen(1, {0, 0, 0});
  dc.Rectangle({0, 0, 20, 20});
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(19, 10), kBlack);
  EXPECT_EQ(At(10, 19), kBlack);
  EXPECT_EQ(At(10, 10), kWhite);
  EXPECT_EQ(At(20, 10), Background());
  EXPECT_NE(Background(), kWhite);
}

TEST_F(GdiSurface, WidePenIsCentredOnTheBorder) {
  dc.SelectPen(5, {255, 0, 0});
  dc.Rectangle({20, 20, 40, 40});
  EXPECT_EQ(At(18, 30), kRed);  // two pixels outside
  EXPECT_EQ(At(17, 30), Background());
  EXPECT_EQ(At(22, 30), kRed);  // two pixels inside
  EXPECT_EQ(At(30, 30), kWhite);
}

TEST_F(GdiSurface, PlantPenFillsItsSmallEllipseIntoADisc) {
  dc.SelectPen(18, {0, 255, 0});
  dc.Ellipse({27, 27, 33, 33});
  EXPECT_EQ(At(30, 30), RGB(0, 255, 0));
  EXPECT_EQ(At(30, 20), RGB(0, 255, 0));
  EXPECT_EQ(At(30, 15), Background());
}

TEST_F(GdiSurface, ChangedAreaCoversEveryShapeWithItsPenAndIsReportedOnce) {
  RECT area;
  EXPECT_FALSE(dc.TakeDirtyArea(area));
  dc.SelectPen(5, {255, 0, 0});
  dc.Rectangle({20, 20, 40, 40});
  dc.SelectPen(1, {0, 0, 0});
  dc.Rectangle({0, 0, 10, 10});
  ASSERT_TRUE(dc.TakeDirtyArea(area));
  EXPECT_LE(area.left, 0);
  EXPECT_LE(area.top, 0);
  EXPECT_GE(area.right, 43);
  EXPECT_GE(area.bottom, 43);
  EXPECT_FALSE(dc.TakeDirtyArea(area));
}

TEST_F(GdiSurface, PictureKeepsWhatWasDrawnWhenItGrows) {
  dc.SelectPen(1, {0, 0, 0});
  dc.Rectangle({0, 0, 20, 20});
  board.Resize({128, 128});
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(10, 10), kWhite);
  EXPECT_EQ(At(100, 100), At(63, 63));
  dc.Rectangle({100, 100, 120, 120});
  EXPECT_EQ(At(100, 100), kBlack);
}

TEST_F(GdiSurface, ChangedAreaOfShapesReachingTheEndsOfTheCoordinateRangeIsWhatTheyCover) {
  dc.SelectPen(5, {255, 0, 0});
  RECT area;
  dc.Rectangle({kMin, kMin, 10, 10});
  ASSERT_TRUE(dc.TakeDirtyArea(area));
  EXPECT_EQ(Edges(area), (std::array<LONG, 4>{0, 0, 13, 13}));
  EXPECT_EQ(At(11, 5), kRed);
  EXPECT_EQ(At(12, 5), BoardFace());

  dc.Rectangle({50, 50, kMax, kMax});
  ASSERT_TRUE(dc.TakeDirtyArea(area));
  EXPECT_EQ(Edges(area), (std::array<LONG, 4>{47, 47, 64, 64}));
  EXPECT_EQ(At(48, 55), kRed);
  EXPECT_EQ(At(46, 55), BoardFace());
}

TEST_F(GdiSurface, ShapesWhollyOffTheBitmapChangeNothing) {
  dc.SelectPen(18, {0, 255, 0});
  dc.Ellipse({kMax - 6, kMax - 6, kMax, kMax});
  dc.Ellipse({kMin, kMin, kMin + 6, kMin + 6});
  dc.SelectPen(5, {255, 0, 0});
  dc.Rectangle({kMin, 0, kMin + 20, 20});
  dc.Rectangle({0, kMax - 20, 20, kMax});
  RECT area;
  EXPECT_FALSE(dc.TakeDirtyArea(area));
  EXPECT_EQ(At(0, 0), BoardFace());
  EXPECT_EQ(At(63, 63), BoardFace());
}

TEST_F(GdiSurface, ClearWipesMarksOutsideTheGridAndReportsThemAsChanged) {
  dc.SelectPen(5, {255, 0, 0});
  dc.Rectangle({40, 40, 60, 60});
  dc.SelectPen(1, {0, 0, 0});
  dc.Rectangle({0, 0, 20, 20});
  RECT area;
  ASSERT_TRUE(dc.TakeDirtyArea(area));

  dc.Clear();
  EXPECT_EQ(At(38, 50), BoardFace());
  EXPECT_EQ(At(61, 50), BoardFace());
  EXPECT_EQ(At(0, 0), BoardFace());
  EXPECT_EQ(At(50, 50), BoardFace());
  ASSERT_TRUE(dc.TakeDirtyArea(area));
  EXPECT_LE(area.left, 0);
  EXPECT_LE(area.top, 0);
  EXPECT_GE(area.right, 63);
  EXPECT_GE(area.bottom, 63);

  dc.Clear();
  EXPECT_FALSE(dc.TakeDirtyArea(area));
}

TEST_F(GdiSurface, ClearAfterGrowingWipesTheWholeLargerPicture) {
  dc.SelectPen(5, {255, 0, 0});
  dc.Rectangle({40, 40, 60, 60});
  board.Resize({128, 128});
  dc.Rectangle({100, 100, 126, 126});
  dc.Clear();
  EXPECT_EQ(At(50, 40), BoardFace());
  EXPECT_EQ(At(126, 110), BoardFace());
}

}  // namespace
