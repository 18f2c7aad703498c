#include "ui/qt/sim_app.h"

#include "pastura_version.h"
#include "sim/program.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/sim_dialog.h"

CSimApp::CSimApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Pastura"));
  setApplicationVersion(QStringLiteral(PASTURA_VERSION));
  // The desktop entry's name: the window's app id on Wayland, so that the
  // desktop shows the entry's name and icon for it.
  setDesktopFileName(QStringLiteral("org.pastura.Pastura"));
  setWindowIcon(AppIcon());
}

int CSimApp::InitInstance(std::uint32_t seed, const Script* session) {
  theWorld.random = Random(seed);
  CSimDialog dialog(theWorld, theSchedule, seed);
  if (session != nullptr) {
    dialog.Controller().PlaySession(*session);
  }
  dialog.exec();
  return 0;
}
