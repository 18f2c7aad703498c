// WebWindow: the main dialog's window in a web page.
//
// The timers, the report list and the label belong to the page's script,
// reached through the object `page` (see site/page.js): startTimer(id,
// periodMs), stopTimer(id), showReport(text) with the list's lines joined by
// newlines (a line is never empty), setIterationText(text), showBoard() when
// the whole board's canvas bytes are new, and showPart(left, top, right,
// bottom) when that part of the board has changed and its bytes alone are
// in Pixels().PartBytes(), and showPopulations() after every tick and spawn.
//
// The board is a RetainedBoard of the client area at the page's device pixel
// ratio, so a new ratio redraws the board exactly as it stands.
#pragma once

#include <emscripten/val.h>

#include <span>
#include <string>
#include <string_view>

#include "app/dialog_window.h"
#include "render/raster_surface.h"
#include "render/retained_board.h"
#include "ui/web/canvas_pixels.h"

class WebWindow : public DialogWindow {
 public:
  WebWindow(emscripten::val page, double scale);

  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void ShowReport(std::span<const std::string> lines) override;
  void SetIterationText(std::string_view text) override;
  DrawContext& Board() override { return board_.Board(); }
  void EraseBoard() override;
  void ShowBoard() override;
  void ShowPopulations() override;

  // Draws the board again at a new display scale and shows all of it.
  void SetScale(double scale);
  // Shows the whole board, drawn or not: the page's first frame.
  void ShowWholeBoard();

  // The board in the canvas's bytes, as large as the surface, and the part
  // the last step changed.
  const CanvasPixels& Pixels() const { return pixels_; }

 private:
  emscripten::val page_;
  RetainedBoard board_;
  CanvasPixels pixels_;
  std::string report_;  // the joined lines, reused from tick to tick
};
