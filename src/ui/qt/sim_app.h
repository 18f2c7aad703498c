// CSimApp: the application object. Its start-up runs the main dialog modally
// on the program-wide world and schedule, from the seed and the session the
// command line gives, and the program ends when the dialog closes.
#pragma once

#include <QApplication>
#include <cstdint>

#include "app/script.h"

class CSimApp : public QApplication {
  Q_OBJECT

 public:
  CSimApp(int& argc, char** argv);

  // Runs the main dialog with the spawn generator started at `seed`, after
  // playing `session` if there is one; returns the process's exit code once
  // it closes.
  int InitInstance(std::uint32_t seed, const Script* session);
};
