// pastura-replay --png writes the pixels the main dialog shows after the same
// session, on the surface's own background whatever the desktop's palette.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/timers.h"
#include "render/raster_surface.h"
#include "ui/qt/populations_window.h"
#include "ui/qt/shown_surface.h"
#include "ui/qt/sim_dialog.h"

class ReplayPngTest : public QObject {
  Q_OBJECT

 private slots:
  void pngEqualsTheDialogsSurfaceAfterTheSameSession() {
    const QStringList session = {"plant",     "plant", "plant", "herbivore", "herbivore",
                                 "carnivore", "tick",  "tick",  "tick",      "paint",
                                 "redraw",    "tick",  "plant", "herbivore", "tick"};
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString png = folder.filePath("session.png");
    QProcess replay;
    replay.start(QStringLiteral(PASTURA_REPLAY), {"--png", png, "-e", session.join(' ')});
    QVERIFY(replay.waitForFinished(10000));
    QCOMPARE(replay.exitCode(), 0);

    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x30));
    QApplication::setPalette(dark);
    CWorld world;
    Schedule schedule;
    CSimDialog dialog(world, schedule);  // never shown: no start-up tick
    for (const QString& command : session) {
      if (command == "tick") {
        dialog.Controller().OnTimer(TIMER_STEP);
        continue;
      }
      const QString button = command == "redraw" ? "IDC_REDRAW" : "IDC_" + command.toUpper();
      dialog.findChild<QPushButton*>(button)->click();
    }

    const QImage written(png);
    QCOMPARE(written.size(), QSize(662, 447));
    QCOMPARE(written.pixel(661, 446), kSurfaceBackground);
    QCOMPARE(written.convertToFormat(QImage::Format_ARGB32),
             SurfaceImage(dialog.Surface()).convertToFormat(QImage::Format_ARGB32));
  }

  // The Populations window, open through the session, against --chart.
  void chartEqualsThePopulationsWindowAfterTheSameSession() {
    const QString session = "plant plant herbivore carnivore tick 60 herbivore tick 5 plant";
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString png = folder.filePath("chart.png");
    QProcess replay;
    replay.start(QStringLiteral(PASTURA_REPLAY), {"--chart", png, "-e", session});
    QVERIFY(replay.waitForFinished(10000));
    QCOMPARE(replay.exitCode(), 0);

    CWorld world;
    Schedule schedule;
    CSimDialog dialog(world, schedule);
    dialog.OnPopulations();
    for (const QString& command : session.split(' ')) {
      if (command.front().isDigit()) {
        for (int tick = 1; tick < command.toInt(); ++tick) {
          dialog.Controller().OnStep();
        }
      } else if (command == "tick") {
        dialog.Controller().OnStep();
      } else {
        dialog.findChild<QPushButton*>("IDC_" + command.toUpper())->click();
      }
    }
    const auto* populations = dialog.findChild<CPopulationsWindow*>();
    QVERIFY(populations->isVisible());
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_ARGB32),
             SurfaceImage(populations->Surface()).convertToFormat(QImage::Format_ARGB32));
  }

  // A session made in the shown window, by its buttons and its own timers, and
  // copied from its context menu plays in the player to the same list, label
  // and picture.
  void aSessionCopiedFromTheWindowPlaysToTheSame() {
    CWorld world(7);
    Schedule schedule;
    CSimDialog dialog(world, schedule, 7);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto click = [&dialog](const char* name) {
      dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    };
    for (const char* name : {"IDC_PLANT", "IDC_HERBIVORE", "IDC_CARNIVORE", "IDC_MOVE"}) {
      click(name);
    }
    const QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("IDC_ITERATIONS"));
    QTRY_VERIFY_WITH_TIMEOUT(label->text().toInt() >= 3, 20 * kStepPeriodMs);
    click("IDC_STOP");
    click("IDC_PLANT");
    dialog.findChild<QAction*>(QStringLiteral("copySession"))->trigger();
    const QString session = QGuiApplication::clipboard()->text();
    QVERIFY2(session.startsWith("seed 7\nplant\nherbivore\ncarnivore\ntick "), qPrintable(session));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString png = folder.filePath("session.png");
    QProcess replay;
    replay.start(QStringLiteral(PASTURA_REPLAY), {"--png", png, "-e", session});
    QVERIFY(replay.waitForFinished(10000));
    QCOMPARE(replay.exitCode(), 0);
    const QAbstractItemModel* list =
        dialog.findChild<QListView*>(QStringLiteral("IDC_REPORT"))->model();
    QString shown;
    for (int row = 0; row < list->rowCount(); ++row) {
      shown += list->index(row, 0).data().toString() + '\n';
    }
    QVERIFY(QString::fromLatin1(replay.readAllStandardOutput())
                .endsWith(shown + "iterations " + label->text() + '\n'));
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_ARGB32),
             SurfaceImage(dialog.Surface()).convertToFormat(QImage::Format_ARGB32));
  }

  // A herbivore on the last column heading right, then a turn and a move up:
  // the outline's overhang at its first cell is gone from the picture after
  // the tick that moved it, in the last frame and in the final picture alike.
  void picturesKeepNothingBeyondTheGridPastAFullRedraw() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString png = folder.filePath("session.png");
    QProcess replay;
    replay.start(QStringLiteral(PASTURA_REPLAY), {"--png", png, "--frames", folder.filePath("f"),
                                                  "-e", "place herbivore 21 10 2 tick 2"});
    QVERIFY(replay.waitForFinished(10000));
    QCOMPARE(replay.exitCode(), 0);
    const QPoint overhang(421, 195);
    QVERIFY(QImage(folder.filePath("f/frame-000001.png")).pixel(overhang) != kSurfaceBackground);
    QCOMPARE(QImage(folder.filePath("f/frame-000002.png")).pixel(overhang), kSurfaceBackground);
    QCOMPARE(QImage(png).pixel(overhang), kSurfaceBackground);
    QVERIFY(QImage(png).pixel(421, 170) != kSurfaceBackground);
  }
};

QTEST_MAIN(ReplayPngTest)
#include "replay_png_test.moc"
