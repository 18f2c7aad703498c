// WebWindow: the main dialog's window in a web page.
//
// The timers, the report list, the label and the canvases belong to the
// page's script, reached through page_calls.h. After a drawing the page is
// told the part of the board's surface that changed, and puts that part of
// the surface's own pixels, which are in a canvas's byte order, on its
// canvas.
//
// The board is a RetainedBoard of the client area at the page's device pixel
// ratio, so a new ratio redraws the board exactly as it stands.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/dialog_window.h"
#include "render/raster_surface.h"
#include "render/retained_board.h"

class WebWindow : public DialogWindow {
 public:
  explicit WebWindow(double scale);

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

  const RasterSurface& Surface() const { return board_.Surface(); }

 private:
  RetainedBoard board_;
  std::string report_;  // the joined lines, reused from tick to tick
};
