#include "replay/session.h"

#include "sim/colour_scale.h"

Session::Session(CWorld& world, Schedule& schedule, DrawContext& dc, Output& out)
    : world_(world), schedule_(schedule), dc_(dc), out_(out), dialog_(world, schedule, *this) {}

bool Session::Run(const Script& script) {
  bool completed = true;
  for (const Command& command : script) {
    if (!Execute(command) || !MayContinue()) {
      completed = false;
      break;
    }
  }
  out_.Flush();
  return completed;
}

bool Session::MayContinue() const {
  for (const TickListener* listener : listeners_) {
    if (!listener->MayContinue()) {
      return false;
    }
  }
  return true;
}

bool Session::Execute(const Command& command) {
  switch (command.kind) {
    case CommandKind::kSpawnPlant:
      dialog_.OnPlant();
      break;
    case CommandKind::kSpawnHerbivore:
      dialog_.OnHerbivore();
      break;
    case CommandKind::kSpawnCarnivore:
      dialog_.OnCarnivore();
      break;
    case CommandKind::kPaint:
      dialog_.OnPaintGrid();
      break;
    case CommandKind::kRedraw:
      dialog_.OnRedraw();
      break;
    case CommandKind::kTick:
      for (std::int32_t i = 0; i < command.ticks; ++i) {
        if (!RunTick()) {
          return false;
        }
      }
      break;
    case CommandKind::kPlacePlant:
      world_.PlacePlant(dc_, command.x, command.y);
      break;
    case CommandKind::kPlaceHerbivore:
      world_.PlaceHerbivore(dc_, command.x, command.y, command.heading, kHerbivoreKind);
      break;
    case CommandKind::kPlaceCarnivore:
      world_.PlaceCarnivore(dc_, command.x, command.y, command.heading, kCarnivoreKind);
      break;
    case CommandKind::kState:
      PrintState();
      break;
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
  for (TickListener* listener : listeners_) {
    if (!listener->AfterTick(ticksRun_, world_)) {
      return false;
    }
  }
  return true;
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

namespace {

void PrintColour(Output& out, std::string_view kind, const KindColour& colour) {
  const PenColour bytes = colour_scale::ToPenColour(colour);
  out << ' ' << kind << ' ' << std::int32_t{bytes.red} << ' ' << std::int32_t{bytes.green} << ' '
      << std::int32_t{bytes.blue};
}

void PrintAnimal(Output& out, std::string_view kind, std::int32_t index, const Animal& animal) {
  out << kind << ' ' << index << " id " << animal.id << " at " << animal.x << ' ' << animal.y
      << " heading " << animal.heading << " energy " << animal.energy;
  out.EndLine();
}

}  // namespace

void Session::PrintState() {
  out_ << "state";
  out_.EndLine();
  for (std::int32_t i = 0; i < world_.plantCount; ++i) {
    const Plant& plant = world_.plants[i];
    out_ << "plant " << i << " id " << plant.id << " at " << plant.x << ' ' << plant.y << " growth "
         << plant.growth;
    out_.EndLine();
  }
  for (std::int32_t i = 0; i < world_.herbivoreCount; ++i) {
    PrintAnimal(out_, "herbivore", i, world_.herbivores[i]);
  }
  for (std::int32_t i = 0; i < world_.carnivoreCount; ++i) {
    PrintAnimal(out_, "carnivore", i, world_.carnivores[i]);
  }
  out_ << "schedule legLength " << schedule_.legLength << " legStep " << schedule_.legStep
       << " iterationCount " << world_.iterationCount;
  out_.EndLine();
  out_ << "colours";
  PrintColour(out_, "plant", world_.plantColour);
  PrintColour(out_, "herbivore", world_.herbivoreColour);
  PrintColour(out_, "carnivore", world_.carnivoreColour);
  out_.EndLine();
}
