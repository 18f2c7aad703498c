// The main dialog, driven as a user drives it: real buttons, real timers, the
// real list box and label, and the pixels of its surface and window.

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>
#include <utility>

#include "app/dialog_layout.h"
#include "app/timers.h"
#include "sim/board.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/dialog_rect.h"
#include "ui/qt/populations_window.h"
#include "ui/qt/sim_dialog.h"

namespace {

constexpr QRgb kInitialPlantColour = 0xFFCCFFCC;  // (204, 255, 204) until a tick sets it
constexpr QPoint kFirstPlantCentre(30, 150);      // the first "Plant" of a run: cell (2, 8)
// How long a wait for a timer's tick may take: five times its period, so a
// busy machine does not fail the test; the wait ends at the tick itself.
constexpr int kStartupTickTimeoutMs = 5 * kStartupPeriodMs;
constexpr int kStepTickTimeoutMs = 5 * kStepPeriodMs;

// Lets `ms` of timer time pass. It ends when a timer started now for `ms`
// fires: every timer due before that has fired by then, in order, however
// late the event loop runs, so what a test sees afterwards does not depend
// on the machine's speed.
void LetTimersRun(int ms) {
  QTimer probe;
  probe.setSingleShot(true);
  probe.setTimerType(Qt::PreciseTimer);
  QSignalSpy fired(&probe, &QTimer::timeout);
  probe.start(ms);
  QVERIFY(fired.wait(5 * ms));
}

// Runs `check` on the next modal dialog once it is open, while the caller
// blocks in that dialog's event loop.
void WhenModalOpens(std::function<void(QWidget*)> check) {
  QTimer::singleShot(0, [check] {
    QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
    check(QApplication::activeModalWidget());
  });
}

}  // namespace

class SimDialogTest : public QObject {
  Q_OBJECT

 private:
  CWorld world;
  Schedule schedule;
  std::unique_ptr<CSimDialog> dialog;
  QElapsedTimer sinceShown;

