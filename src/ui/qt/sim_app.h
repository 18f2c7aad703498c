// CSimApp: the application object. Its start-up runs the main dialog modally
// on the program-wide world and schedule, and the program ends when the
// dialog closes.
#pragma once

#include <QApplication>

class CSimApp : public QApplication {
  Q_OBJECT

 public:
  CSimApp(int& argc, char** argv);

  // Runs the main dialog; returns the process's exit code once it closes.
  int InitInstance();
};
