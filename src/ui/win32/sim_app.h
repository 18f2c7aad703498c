// CSimApp: the application. Its start-up runs the main dialog modally on the
// program-wide world and schedule, from the seed and the session the command
// line gives, and the program ends when that dialog closes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/script.h"
#include "sim/random.h"

class CSimApp {
 public:
  explicit CSimApp(HINSTANCE instance) : instance_(instance) {}

  // Runs the main dialog with the spawn generator started at `seed`, after
  // playing `session` if there is one; returns the process's exit code once
  // it closes.
  int InitInstance(std::uint32_t seed = Random::kDefaultSeed, const Script* session = nullptr);

 private:
  HINSTANCE instance_;
};