  QPushButton* Button(const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
  QListView* List() { return dialog->findChild<QListView*>(QStringLiteral("IDC_REPORT")); }
  // The lines in the order the list shows them.
  QStringList Report() {
    const QAbstractItemModel* lines = List()->model();
    QStringList shown;
    for (int row = 0; row < lines->rowCount(); ++row) {
      shown << lines->index(row, 0).data().toString();
    }
    return shown;
  }
  QString Label() { return dialog->findChild<QLabel*>(QStringLiteral("IDC_ITERATIONS"))->text(); }
  QRgb SurfaceAt(QPoint point) { return dialog->Surface().At(point.x(), point.y()); }
  // Waits for the first tick, from whichever timer.
  void WaitForFirstTick() { QTRY_VERIFY_WITH_TIMEOUT(!Report().isEmpty(), kStartupTickTimeoutMs); }

 private slots:
  void init() {
    world = CWorld();
    schedule = Schedule();
    dialog = std::make_unique<CSimDialog>(world, schedule);
    sinceShown.start();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
  }

  void cleanup() { dialog.reset(); }

  void windowHasTheTemplatesFixedSizeAndCaption() {
    QCOMPARE(dialog->size(), QSize(662, 447));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Pastura"));
  }

  // A click at the centre of each button's rectangle in the layout lands on
  // the button with that id, and each button runs its own command.
  void clickAtEachButtonsCentreHitsThatButton() {
    for (const dialog_layout::Control& control : dialog_layout::kMainDialogControls) {
      if (control.id == IDC_STATIC) {
        continue;
      }
      const QPoint centre = DialogRect(control.rect).center();
      QWidget* hit = dialog->childAt(centre);
      while (hit != nullptr && !hit->property("controlId").isValid()) {
        hit = hit->parentWidget();  // the list's viewport is the list's
      }
      QVERIFY2(hit != nullptr, control.name.data());
      QCOMPARE(hit->property("controlId").toInt(), control.id);
    }
    const QPoint plantCentre = DialogRect(dialog_layout::FindControl(IDC_PLANT)->rect).center();
    QWidget* plant = dialog->childAt(plantCentre);
    QTest::mouseClick(plant, Qt::LeftButton, Qt::NoModifier,
                      plant->mapFrom(dialog.get(), plantCentre));
    QCOMPARE(world.plantCount, 1);
  }

  void listLiesRightOfTheBoardAndNoControlsOverlap() {
    constexpr int kBoardAndOverhang = kBoardPixels + 2;
    QVERIFY(List()->geometry().left() > kBoardAndOverhang);
    QList<QWidget*> controls;
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisible()) {
        controls << child;
      }
    }
    QCOMPARE(controls.size(), int(dialog_layout::kMainDialogControls.size()));
    for (qsizetype i = 0; i < controls.size(); ++i) {
      QVERIFY(controls[i]->geometry().left() > kBoardAndOverhang);
      for (qsizetype j = i + 1; j < controls.size(); ++j) {
        // The template lets "Plant" and "Herbivore" share one row of pixels.
        const QRect overlap = controls[i]->geometry() & controls[j]->geometry();
        const bool plantAndHerbivore = controls[i]->objectName() == "IDC_PLANT" &&
                                       controls[j]->objectName() == "IDC_HERBIVORE";
        QVERIFY2(overlap.isEmpty() || (plantAndHerbivore && overlap.height() == 1),
                 qPrintable(controls[i]->objectName() + " / " + controls[j]->objectName()));
      }
    }
  }

  // A dark desktop palette changes neither the board's background nor the
  // window's around the controls: both are the surface's own colour.
  void backgroundIsTheSurfacesWhateverThePalette() {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x30));
    QApplication::setPalette(dark);
    CWorld darkWorld;
    Schedule darkSchedule;
    CSimDialog darkDialog(darkWorld, darkSchedule);
    QApplication::setPalette(desktop);

    QCOMPARE(darkDialog.palette().color(QPalette::Window).rgb(), kSurfaceBackground);
    const QPoint besideTheBoard(450, 300);  // left of the list, below no button
    QCOMPARE(darkDialog.Surface().At(besideTheBoard.x(), besideTheBoard.y()), kSurfaceBackground);
    QCOMPARE(darkDialog.Surface().At(661, 446), kSurfaceBackground);
    const QImage window = darkDialog.grab().toImage();
    QCOMPARE(window.pixel(besideTheBoard), kSurfaceBackground);
  }

  void focusStartsOnPlantAndTabFollowsTheTemplate() {
    QCOMPARE(QApplication::focusWidget(), Button("IDC_PLANT"));
    const QStringList expected = {"IDC_HERBIVORE", "IDC_CARNIVORE", "IDC_PAINT",
                                  "IDC_MOVE",      "IDC_REDRAW",    "IDC_STOP",
                                  "IDC_START",     "IDC_REPORT",    "IDC_PLANT"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
      QVERIFY(!button->isDefault());
    }
  }

  void firstPlantDrawsAtOnceAndReportsOnlyAtTheNextTick() {
    Click("IDC_PLANT");
    QCOMPARE(world.plantCount, 1);
    QCOMPARE(SurfaceAt(kFirstPlantCentre), kInitialPlantColour);
    QVERIFY(Report().isEmpty());
    QCOMPARE(Label(), QStringLiteral("0"));
    WaitForFirstTick();
    QCOMPARE(Report(), (QStringList{"plants", "0: 22", "Herbivore", "Carnivore"}));
  }

  void startupTickComesOneSecondAfterShowingAndOnlyOnce() {
    WaitForFirstTick();
    // A millisecond's rounding between the two clocks at most.
    QVERIFY(sinceShown.elapsed() >= kStartupPeriodMs - 1);
    QCOMPARE(Report(), (QStringList{"plants", "Herbivore", "Carnivore"}));
    QCOMPARE(Label(), QStringLiteral("0"));
    LetTimersRun(kStartupPeriodMs * 3 / 2);
    QCOMPARE(world.iterationCount, 1);  // cancelled by its own tick
  }

  void hidingAndShowingAgainGivesOneMoreTick() {
    WaitForFirstTick();
    dialog->hide();
    dialog->show();
    QTRY_COMPARE_WITH_TIMEOUT(Label(), QStringLiteral("1"), kStartupTickTimeoutMs);
    LetTimersRun(kStartupPeriodMs * 3 / 2);
    QCOMPARE(Label(), QStringLiteral("1"));
  }

  void firstSteppingTickCancelsTheStartupTimer() {
    Click("IDC_MOVE");
    WaitForFirstTick();
    Click("IDC_STOP");
    QCOMPARE(Label(), QStringLiteral("0"));
    LetTimersRun(kStartupPeriodMs * 3 / 2);
    QCOMPARE(Label(), QStringLiteral("0"));
  }

  void moveTwiceThenStopOnceLeavesTheWorldStanding() {
    WaitForFirstTick();
    Click("IDC_MOVE");
    Click("IDC_MOVE");
    Click("IDC_STOP");
    LetTimersRun(3 * kStepPeriodMs);
    QCOMPARE(world.iterationCount, 1);
  }

  void startStepsTheWorldAsMoveDoes() {
    Click("IDC_START");
    QTRY_COMPARE_WITH_TIMEOUT(Label(), QStringLiteral("3"), 3 * kStepTickTimeoutMs);
    Click("IDC_STOP");
  }

  // Each tick's list replaces the one before: after two ticks it holds the
  // second tick's lines only.
  void everyTickReplacesTheReportList() {
    Click("IDC_PLANT");
    dialog->Controller().OnTimer(TIMER_STEP);
    dialog->Controller().OnTimer(TIMER_STEP);
    QCOMPARE(Report(), (QStringList{"plants", "0: 24", "Herbivore", "Carnivore"}));
  }

  void paintBlanksTheBoardUntilTheNextTick() {
    Click("IDC_PLANT");
    Click("IDC_MOVE");
    WaitForFirstTick();
    Click("IDC_PAINT");
    QCOMPARE(SurfaceAt(kFirstPlantCentre), qRgb(255, 255, 255));
    QTRY_VERIFY_WITH_TIMEOUT(SurfaceAt(kFirstPlantCentre) != qRgb(255, 255, 255),
                             kStepTickTimeoutMs);
  }

  // A herbivore on the last column, heading right: its 5-pixel outline
  // reaches columns 420 and 421, past the grid. Every full redraw clears
  // what the grid does not cover.
  void fullRedrawsEraseWhatLiesBeyondTheGrid() {
    const QPoint overhang(421, 195);  // beside cell (21, 10)
    const auto placeOnTheEdge = [this] {
      world.PlaceHerbivore(dialog->Board(), 21, 10, kHeadingRight, kHerbivoreKind);
    };
    placeOnTheEdge();
    QVERIFY(SurfaceAt(overhang) != kSurfaceBackground);
    Click("IDC_PAINT");
    QCOMPARE(SurfaceAt(overhang), kSurfaceBackground);

    Click("IDC_REDRAW");
    QVERIFY(SurfaceAt(overhang) != kSurfaceBackground);
    world = CWorld();
    Click("IDC_REDRAW");
    QCOMPARE(SurfaceAt(overhang), kSurfaceBackground);

    placeOnTheEdge();
    dialog->Controller().OnTimer(TIMER_STEP);  // turns it to face up
    QVERIFY(SurfaceAt(overhang) != kSurfaceBackground);
    dialog->Controller().OnTimer(TIMER_STEP);  // moves it to (21, 9)
    QCOMPARE(SurfaceAt(overhang), kSurfaceBackground);
    QVERIFY(SurfaceAt(QPoint(421, 170)) != kSurfaceBackground);
  }

  // The window paints the retained board, so a covered and uncovered part
  // (here: the whole window rendered afresh) shows the board, not a blank.
  void windowRepaintsTheRetainedBoard() {
    Click("IDC_PLANT");
    Click("IDC_HERBIVORE");
    Click("IDC_REDRAW");
    const QImage window = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const RasterSurface& surface = dialog->Surface();
    for (int y = 0; y < 422; ++y) {
      for (int x = 0; x < 422; ++x) {
        if (window.pixel(x, y) != surface.At(x, y)) {
          QFAIL(qPrintable(QString("window differs at %1, %2").arg(x).arg(y)));
        }
      }
    }
  }

  void aboutBoxOpensFromTheContextMenuWhileTicksContinue() {
    Click("IDC_MOVE");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(100, 100),
                                 dialog->mapToGlobal(QPoint(100, 100)));
    QApplication::sendEvent(dialog.get(), &rightClick);
    auto* menu = dialog->findChild<QMenu*>();
    QTRY_VERIFY(menu->isVisible());
    QAction* about = menu->actions().value(0);
    QCOMPARE(about->text(), QStringLiteral("&About Pastura..."));

    bool checked = false;
    WhenModalOpens([&](QWidget* box) {
      QVERIFY(qobject_cast<CAboutDialog*>(box) != nullptr);
      QCOMPARE(box->windowTitle(), QStringLiteral("About Pastura"));
      const std::int32_t ticks = world.iterationCount;
      QTRY_VERIFY(world.iterationCount > ticks + 1);
      QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("IDOK")), Qt::LeftButton);
      checked = true;
    });
    menu->activateWindow();
    QTest::keyClick(menu, Qt::Key_A);  // the entry's mnemonic
    QVERIFY(checked);
    QVERIFY(QApplication::activeModalWidget() == nullptr ||
            QApplication::activeModalWidget() == dialog.get());
    Click("IDC_STOP");
  }

  // S in the list, in the Populations window, and the menu's Step entry.
  void stepKeyAndEntryTakeOneTickEachWhereverTheFocusIs() {
    WaitForFirstTick();
    const std::int32_t ticks = world.iterationCount;
    QTest::keyClick(List(), Qt::Key_S);
    QCOMPARE(world.iterationCount, ticks + 1);
    QTest::keyClick(Button("IDC_PLANT"), Qt::Key_P);
    auto* populations = dialog->findChild<CPopulationsWindow*>();
    QVERIFY(QTest::qWaitForWindowExposed(populations));
    populations->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(populations));
    QTest::keyClick(populations, Qt::Key_S);
    QCOMPARE(world.iterationCount, ticks + 2);
    dialog->findChild<QAction*>(QStringLiteral("IDM_STEP"))->trigger();
    QCOMPARE(world.iterationCount, ticks + 3);
  }

  // P opens it beside the dialog, the menu's entry closes it, and closing
  // the dialog closes it too.
  void populationsWindowOpensFromKeyAndEntryAndClosesWithTheDialog() {
    auto* populations = dialog->findChild<CPopulationsWindow*>();
    QVERIFY(!populations->isVisible());
    QTest::keyClick(List(), Qt::Key_P);
    QVERIFY(QTest::qWaitForWindowExposed(populations));
    QCOMPARE(populations->windowTitle(), QStringLiteral("Populations"));
    QVERIFY(populations->geometry().left() > dialog->geometry().right());
    auto* entry = dialog->findChild<QAction*>(QStringLiteral("IDM_CHART"));
    entry->trigger();
    QVERIFY(!populations->isVisible());
    entry->trigger();
    QVERIFY(populations->isVisible());
    dialog->close();
    QVERIFY(!populations->isVisible());
  }

  void shiftF10OpensTheContextMenu() {
    QTest::keyClick(Button("IDC_PLANT"), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(dialog->findChild<QMenu*>()->isVisible());
    dialog->findChild<QMenu*>()->close();
  }

  void f1ShowsTheHelpBox() {
    QString title;
    QString text;
    WhenModalOpens([&](QWidget* box) {
      auto* help = qobject_cast<QMessageBox*>(box);
      QVERIFY(help != nullptr);
      title = help->windowTitle();
      text = help->text();
      help->accept();
    });
    QTest::keyClick(Button("IDC_PLANT"), Qt::Key_F1);
    QCOMPARE(title, QStringLiteral("Pastura Help"));
    QVERIFY(text.startsWith("Plant, Herbivore, Carnivore: add one entity"));
  }

  void enterOnAFocusedButtonPressesIt() {
    QTest::keyClick(Button("IDC_PLANT"), Qt::Key_Return);
    QCOMPARE(world.plantCount, 1);
    QVERIFY(dialog->isVisible());
  }

  void enterInTheListClosesTheDialog() {
    QTest::mouseClick(List()->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), List());
    QTest::keyClick(List(), Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

  void escapeClosesTheDialog() {
    QTest::keyClick(Button("IDC_MOVE"), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
  }

  // The close box: the window has one, and its close request, made to the
  // dialog's native window as the window system makes it, ends the modal loop
  // as "Cancel" would. A dialog that refused it would still be open later.
  void closeBoxClosesTheDialog() {
    QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    QTimer::singleShot(0, dialog.get(), [this] { dialog->windowHandle()->close(); });
    constexpr int kStillOpen = -1;
    QTimer::singleShot(2000, dialog.get(), [this] { dialog->done(kStillOpen); });
    QCOMPARE(dialog->exec(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
  }
};

QTEST_MAIN(SimDialogTest)
#include "sim_dialog_test.moc"
