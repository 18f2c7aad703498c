// SessionRecorder: a run of the main dialog kept as a script the player
// plays back to the same report, pictures and counts. The text names its
// seed first ("seed N"), then has one command a line: the buttons by their
// script words, and every run of consecutive ticks as one "tick N".
//
// A run of ticks is one counter, written out only when the next command
// comes or the text is asked for: once a run has begun, a tick allocates
// nothing and adds nothing to the text.
#pragma once

#include <cstdint>
#include <string>

#include "app/script.h"

class SessionRecorder {
 public:
  explicit SessionRecorder(std::uint32_t seed);

  // A command as played: a tick counts toward the current run of ticks; any
  // other command ends that run and is written after it.
  void Record(const Command& command);

  // The whole session so far, every line ended by '\n'.
  std::string Text() const;

 private:
  static void WriteTicks(std::string& text, std::int64_t ticks);

  std::string text_;        // the session up to the current run of ticks
  std::int64_t ticks_ = 0;  // the current run, below kMaxTicksPerCommand
};
