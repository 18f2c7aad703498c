// The board a window keeps: the shape log that draws it again at a new
// display scale, and the retained board that uses it when the window's
// pixel ratio changes.

#include <gtest/gtest.h>

#include <cstdint>

#include "render/raster_surface.h"
#include "render/retained_board.h"
#include "render/shape_log.h"
#include "render/tee_draw_context.h"
#include "sim/world.h"

namespace {

constexpr std::int32_t kWidth = 662;
constexpr std::int32_t kHeight = 447;

// A world with a few of every kind, drawn whole.
void DrawSession(DrawContext& dc) {
  CWorld world;
  for (int i = 0; i < 5; ++i) {
    world.SpawnPlant(dc);
  }
  for (int i = 0; i < 3; ++i) {
    world.SpawnHerbivore(dc);
    world.SpawnCarnivore(dc);
  }
  world.RedrawAll(dc);
}

class ShapeLogTest : public ::testing::Test {
 protected:
  ShapeLog log_;
};

TEST_F(ShapeLogTest, ReplayAtAnotherScaleEqualsDrawingAtItDirectly) {
  RasterSurface first(kWidth, kHeight, 1.0);
  TeeDrawContext both(first, log_);
  DrawSession(both);

  for (const double scale : {1.0, 1.5, 2.0}) {
    RasterSurface replayed(kWidth, kHeight, scale);
    log_.Replay(replayed);
    RasterSurface direct(kWidth, kHeight, scale);
    DrawSession(direct);
    EXPECT_EQ(replayed.Pixels(), direct.Pixels()) << "at scale " << scale;
  }
}

TEST_F(ShapeLogTest, ReplayKeepsEachShapesPen) {
  log_.SelectPen(5, {255, 0, 0});
  log_.Rectangle({10, 10, 30, 30});
  log_.SelectPen(1, {0, 0, 255});
  log_.Ellipse({40, 10, 60, 30});
  RasterSurface replayed(100, 50, 1.0);
  log_.Replay(replayed);
  EXPECT_EQ(replayed.At(10, 20), 0xFFFF0000u);
  EXPECT_EQ(replayed.At(40, 20), 0xFF0000FFu);
  EXPECT_EQ(replayed.At(20, 20), 0xFFFFFFFFu);
}

TEST_F(ShapeLogTest, ClearForgetsEveryShape) {
  DrawSession(log_);
  log_.Clear();
  RasterSurface replayed(kWidth, kHeight, 1.0);
  log_.Replay(replayed);
  EXPECT_EQ(replayed.Pixels(), RasterSurface(kWidth, kHeight, 1.0).Pixels());
}

// The board stands as the last Paint left it: the empty grid, with the
// world's animals not drawn on it.
void DrawPaintedGrid(DrawContext& dc) {
  CWorld().DrawGrid(dc);
}

TEST(RetainedBoardTest, ANewScaleDrawsTheBoardAsItStandsSinceTheLastErase) {
  RetainedBoard board(kWidth, kHeight, 1.0);
  DrawSession(board.Board());
  board.Erase();
  DrawPaintedGrid(board.Board());

  board.SetScale(2.0);
  RasterSurface direct(kWidth, kHeight, 2.0);
  DrawPaintedGrid(direct);
  EXPECT_EQ(board.Scale(), 2.0);
  EXPECT_EQ(board.Surface().Pixels(), direct.Pixels());
  EXPECT_TRUE(board.Surface().TakeChangedRect().IsEmpty());
}

TEST(RetainedBoardTest, DrawingAfterANewScaleGoesOnAtThatScale) {
  RetainedBoard board(kWidth, kHeight, 1.0);
  board.SetScale(1.5);
  DrawSession(board.Board());
  RasterSurface direct(kWidth, kHeight, 1.5);
  DrawSession(direct);
  EXPECT_EQ(board.Surface().Pixels(), direct.Pixels());
  EXPECT_FALSE(board.Surface().TakeChangedRect().IsEmpty());
}

TEST(RetainedBoardTest, ANewScaleKeepsTheSurfacesPixelOrder) {
  RetainedBoard board(kWidth, kHeight, 1.0, 1.0, PixelOrder::kRgba);
  DrawSession(board.Board());
  board.SetScale(2.0);
  RasterSurface direct(kWidth, kHeight, 2.0, 1.0, PixelOrder::kRgba);
  DrawSession(direct);
  EXPECT_EQ(board.Surface().Pixels(), direct.Pixels());
}

}  // namespace
