// The window the player plays a session in: the dialog's rules drawing on
// the shared pixel surface at scale 1, with the report list and the label
// kept as the last tick left them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_units.h"
#include "app/dialog_window.h"
#include "render/raster_surface.h"

class PlayerWindow : public DialogWindow {
 public:
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void ShowReport(std::span<const std::string> lines) override {
    report.assign(lines.begin(), lines.end());
  }
  void SetIterationText(std::string_view text) override { label = text; }
  DrawContext& Board() override { return board; }
  void EraseBoard() override { board.Clear(); }
  void ShowBoard() override {}

  RasterSurface board{dialog_units::kClientWidth, dialog_units::kClientHeight, 1.0};
  std::vector<std::string> report;
  std::string label;
};
