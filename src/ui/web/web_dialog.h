// WebDialog: the page's one dialog, the shared dialog rules on the
// program-wide world and schedule, shown in a WebWindow, the population
// chart the page shows below it, and the session recorded for a link.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "app/dialog_controller.h"
#include "app/session_recorder.h"
#include "render/population_chart.h"
#include "sim/program.h"
#include "sim/random.h"
#include "ui/web/web_window.h"

class WebDialog {
 public:
  // `seed` starts the world's spawn generator; `scale` is the device pixel ratio.
  WebDialog(std::uint32_t seed, double scale)
      : window_(scale), controller_(theWorld, theSchedule, window_), session_(seed) {
    theWorld.random = Random(seed);
    controller_.RecordTo(session_);
  }

  DialogController& Controller() { return controller_; }
  WebWindow& Window() { return window_; }

  // Draws the chart of the populations so far at `scale` (a new scale, or
  // the first time, draws all of it); returns the areas drawn on.
  std::span<const DeviceRect> DrawChart(double scale) {
    if (scale != chartScale_) {
      chartScale_ = scale;
      chart_.emplace(kChartWidth, kChartHeight, scale, PixelOrder::kRgba);
    }
    chart_->Draw(controller_.History(), controller_.Counts());
    return chart_->Redrawn();
  }
  // The parts the last DrawChart drew on, and the chart's pixels in a
  // canvas's byte order; none before the first DrawChart.
  std::span<const DeviceRect> ChartParts() const { return chart_->Redrawn(); }
  const RasterSurface& ChartSurface() const { return chart_->Surface(); }

  const SessionRecorder& Session() const { return session_; }

 private:
  WebWindow window_;
  DialogController controller_;
  SessionRecorder session_;
  double chartScale_ = 0.0;  // none drawn yet
  std::optional<PopulationChart> chart_;
};
