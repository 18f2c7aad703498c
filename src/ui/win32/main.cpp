// pastura.exe: the Windows program. It takes no command line.

#include <windows.h>

#include "ui/win32/sim_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CSimApp app(instance);
  return app.InitInstance();
}
