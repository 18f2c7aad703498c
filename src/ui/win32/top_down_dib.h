// The header of a 32-bit DIB whose rows run top to bottom, 0xFFRRGGBB words
// as the shared pixel surface keeps them (the top byte unused).
#pragma once

#include <windows.h>

inline BITMAPINFO TopDownDib(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}
