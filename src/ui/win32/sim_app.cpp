#include "sim_app.h"

#include <commctrl.h>

#include "help_key.h"
#include "sim_dialog.h"

int CSimApp::InitInstance() {
  // The manifest asks for the themed common controls; they register their
  // window classes here.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  HelpKey helpKey;
  CSimDialog dialog(instance_, world_, schedule_);
  dialog.DoModal();
  return 0;
}
