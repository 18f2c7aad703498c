// DialogController: the main dialog's rules, the same behind every face.
//
// The buttons: "Plant", "Herbivore" and "Carnivore" add one entity on a
// random cell and draw it at once; "Paint" paints the empty grid; "ReDraw"
// draws the whole board again; "Move" and "Start" start stepping, "Stop"
// stops it. The timers: every show or hide of the window arms the start-up
// timer (TIMER_STARTUP, 1000 ms), stepping is TIMER_STEP (200 ms), and a
// firing of either runs one tick, which cancels the start-up timer. Each
// tick's report list and label go to the window when the tick is done.
//
// A session: every command and tick can go to a SessionRecorder, and a
// script (see app/script.h) plays through the same handlers, a `tick` as the
// step timer firing; a whole session played before the window opens leaves
// the window to open on its end, stopped.
//
// The controller works on the world and schedule it is handed and keeps
// nothing of any toolkit. After its first ticks it allocates nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_window.h"
#include "app/population_history.h"
#include "app/script.h"
#include "app/session_recorder.h"
#include "app/timers.h"
#include "resource.h"
#include "sim/tick.h"
#include "sim/world.h"

class DialogController : private TickHost {
 public:
  DialogController(CWorld& world, Schedule& schedule, DialogWindow& window);

  // A push button's command by its control id; false when no button has
  // that id.
  bool OnCommand(int id);

  // Commands.
  void OnPlant();
  void OnHerbivore();
  void OnCarnivore();
  void OnPaintGrid();
  void OnMove();
  void OnRedraw();
  void OnStop();
  void OnStart();
  void OnStep();

  // Every command and tick from now on is recorded there too.
  void RecordTo(SessionRecorder& recorder) { recorder_ = &recorder; }

  // One command of a script, as the window would take it: a spawn, `paint`
  // or `redraw` is that button, `tick N` the step timer firing N times,
  // `place` puts an entity on its cell; `seed` and `state` change nothing.
  void Play(const Command& command);
  // The whole script, before the window is first shown; that showing then
  // arms no start-up tick, so the window opens on the session's end.
  void PlaySession(const Script& script);

  // The window was shown or hidden.
  void OnShowWindow(bool shown);
  // Timer `id` fired: one tick, whichever timer it was.
  void OnTimer(int id);

  // The counts after every tick so far, and the counts now.
  const PopulationHistory& History() const { return history_; }
  Populations Counts() const { return CountPopulations(world_); }

 private:
  // TickHost: the tick's lines are collected and handed over in one piece.
  void ClearReport() override;
  void AppendReport(std::string_view text) override;
  void SetIterationText(std::string_view text) override;
  void CancelStartupTimer() override;
  DrawContext& GetDrawContext() override;

  void Spawned(CommandKind kind);
  void Record(const Command& command);

  CWorld& world_;
  Schedule& schedule_;
  DialogWindow& window_;
  PopulationHistory history_;
  std::vector<std::string> report_;  // grows to the longest list, then is reused
  std::size_t reportLines_ = 0;
  std::string iterationText_;
  SessionRecorder* recorder_ = nullptr;
  bool openStopped_ = false;  // a played session: no start-up tick at the next showing
};
