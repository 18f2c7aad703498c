// CSimApp: the application. Its start-up runs the main dialog modally, and
// the program ends when that dialog closes. The world it shows is the
// program-wide one, built before the application starts.
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
