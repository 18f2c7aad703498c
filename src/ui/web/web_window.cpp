#include "ui/web/web_window.h"

#include "app/dialog_units.h"
#include "render/device_scale.h"
#include "ui/web/page_calls.h"

WebWindow::WebWindow(double scale)
    : board_(dialog_units::kClientWidth, dialog_units::kClientHeight, scale,
             DeviceScale::kLeastZoomedOut, PixelOrder::kRgba) {}

void WebWindow::StartTimer(int id, int periodMs) {
  pastura_start_timer(id, periodMs);
}

void WebWindow::StopTimer(int id) {
  pastura_stop_timer(id);
}

void WebWindow::ShowReport(std::span<const std::string> lines) {
  report_.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      report_ += '\n';
    }
    report_ += lines[i];
  }
  pastura_show_report(report_.data(), report_.size());
}

void WebWindow::SetIterationText(std::string_view text) {
  pastura_set_iteration_text(text.data(), text.size());
}

void WebWindow::EraseBoard() {
  board_.Erase();
}

void WebWindow::ShowBoard() {
  const DeviceRect part = board_.Surface().TakeChangedRect();
  if (!part.IsEmpty()) {
    pastura_show_part(part.left, part.top, part.right, part.bottom);
  }
}

void WebWindow::ShowPopulations() {
  pastura_show_populations();
}

void WebWindow::SetScale(double scale) {
  board_.SetScale(scale);
  ShowWholeBoard();
}

void WebWindow::ShowWholeBoard() {
  board_.Surface().TakeChangedRect();
  pastura_show_board();
}
