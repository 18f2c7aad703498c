#include "ui/win32/sim_app.h"

#include <commctrl.h>

#include "sim/program.h"
#include "ui/win32/dialog_keys.h"
#include "ui/win32/sim_dialog.h"

int CSimApp::InitInstance(std::uint32_t seed, const Script* session) {
  // The manifest asks for the themed common controls; they register their
  // window classes here.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  DialogKeys keys;
  theWorld.random = Random(seed);
  CSimDialog dialog(instance_, theWorld, theSchedule, seed);
  dialog.DoModal(session);
  return 0;
}
