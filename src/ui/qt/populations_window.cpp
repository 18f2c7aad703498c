#include "ui/qt/populations_window.h"

#include <QPainter>
#include <QShowEvent>
#include <QWindow>

#include "app/dialog_layout.h"
#include "ui/qt/fixed_size_box.h"
#include "ui/qt/latin1.h"
#include "ui/qt/shown_surface.h"

CPopulationsWindow::CPopulationsWindow(const DialogController& controller, QWidget* dialog)
    : QWidget(dialog, kFixedSizeBoxFlags),
      controller_(controller),
      chart_(std::make_unique<PopulationChart>(kChartWidth, kChartHeight, devicePixelRatioF())),
      scale_(devicePixelRatioF()) {
  QString title = Latin1(dialog_layout::kPopulationsEntryText);
  setWindowTitle(title.remove(QLatin1Char('&')));
  setFixedSize(kChartWidth, kChartHeight);
  AdvertiseFixedSize(*this);
  // The chart covers the whole window: no background is painted under it.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

CPopulationsWindow::~CPopulationsWindow() = default;

void CPopulationsWindow::Refresh() {
  if (!isVisible()) {
    return;
  }
  chart_->Draw(controller_.History(), controller_.Counts());
  for (const DeviceRect& redrawn : chart_->Redrawn()) {
    update(SurfaceRect(chart_->Surface(), redrawn));
  }
}

void CPopulationsWindow::FollowPixelRatio() {
  if (devicePixelRatioF() != scale_) {
    scale_ = devicePixelRatioF();
    chart_ = std::make_unique<PopulationChart>(kChartWidth, kChartHeight, scale_);
  }
  Refresh();
  update();  // all of it, also when nothing has changed since it was hidden
}

// The surface's buffer, wrapped without a copy.
void CPopulationsWindow::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(QPoint(0, 0), SurfaceImage(chart_->Surface()));
}

void CPopulationsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  connect(windowHandle(), &QWindow::screenChanged, this, &CPopulationsWindow::FollowPixelRatio,
          Qt::UniqueConnection);
  FollowPixelRatio();
}
