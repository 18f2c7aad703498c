// PngOutput: the picture of the main window's client area (662 x 447 pixels,
// the board at its top-left) that the player draws into alongside its text,
// encoded as PNG for the files the player writes. It holds the same
// pixels the desktop window shows after the same session.
//
// Which surface a build has is chosen when it is configured; a build without
// one returns none from MakePngOutput.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "draw_context.h"

class PngOutput {
 public:
  virtual ~PngOutput() = default;

  virtual DrawContext& Surface() = 0;
  // Returns the whole picture to its background, as the window does before
  // every full redraw of the board.
  virtual void Clear() = 0;
  // The picture as PNG bytes; none when it cannot be encoded.
  virtual std::optional<std::string> Encode() = 0;
};

// This build's picture, or null where PNG output is not available.
std::unique_ptr<PngOutput> MakePngOutput();
