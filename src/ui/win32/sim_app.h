// CSimApp: the application. Its start-up runs the main dialog modally, and
// the program ends when that dialog closes. It owns the world and the
// spiral schedule the dialog shows and steps.
#pragma once

#include <windows.h>

#include "sim/tick.h"
#include "sim/world.h"

class CSimApp {
 public:
  explicit CSimApp(HINSTANCE instance) : instance_(instance) {}

  // Runs the main dialog; returns the process's exit code once it closes.
  int InitInstance();

 private:
  HINSTANCE instance_;
  CWorld world_;
  Schedule schedule_;
};
