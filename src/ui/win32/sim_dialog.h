// CSimDialog: the main dialog (template 102), the window of the dialog's
// rules (DialogController) on the world and schedule it is handed: its
// buttons, timers and show events go to the controller, which draws on the
// board and fills the report list and the iterations label through this
// dialog. Enter presses the focused button, and closes the dialog where no
// button has the focus, as Esc does; F1 shows the help. The board is
// drawn into a retained picture of the client area that the paint handler
// shows; every full redraw (a tick, ReDraw, Paint) first clears that picture,
// so that nothing drawn outside the grid stays. The board is drawn at the
// window's display scale and, with the shapes kept since the last clear,
// again at a new one when the window moves to a screen of another scale.
// While minimised the dialog paints its icon instead. The system menu and
// the context menu carry About, Populations (the companion window with the
// population chart, shown or hidden) and Step (one tick, as the step timer
// takes it), P and S doing the same (see dialog_menus.h, dialog_keys.h), and
// Copy session, which puts the session so far (its seed, every command and
// tick, SessionRecorder) on the clipboard as the player's script.
#pragma once

#include <windows.h>

#include "app/dialog_controller.h"
#include "app/dialog_window.h"
#include "app/session_recorder.h"
#include "render/shape_log.h"
#include "render/tee_draw_context.h"
#include "sim/random.h"
#include "sim/tick.h"
#include "sim/world.h"
#include "ui/win32/board_bitmap.h"
#include "ui/win32/gdi_draw_context.h"
#include "ui/win32/populations_window.h"

class CSimDialog : private DialogWindow {
 public:
  // `seed` is the one the world's spawn generator started from, which the
  // recorded session names.
  CSimDialog(HINSTANCE instance, CWorld& world, Schedule& schedule,
             std::uint32_t seed = Random::kDefaultSeed);
  ~CSimDialog() override = default;
  CSimDialog(const CSimDialog&) = delete;
  CSimDialog& operator=(const CSimDialog&) = delete;

  // Runs the dialog until it is closed; with a session, the dialog plays it
  // once its window is made and opens on its end, stopped.
  INT_PTR DoModal(const Script* session = nullptr);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // DialogWindow
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void ShowReport(std::span<const std::string> lines) override;
  void SetIterationText(std::string_view text) override;
  DrawContext& Board() override { return boardDrawing_; }
  void EraseBoard() override;
  void ShowBoard() override;
  void ShowPopulations() override;

  INT_PTR OnInitDialog();
  INT_PTR OnCommand(WORD id);
  INT_PTR OnShowWindow(WPARAM shown);
  INT_PTR OnTimer(WPARAM id);
  INT_PTR OnSysCommand(WPARAM id);
  INT_PTR OnContextMenu(LPARAM where);
  INT_PTR OnInitMenuPopup();
  INT_PTR OnAbout();
  INT_PTR OnPaint();
  INT_PTR OnQueryDragIcon();
  INT_PTR OnHelp();
  INT_PTR OnSize();
  INT_PTR OnGetDefaultId();
  INT_PTR OnDpiChanged(WPARAM dpi, LPARAM suggestedFrame);

  void GrowToFitBoard();
  void PaintIcon();

  HINSTANCE instance_;
  HICON icon_;
  HWND window_ = nullptr;
  BoardBitmap board_;
  GdiDrawContext boardDc_;
  ShapeLog boardLog_;
  TeeDrawContext boardDrawing_{boardDc_, boardLog_};
  SessionRecorder session_;
  const Script* opening_ = nullptr;  // the session to play as the window opens
  DialogController controller_;
  CPopulationsWindow populations_;
};
