// CSimDialog: the main dialog. The board on the left is the dialog's own
// drawing surface; on the right are the command buttons, the report list and
// the iterations label. Its handlers turn commands and timer messages into
// calls on the world, and it is the host of every tick.
//
// The board is a retained picture: every drawing goes into the surface and
// the changed part is repainted at once, and the dialog's paint handler shows
// the surface under the child controls, so the board survives being covered.
//
// Timers: TIMER_STARTUP (1000 ms) starts on every show and hide of the dialog
// and is cancelled by the next tick; TIMER_STEP (200 ms) is started by "Move"
// and "Start" and stopped by "Stop". Starting a running timer restarts it.
//
// Keys: Tab follows the buttons' order; Enter presses the focused button, or
// closes the dialog when no button has the focus; Esc and the close box close
// it. F1 shows the help box; the context menu (right click, the Menu key or
// Shift+F10) offers "About Pastura...".
#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QStringList>

#include "image_draw_context.h"
#include "tick.h"
#include "world.h"

class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStringListModel;

class CSimDialog : public QDialog, public TickHost {
  Q_OBJECT

 public:
  CSimDialog(CWorld& world, Schedule& schedule, QWidget* parent = nullptr);
  ~CSimDialog() override;

  // Commands.
  void OnPlant();
  void OnHerbivore();
  void OnCarnivore();
  void OnPaintGrid();
  void OnMove();
  void OnRedraw();
  void OnStop();
  void OnStart();
  void OnAbout();
  void OnHelp();

  void OnShowWindow(bool shown);
  // A timer message: TIMER_STARTUP or TIMER_STEP. Either runs one tick.
  void OnTimer(int timerId);

  // TickHost
  void ClearReport() override;
  void AppendReport(std::string_view text) override;
  void SetIterationText(std::string_view text) override;
  void CancelStartupTimer() override;
  DrawContext& GetDrawContext() override;

  // The picture of the client area as drawn so far.
  const QImage& Surface();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateControls();
  QPushButton* AddButton(int id, const char* name, const char* text, int x, int y, int width,
                         int height, void (CSimDialog::*handler)());
  void ShowContextMenu(const QPoint& globalPos);
  // Hands the lines the tick listed to the report list, all in one go.
  void ShowReport();
  // Repaints the part of the window the last drawings changed.
  void ShowDrawing();

  CWorld& world_;
  Schedule& schedule_;
  ImageDrawContext surface_;
  QListView* report_ = nullptr;
  QStringListModel* reportModel_ = nullptr;
  QStringList reportLines_;  // the report of the tick being run
  QLabel* iterations_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QBasicTimer startupTimer_;
  QBasicTimer stepTimer_;
};
