// A build without the desktop program's drawing surface writes no PNG files.

#include "png_output.h"

std::unique_ptr<PngOutput> MakePngOutput() {
  return nullptr;
}
