// A long run of the main dialog: 100,000 ticks through its timer handler with
// button presses mixed in, checked against a twin world stepped on its own,
// and the process's memory watched once warmed up.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <fstream>
#include <string>

#include "app/timers.h"
#include "render/raster_surface.h"
#include "sim/tick.h"
#include "ui/qt/sim_dialog.h"

namespace {

constexpr int kTicks = 100'000;
constexpr int kWarmUpTicks = 10'000;
constexpr int kCheckEvery = 5'000;
constexpr int kEventsEvery = 10;  // a window handles its queue a few times a second
constexpr long kMemoryBoundKiB = 2048;

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 10, '\n');
  }
  return -1;
}

// The twin's host keeps the report and label as plain text.
class TwinHost : public TickHost {
 public:
  explicit TwinHost(DrawContext& dc) : dc_(dc) {}

  void ClearReport() override { report.clear(); }
  void AppendReport(std::string_view text) override {
    report << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }
  void SetIterationText(std::string_view text) override {
    label = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }
  void CancelStartupTimer() override {}
  DrawContext& GetDrawContext() override { return dc_; }

  QStringList report;
  QString label;

 private:
  DrawContext& dc_;
};

}  // namespace

class SimDialogSoakTest : public QObject {
  Q_OBJECT

 private slots:
  void hundredThousandTicksStayRightInFlatMemory() {
    CWorld world;
    Schedule schedule;
    CSimDialog dialog(world, schedule);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    CWorld twin;
    Schedule twinSchedule;
    RasterSurface twinSurface(662, 447, 1.0);
    TwinHost twinHost(twinSurface);
    const QAbstractItemModel* list =
        dialog.findChild<QListView*>(QStringLiteral("IDC_REPORT"))->model();
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("IDC_ITERATIONS"));

    QElapsedTimer clock;
    clock.start();
    long warmResidentKiB = 0;
    for (int tick = 1; tick <= kTicks; ++tick) {
      switch (tick % 40) {
        case 0:
          dialog.Controller().OnPlant();
          twin.SpawnPlant(twinSurface);
          break;
        case 10:
          dialog.Controller().OnHerbivore();
          twin.SpawnHerbivore(twinSurface);
          break;
        case 20:
          dialog.Controller().OnCarnivore();
          twin.SpawnCarnivore(twinSurface);
          break;
        default:
          break;
      }
      dialog.Controller().OnTimer(TIMER_STEP);
      twinSurface.Clear();  // as the dialog does before every tick
      Tick(twin, twinSchedule, twinHost);
      if (tick % kEventsEvery == 0) {
        QCoreApplication::processEvents();
      }

      if (tick % kCheckEvery == 0) {
        QStringList shown;
        for (int row = 0; row < list->rowCount(); ++row) {
          shown << list->index(row, 0).data().toString();
        }
        QCOMPARE(shown, twinHost.report);
        QCOMPARE(label->text(), twinHost.label);
        QVERIFY(dialog.Surface().Pixels() == twinSurface.Pixels());
      }
      if (tick == kWarmUpTicks) {
        warmResidentKiB = ResidentKiB();
      }
    }
    QCOMPARE(label->text(), QString::number(kTicks - 1));
    qInfo("soak: %d ticks in %.1f s", kTicks, static_cast<double>(clock.elapsed()) / 1000);
    const long growthKiB = ResidentKiB() - warmResidentKiB;
    qInfo("resident after warm-up %ld KiB, growth over %d ticks %ld KiB", warmResidentKiB,
          kTicks - kWarmUpTicks, growthKiB);
    QVERIFY2(growthKiB < kMemoryBoundKiB, qPrintable(QString::number(growthKiB)));
  }
};

QTEST_MAIN(SimDialogSoakTest)
#include "sim_dialog_soak_test.moc"
