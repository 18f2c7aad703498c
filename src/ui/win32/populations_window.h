// CPopulationsWindow: the "Populations" window beside the main dialog, a
// modeless companion owned by it (so it closes with the program) that shows
// the population chart (PopulationChart) of the dialog's history and counts:
// the chart surface's pixels copied as they are, at the window's DPI scale,
// and drawn again at a new scale when the window moves to another screen.
// Its close box hides it; Toggle shows or hides it, placing it beside the
// dialog the first time. P and S pressed in it go to the dialog as its
// Populations and Step commands, unless a modal box is open there.
#pragma once

#include <windows.h>

#include <memory>

#include "app/dialog_controller.h"
#include "render/population_chart.h"

class CPopulationsWindow {
 public:
  CPopulationsWindow(HINSTANCE instance, const DialogController& controller);
  ~CPopulationsWindow();
  CPopulationsWindow(const CPopulationsWindow&) = delete;
  CPopulationsWindow& operator=(const CPopulationsWindow&) = delete;

  // Shows the window beside `dialog`, or hides it.
  void Toggle(HWND dialog);
  bool IsShown() const { return window_ != nullptr && IsWindowVisible(window_) != FALSE; }
  // Draws the chart anew while the window is shown.
  void Refresh();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // False when the window could not be made.
  bool Create(HWND dialog);
  LRESULT OnPaint();
  LRESULT OnKeyDown(WPARAM key);
  LRESULT OnClose();
  LRESULT OnDestroyed();
  LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggestedFrame);
  // A chart at `dpi`, drawn, and the client area made its size.
  void DrawAtDpi(UINT dpi);

  HINSTANCE instance_;
  const DialogController& controller_;
  HWND window_ = nullptr;
  std::unique_ptr<PopulationChart> chart_;
};
