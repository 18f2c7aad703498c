// The board's GDI drawing surface: the DrawContext geometry on real GDI
// pixels, the area it reports as changed, and the retained picture.

#include <windows.h>

#include <gtest/gtest.h>

#include "board_bitmap.h"
#include "gdi_draw_context.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

class GdiSurface : public testing::Test {
 protected:
  GdiSurface() { board.Resize({64, 64}); }

  COLORREF At(int x, int y) const { return GetPixel(board.DeviceContext(), x, y); }
  COLORREF Background() const { return GetPixel(board.DeviceContext(), 63, 63); }

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

}  // namespace
