#include "ui/web/web_window.h"

#include <utility>

#include "app/dialog_units.h"
#include "render/device_scale.h"

WebWindow::WebWindow(emscripten::val page, double scale)
    : page_(std::move(page)),
      board_(dialog_units::kClientWidth, dialog_units::kClientHeight, scale,
             DeviceScale::kLeastZoomedOut) {}

void WebWindow::StartTimer(int id, int periodMs) {
  page_.call<void>("startTimer", id, periodMs);
}

void WebWindow::StopTimer(int id) {
  page_.call<void>("stopTimer", id);
}

void WebWindow::ShowReport(std::span<const std::string> lines) {
  report_.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      report_ += '\n';
    }
    report_ += lines[i];
  }
  page_.call<void>("showReport", report_);
}

void WebWindow::SetIterationText(std::string_view text) {
  page_.call<void>("setIterationText", std::string(text));
}

void WebWindow::EraseBoard() {
  board_.Erase();
}

void WebWindow::ShowBoard() {
  const DeviceRect part = pixels_.CopyPart(board_.Surface(), board_.Surface().TakeChangedRect());
  if (!part.IsEmpty()) {
    page_.call<void>("showPart", part.left, part.top, part.right, part.bottom);
  }
}

void WebWindow::ShowPopulations() {
  page_.call<void>("showPopulations");
}

void WebWindow::SetScale(double scale) {
  board_.SetScale(scale);
  ShowWholeBoard();
}

void WebWindow::ShowWholeBoard() {
  RasterSurface& surface = board_.Surface();
  surface.TakeChangedRect();
  pixels_.CopyFrom(surface, DeviceRect{0, 0, surface.Width(), surface.Height()});
  page_.call<void>("showBoard");
}
