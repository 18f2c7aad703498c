// The main dialog on a high-density display (run with QT_SCALE_FACTOR=2):
// its board is drawn at the window's pixel ratio, pixel for pixel what the
// shared surface draws at that scale after the same session, and the window
// shows those pixels unscaled. On a display above the most scale a surface
// draws at (QT_SCALE_FACTOR=5) the board fills the window's size all the same.

#include <QImage>
#include <QTest>
#include <span>
#include <string>
#include <string_view>

#include "app/dialog_controller.h"
#include "app/dialog_window.h"
#include "app/timers.h"
#include "render/raster_surface.h"
#include "ui/qt/sim_dialog.h"

namespace {

// A window that only draws: the reference for the dialog's board.
class SurfaceWindow : public DialogWindow {
 public:
  explicit SurfaceWindow(double scale) : surface(662, 447, scale) {}

  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void ShowReport(std::span<const std::string>) override {}
  void SetIterationText(std::string_view) override {}
  DrawContext& Board() override { return surface; }
  void EraseBoard() override { surface.Clear(); }
  void ShowBoard() override { surface.TakeChangedRect(); }

  RasterSurface surface;
};

void PlaySession(DialogController& controller) {
  for (int i = 0; i < 4; ++i) {
    controller.OnPlant();
    controller.OnHerbivore();
  }
  controller.OnCarnivore();
  for (int i = 0; i < 3; ++i) {
    controller.OnTimer(TIMER_STEP);
  }
  controller.OnHerbivore();
}

}  // namespace

class SimDialogScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void boardEqualsTheSharedSurfaceAtTheWindowsScale() {
    CWorld world;
    Schedule schedule;
    CSimDialog dialog(world, schedule);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.devicePixelRatioF(), 2.0);
    PlaySession(dialog.Controller());

    CWorld referenceWorld;
    Schedule referenceSchedule;
    SurfaceWindow reference(2.0);
    DialogController referenceController(referenceWorld, referenceSchedule, reference);
    PlaySession(referenceController);

    QCOMPARE(dialog.Surface().Width(), 1324);
    QCOMPARE(dialog.Surface().Height(), 894);
    QVERIFY(dialog.Surface().Pixels() == reference.surface.Pixels());

    const QImage window = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(window.size(), QSize(1324, 894));
    constexpr int kBoardAndOverhang = 2 * 422;
    for (int y = 0; y < kBoardAndOverhang; ++y) {
      for (int x = 0; x < kBoardAndOverhang; ++x) {
        if (window.pixel(x, y) != reference.surface.At(x, y)) {
          QFAIL(qPrintable(QString("window differs at %1, %2").arg(x).arg(y)));
        }
      }
    }
  }

  // Drawn at scale 4 and shown at the window's 5, the grid's right edge
  // lands where the window's grid has it.
  void boardFillsTheWindowAboveTheMostScale() {
    if (qApp->devicePixelRatio() != 5.0) {
      QSKIP("run with QT_SCALE_FACTOR=5");
    }
    CWorld world;
    Schedule schedule;
    CSimDialog dialog(world, schedule);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    PlaySession(dialog.Controller());
    QCOMPARE(dialog.Surface().Width(), 4 * 662);

    const QRgb gridLine = dialog.Surface().At(1678, 1640);  // logical (419.5, 410)
    QVERIFY(gridLine != kSurfaceBackground);
    const QImage window = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(window.pixel(2097, 2050), gridLine);
  }
};

QTEST_MAIN(SimDialogScaleTest)
#include "sim_dialog_scale_test.moc"
