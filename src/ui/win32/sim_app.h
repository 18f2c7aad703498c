// CSimApp: the application. Its start-up runs the main dialog modally on the
// program-wide world and schedule, and the program ends when that dialog
// closes.
#pragma once

#include <windows.h>

class CSimApp {
 public:
  explicit CSimApp(HINSTANCE instance) : instance_(instance) {}

  // Runs the main dialog; returns the process's exit code once it closes.
  int InitInstance();

 private:
  HINSTANCE instance_;
};
