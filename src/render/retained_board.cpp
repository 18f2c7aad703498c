#include "render/retained_board.h"

RetainedBoard::RetainedBoard(std::int32_t logicalWidth, std::int32_t logicalHeight, double scale,
                             double least, PixelOrder order)
    : logicalWidth_(logicalWidth),
      logicalHeight_(logicalHeight),
      scale_(scale),
      least_(least),
      surface_(logicalWidth, logicalHeight, scale, least, order) {}

void RetainedBoard::Erase() {
  surface_.Clear();
  log_.Clear();
}

void RetainedBoard::SetScale(double scale) {
  scale_ = scale;
  surface_ = RasterSurface(logicalWidth_, logicalHeight_, scale, least_, surface_.Order());
  log_.Replay(surface_);
  surface_.TakeChangedRect();
}
