// Replays a parsed script on a world, as the main window would run the same
// buttons and timer messages, and writes what the window would show: after
// every tick the report list and the iterations label, and on `state` the
// tables, the schedule and the kinds' colours. Listeners follow the ticks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output.h"
#include "png_output.h"
#include "script.h"
#include "tick.h"
#include "tick_listener.h"
#include "world.h"

class Session : public TickHost {
 public:
  Session(CWorld& world, Schedule& schedule, DrawContext& dc, Output& out);

  // Without report blocks only `state` and the drawn shapes are written.
  void OmitReports() { printReports_ = false; }
  void AddListener(TickListener& listener) { listeners_.push_back(&listener); }
  // The picture is cleared before every full redraw of the board (a tick,
  // `paint`, `redraw`), as the window clears its own.
  void ClearBeforeFullRedraws(PngOutput& picture) { picture_ = &picture; }

  // Plays the whole script; false when a listener stopped it early.
  bool Run(const Script& script);

  // TickHost
  void ClearReport() override;
  void AppendReport(std::string_view text) override;
  void SetIterationText(std::string_view text) override;
  void CancelStartupTimer() override {}
  DrawContext& GetDrawContext() override { return dc_; }

 private:
  bool Execute(const Command& command);
  bool MayContinue() const;
  bool RunTick();
  void ClearPicture();
  void PrintState();

  CWorld& world_;
  Schedule& schedule_;
  DrawContext& dc_;
  Output& out_;
  PngOutput* picture_ = nullptr;
  bool printReports_ = true;
  std::vector<TickListener*> listeners_;
  std::int64_t ticksRun_ = 0;
  std::string report_;  // the report list, one line per '\n'
  std::string iterationText_;
};
