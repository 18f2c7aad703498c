// DialogWindow: the window the main dialog's rules act on.
//
// Each face implements it over its own toolkit; the dialog's rules
// (DialogController) call it only from inside their handlers, on the thread
// that delivers the window's events, and never keep a text past the call
// that passed it.
//
// Timers are known by id (TIMER_STARTUP, TIMER_STEP). Starting a timer that
// is running restarts it with the given period: there is never a second
// timer with one id. Stopping a timer that is not running does nothing. A
// running timer fires every period until stopped; each firing reaches the
// controller's OnTimer with the timer's id.
//
// The board: Board() is the drawing surface of the client area, in its
// pixels (see DrawContext). EraseBoard() fills the whole surface with its
// background; the controller calls it before every full redraw, so nothing
// drawn off the grid outlives the next one. ShowBoard() follows every handler
// that drew: the face presents what changed.
//
// The report list and the label: after every tick ShowReport receives the
// whole list, top to bottom, and then SetIterationText the label's text.
//
// The populations: ShowPopulations follows every tick and every spawn, once
// the board has been shown; the controller's History() and Counts() then
// hold the new figures. A face without a chart leaves it as it is.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "render/draw_context.h"

class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  virtual void StartTimer(int id, int periodMs) = 0;
  virtual void StopTimer(int id) = 0;

  virtual void ShowReport(std::span<const std::string> lines) = 0;
  virtual void SetIterationText(std::string_view text) = 0;

  virtual DrawContext& Board() = 0;
  virtual void EraseBoard() = 0;
  virtual void ShowBoard() = 0;

  virtual void ShowPopulations() {}
};
