#include "app/session_recorder.h"

SessionRecorder::SessionRecorder(std::uint32_t seed) {
  Command named{CommandKind::kSeed};
  named.seed = seed;
  Record(named);
}

void SessionRecorder::Record(const Command& command) {
  if (command.kind == CommandKind::kTick) {
    // A run longer than one command takes is written in full commands.
    ticks_ += command.ticks;
    for (; ticks_ >= kMaxTicksPerCommand; ticks_ -= kMaxTicksPerCommand) {
      WriteTicks(text_, kMaxTicksPerCommand);
    }
    return;
  }
  WriteTicks(text_, ticks_);
  ticks_ = 0;
  text_ += CommandText(command);
  text_ += '\n';
}

std::string SessionRecorder::Text() const {
  std::string text = text_;
  WriteTicks(text, ticks_);
  return text;
}

void SessionRecorder::WriteTicks(std::string& text, std::int64_t ticks) {
  if (ticks > 0) {
    Command run{CommandKind::kTick};
    run.ticks = static_cast<std::int32_t>(ticks);
    text += CommandText(run);
    text += '\n';
  }
}
