// CSimDialog: the main dialog's Qt face. The board on the left is the
// dialog's own drawing surface; on the right are the command buttons, the
// report list and the iterations label, built from the shared layout. The
// dialog's rules (DialogController) decide what each button and timer does;
// this face turns clicks, timer events and showing into the controller's calls
// and implements the window the controller acts on.
//
// The board is a retained picture at the window's device pixel ratio, so it is
// drawn crisp at any display scale: every drawing goes into the surface and
// the changed part is repainted at once, straight from the surface's buffer,
// under the child controls, so the board survives being covered. When the
// window moves to a screen with another ratio, the board is drawn again at
// that ratio exactly as it stands.
//
// Keys: Tab follows the buttons' order; Enter presses the focused button, or
// closes the dialog when no button has the focus; Esc and the close box close
// it. F1 shows the help box; the context menu (right click, the Menu key or
// Shift+F10) offers "About Pastura...", "Populations" (the companion window
// with the population chart, shown or hidden), "Step" (one tick, as the
// step timer takes it) and "Copy session", which puts the session so far
// (its seed, every command and tick) on the clipboard as the player's
// script. P and S do Populations and Step wherever the focus is, in the
// dialog or the Populations window, while no modal box is open.
#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/dialog_controller.h"
#include "app/dialog_window.h"
#include "app/session_recorder.h"
#include "render/raster_surface.h"
#include "render/retained_board.h"
#include "sim/random.h"
#include "sim/tick.h"
#include "sim/world.h"

class QLabel;
class QListView;
class QMenu;
class QStringListModel;
class CPopulationsWindow;

class CSimDialog : public QDialog, public DialogWindow {
  Q_OBJECT

 public:
  // `seed` is the one the world's spawn generator started from, which the
  // recorded session names.
  CSimDialog(CWorld& world, Schedule& schedule, std::uint32_t seed = Random::kDefaultSeed,
             QWidget* parent = nullptr);
  ~CSimDialog() override;

  DialogController& Controller() { return controller_; }
  // The board's pixels as drawn so far, at the window's device pixel ratio.
  const RasterSurface& Surface() const { return board_.Surface(); }

  void OnAbout();
  void OnHelp();
  // Shows the Populations window beside the dialog, or hides it.
  void OnPopulations();
  void OnCopySession();

  // DialogWindow
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void ShowReport(std::span<const std::string> lines) override;
  void SetIterationText(std::string_view text) override;
  DrawContext& Board() override;
  void EraseBoard() override;
  void ShowBoard() override;
  void ShowPopulations() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateControls();
  // A context menu entry whose key works wherever the focus is.
  QAction* AddEntry(std::string_view text, const char* name, int id, char key);
  void ShowContextMenu(const QPoint& globalPos);
  QBasicTimer* TimerById(int id);
  // Draws the board again at the window's ratio if that has changed.
  void FollowPixelRatio();

  SessionRecorder session_;
  DialogController controller_;
  RetainedBoard board_;
  QListView* report_ = nullptr;
  QStringListModel* reportModel_ = nullptr;
  QLabel* iterations_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QAction* populationsEntry_ = nullptr;
  CPopulationsWindow* populations_ = nullptr;
  QBasicTimer startupTimer_;
  QBasicTimer stepTimer_;
};
