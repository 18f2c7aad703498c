#include "replay/session.h"

#include <algorithm>

#include "app/kinds.h"
#include "sim/colour_scale.h"

Session::Session(CWorld& world, Schedule& schedule, DrawContext& dc, Output& out)
    : world_(world), schedule_(schedule), dc_(dc), out_(out), dialog_(world, schedule, *this) {}

bool Session::Run(const Script& script) {
  const bool completed = std::all_of(script.begin(), script.end(), [this](const Command& command) {
    return Execute(command) && !out_.failure();
  });
  out_.Flush();
  return completed;
}

bool Session::Execute(const Command& command) {
  switch (command.kind) {
    case CommandKind::kTick:
      for (std::int32_t i = 0; i < command.ticks; ++i) {
        if (!RunTick()) {
          return false;
        }
      }
      break;
    case CommandKind::kState:
      PrintState();
      break;
    default:
      dialog_.Play(command);
  }
  return true;
}

// The block of one tick: its number, the shapes it drew (with --draw), then the
// report list and the label as they stand after it.
bool Session::RunTick() {
  ++ticksRun_;
  if (printReports_) {
    out_ << "tick " << ticksRun_;
    out_.EndLine();
  }
  dialog_.OnTimer(TIMER_STEP);
  if (printReports_) {
    out_ << report_ << "iterations " << iterationText_;
    out_.EndLine();
  }
  return !afterTick_ || afterTick_(ticksRun_);
}

void Session::EraseBoard() {
  if (picture_ != nullptr) {
    picture_->Clear();
  }
}

void Session::ShowReport(std::span<const std::string> lines) {
  report_.clear();
  for (const std::string& line : lines) {
    report_ += line;
    report_ += '\n';
  }
}

void Session::SetIterationText(std::string_view text) {
  iterationText_ = text;
}

void Session::PrintState() {
  out_ << "state";
  out_.EndLine();
  for (const ReplayKind& kind : kReplayKinds) {
    for (std::int32_t i = 0; i < world_.*kind.count; ++i) {
      out_ << kind.name << ' ' << i;
      if (kind.animals == nullptr) {
        const Plant& plant = world_.plants[i];
        out_ << " id " << plant.id << " at " << plant.x << ' ' << plant.y << " growth "
             << plant.growth;
      } else {
        const Animal& animal = (world_.*kind.animals->table)[i];
        out_ << " id " << animal.id << " at " << animal.x << ' ' << animal.y << " heading "
             << animal.heading << " energy " << animal.energy;
      }
      out_.EndLine();
    }
  }
  out_ << "schedule legLength " << schedule_.legLength << " legStep " << schedule_.legStep
       << " iterationCount " << world_.iterationCount;
  out_.EndLine();
  out_ << "colours";
  for (const ReplayKind& kind : kReplayKinds) {
    const PenColour bytes = colour_scale::ToPenColour(world_.*kind.colour);
    out_ << ' ' << kind.name << ' ' << std::int32_t{bytes.red} << ' ' << std::int32_t{bytes.green}
         << ' ' << std::int32_t{bytes.blue};
  }
  out_.EndLine();
}
