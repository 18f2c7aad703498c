#include "sim_app.h"

#include "app_icon.h"
#include "program.h"
#include "sim_dialog.h"

CSimApp::CSimApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Pastura"));
  setApplicationVersion(QStringLiteral("1.0.0.1"));
  setWindowIcon(AppIcon());
}

int CSimApp::InitInstance() {
  CSimDialog dialog(theWorld, theSchedule);
  dialog.exec();
  return 0;
}
