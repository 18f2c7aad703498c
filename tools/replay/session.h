// Replays a parsed script on a world through the main dialog's own rules
// (DialogController::Play): a spawn, `paint` or `redraw` is that button's
// command and a `tick` is the step timer firing, so what is written is what
// the window shows: after every tick the report list and the iterations
// label, and on `state` the tables, the schedule and the kinds' colours.
// `place` puts an entity on a given cell, which no button can. The world is
// made with the script's seed before.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/dialog_controller.h"
#include "app/dialog_window.h"
#include "app/script.h"
#include "replay/output.h"
#include "replay/png_output.h"
#include "sim/world.h"

class Session : private DialogWindow {
 public:
  Session(CWorld& world, Schedule& schedule, DrawContext& dc, Output& out);

  // Without report blocks only `state` and the drawn shapes are written.
  void OmitReports() { printReports_ = false; }
  // Called once every tick's report is complete, with its number counted
  // from 1; false stops the session.
  void AfterEveryTick(std::function<bool(std::int64_t tick)> afterTick) {
    afterTick_ = std::move(afterTick);
  }
  // The picture is cleared before every full redraw of the board (a tick,
  // `paint`, `redraw`), as the window clears its own.
  void ClearBeforeFullRedraws(PngOutput& picture) { picture_ = &picture; }

  // Plays the whole script; false when it stopped early, after a tick the
  // callback refused or at the first command whose text could not be written.
  bool Run(const Script& script);

 private:
  // DialogWindow: the player has no timers of its own (a script's `tick` is
  // the step timer firing), and shows the board only in its outputs.
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void ShowReport(std::span<const std::string> lines) override;
  void SetIterationText(std::string_view text) override;
  DrawContext& Board() override { return dc_; }
  void EraseBoard() override;
  void ShowBoard() override {}

  bool Execute(const Command& command);
  bool RunTick();
  void PrintState();

  CWorld& world_;
  Schedule& schedule_;
  DrawContext& dc_;
  Output& out_;
  PngOutput* picture_ = nullptr;
  DialogController dialog_;
  bool printReports_ = true;
  std::function<bool(std::int64_t)> afterTick_;
  std::int64_t ticksRun_ = 0;
  std::string report_;  // the report list, one line per '\n'
  std::string iterationText_;
};
