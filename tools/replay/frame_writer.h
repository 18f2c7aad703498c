// Writes the picture after every tick as DIR/frame-000001.png,
// DIR/frame-000002.png, ... (six digits, more once past 999999), each whole
// or not at all. A frame that cannot be written stops the session; error()
// then says which and why.
#pragma once

#include <string>

#include "replay/png_output.h"
#include "replay/tick_listener.h"

class FrameWriter : public TickListener {
 public:
  FrameWriter(PngOutput& picture, std::string directory);

  // The file name of the frame after `tick`, without its folder.
  static std::string FrameName(std::int64_t tick);

  bool AfterTick(std::int64_t tick, const CWorld& world) override;

  const std::string& error() const { return error_; }

 private:
  PngOutput& picture_;
  std::string directory_;
  std::string error_;
};
