// CPopulationsWindow: the "Populations" window beside the main dialog, a
// modeless companion that shows the population chart (PopulationChart) of
// the dialog's history and counts. It is the dialog's child, so it closes
// with it. Refresh() draws the chart anew while the window is shown, and
// showing it draws it at once; the chart is drawn at the window's device
// pixel ratio, and again when the window moves to a screen with another.
#pragma once

#include <QWidget>
#include <memory>

#include "app/dialog_controller.h"
#include "render/population_chart.h"

class CPopulationsWindow : public QWidget {
  Q_OBJECT

 public:
  CPopulationsWindow(const DialogController& controller, QWidget* dialog);
  ~CPopulationsWindow() override;

  // The chart as drawn last, at the window's device pixel ratio.
  const RasterSurface& Surface() const { return chart_->Surface(); }

  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FollowPixelRatio();

  const DialogController& controller_;
  std::unique_ptr<PopulationChart> chart_;
  double scale_;
};
