// CSimDialog: the main dialog (template 102). Its buttons add entities, draw
// and start or stop the stepping timer; Enter presses the focused button, and
// closes the dialog where no button has the focus, as Esc does. Every timer
// message runs one tick of the world with this dialog as the tick's host,
// which rewrites the report list and the iterations label. The board is
// drawn into a retained picture of the client area that the paint handler
// shows; every full redraw (a tick, ReDraw, Paint) first clears that picture,
// so that nothing drawn outside the grid stays. While minimised the dialog
// paints its icon instead. The system menu carries the About item.
#pragma once

#include <windows.h>

#include "board_bitmap.h"
#include "gdi_draw_context.h"
#include "tick.h"

class CSimDialog : public TickHost {
 public:
  explicit CSimDialog(HINSTANCE instance);
  ~CSimDialog() override = default;
  CSimDialog(const CSimDialog&) = delete;
  CSimDialog& operator=(const CSimDialog&) = delete;

  // Runs the dialog until it is closed.
  INT_PTR DoModal();

  // TickHost
  void ClearReport() override;
  void AppendReport(std::string_view text) override;
  void SetIterationText(std::string_view text) override;
  void CancelStartupTimer() override;
  DrawContext& GetDrawContext() override { return boardDc_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  INT_PTR OnInitDialog();
  INT_PTR OnCommand(WORD id);
  INT_PTR OnShowWindow();
  INT_PTR OnTimer();
  INT_PTR OnSysCommand(WPARAM id);
  INT_PTR OnPaint();
  INT_PTR OnQueryDragIcon();
  INT_PTR OnHelp();
  INT_PTR OnSize();
  INT_PTR OnGetDefaultId();

  void AddAboutItemToSystemMenu();
  void GrowToFitBoard();
  // Shows on screen what the last drawing changed.
  void ShowDrawing();
  void PaintIcon();

  HINSTANCE instance_;
  HICON icon_;
  HWND window_ = nullptr;
  BoardBitmap board_;
  GdiDrawContext boardDc_;
};
