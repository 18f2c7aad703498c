#include "app/dialog_controller.h"

#include <span>

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
  window_.ShowBoard();
  window_.ShowPopulations();
}

void DialogController::OnHerbivore() {
  world_.SpawnHerbivore(window_.Board());
  window_.ShowBoard();
  window_.ShowPopulations();
}

void DialogController::OnCarnivore() {
  world_.SpawnCarnivore(window_.Board());
  window_.ShowBoard();
  window_.ShowPopulations();
}

// The empty grid until the next redraw.
void DialogController::OnPaintGrid() {
  window_.EraseBoard();
  world_.DrawGrid(window_.Board());
  window_.ShowBoard();
}

void DialogController::OnMove() {
  window_.StartTimer(TIMER_STEP, kStepPeriodMs);
}

void DialogController::OnRedraw() {
  window_.EraseBoard();
  world_.RedrawAll(window_.Board());
  window_.ShowBoard();
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

void DialogController::OnShowWindow(bool) {
  window_.StartTimer(TIMER_STARTUP, kStartupPeriodMs);
}

void DialogController::OnTimer(int) {
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
