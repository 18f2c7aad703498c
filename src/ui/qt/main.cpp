// pastura: the desktop program.

#include "sim_app.h"

int main(int argc, char** argv) {
  CSimApp app(argc, argv);
  return app.InitInstance();
}
