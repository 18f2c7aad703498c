#include "app/dialog_controller.h"

#include <span>
#include <utility>

DialogController::DialogController(CWorld& world, Schedule& schedule, DialogWindow& window)
    : world_(world), schedule_(schedule), window_(window) {}

bool DialogController::OnCommand(int id) {
  // clang-format off
  switch (id) {
    case IDC_PLANT:     OnPlant();     return true;
    case IDC_HERBIVORE: OnHerbivore(); return true;
    case IDC_CARNIVORE: OnCarnivore(); return true;
    case IDC_PAINT:     OnPaintGrid(); return true;
    case IDC_MOVE:      OnMove();      return true;
    case IDC_REDRAW:    OnRedraw();    return true;
    case IDC_STOP:      OnStop();      return true;
    case IDC_START:     OnStart();     return true;
    default:            return false;
  }
  // clang-format on
}

void DialogController::OnPlant() {
  world_.SpawnPlant(window_.Board());
  Spawned(CommandKind::kSpawnPlant);
}

void DialogController::OnHerbivore() {
  world_.SpawnHerbivore(window_.Board());
  Spawned(CommandKind::kSpawnHerbivore);
}

void DialogController::OnCarnivore() {
  world_.SpawnCarnivore(window_.Board());
  Spawned(CommandKind::kSpawnCarnivore);
}

// A spawn button's newcomer is shown, counted and recorded.
void DialogController::Spawned(CommandKind kind) {
  window_.ShowBoard();
  window_.ShowPopulations();
  Record(Command{kind});
}

// The empty grid until the next redraw.
void DialogController::OnPaintGrid() {
  window_.EraseBoard();
  world_.DrawGrid(window_.Board());
  window_.ShowBoard();
  Record(Command{CommandKind::kPaint});
}

void DialogController::OnMove() {
  window_.StartTimer(TIMER_STEP, kStepPeriodMs);
}

void DialogController::OnRedraw() {
  window_.EraseBoard();
  world_.RedrawAll(window_.Board());
  window_.ShowBoard();
  Record(Command{CommandKind::kRedraw});
}

void DialogController::OnStop() {
  window_.StopTimer(TIMER_STEP);
}

// "Start" steps the world exactly as "Move" does.
void DialogController::OnStart() {
  OnMove();
}

void DialogController::OnStep() {
  OnTimer(TIMER_STEP);
}

void DialogController::Play(const Command& command) {
  DrawContext& board = window_.Board();
  // clang-format off
  switch (command.kind) {
    case CommandKind::kSpawnPlant:     OnPlant();     return;
    case CommandKind::kSpawnHerbivore: OnHerbivore(); return;
    case CommandKind::kSpawnCarnivore: OnCarnivore(); return;
    case CommandKind::kPaint:          OnPaintGrid(); return;
    case CommandKind::kRedraw:         OnRedraw();    return;
    case CommandKind::kState:
    case CommandKind::kSeed:           return;
    case CommandKind::kTick:
      for (std::int32_t i = 0; i < command.ticks; ++i) {
        OnTimer(TIMER_STEP);
      }
      return;
    case CommandKind::kPlacePlant:
      world_.PlacePlant(board, command.x, command.y);
      break;
    case CommandKind::kPlaceHerbivore:
      world_.PlaceHerbivore(board, command.x, command.y, command.heading, kHerbivoreKind);
      break;
    case CommandKind::kPlaceCarnivore:
      world_.PlaceCarnivore(board, command.x, command.y, command.heading, kCarnivoreKind);
      break;
  }
  // clang-format on
  // An entity on a given cell, which no button can place.
  Record(command);
  window_.ShowBoard();
  window_.ShowPopulations();
}

void DialogController::PlaySession(const Script& script) {
  for (const Command& command : script) {
    Play(command);
  }
  openStopped_ = true;
}

void DialogController::OnShowWindow(bool) {
  if (!std::exchange(openStopped_, false)) {
    window_.StartTimer(TIMER_STARTUP, kStartupPeriodMs);
  }
}

void DialogController::OnTimer(int) {
  Record(Command{CommandKind::kTick});
  window_.EraseBoard();
  Tick(world_, schedule_, *this);
  history_.Record(Counts());
  window_.ShowReport(std::span<const std::string>(report_.data(), reportLines_));
  window_.SetIterationText(iterationText_);
  window_.ShowBoard();
  window_.ShowPopulations();
}

void DialogController::ClearReport() {
  reportLines_ = 0;
}

void DialogController::AppendReport(std::string_view text) {
  if (reportLines_ == report_.size()) {
    report_.emplace_back();
  }
  report_[reportLines_++].assign(text);
}

void DialogController::SetIterationText(std::string_view text) {
  iterationText_.assign(text);
}

void DialogController::CancelStartupTimer() {
  window_.StopTimer(TIMER_STARTUP);
}

DrawContext& DialogController::GetDrawContext() {
  return window_.Board();
}

void DialogController::Record(const Command& command) {
  if (recorder_ != nullptr) {
    recorder_->Record(command);
  }
}
