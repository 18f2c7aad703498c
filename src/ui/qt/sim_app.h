// CSimApp: the application object. It owns the world and the schedule; its
// start-up runs the main dialog modally on them, and the program ends when
// the dialog closes.
#pragma once

#include <QApplication>

#include "sim/tick.h"
#include "sim/world.h"

class CSimApp : public QApplication {
  Q_OBJECT

 public:
  CSimApp(int& argc, char** argv);

  // Runs the main dialog; returns the process's exit code once it closes.
  int InitInstance();

 private:
  CWorld world_;
  Schedule schedule_;
};
