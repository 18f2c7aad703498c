// What a window shows: the top-left width x height pixels of its client
// area, read from the screen as 0xFFRRGGBB, rows top to bottom.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

inline std::vector<std::uint32_t> ClientPixels(HWND window, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC shown = GetDC(window);
  HDC memory = CreateCompatibleDC(shown);
  HBITMAP bitmap = CreateDIBSection(shown, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ original = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, shown, 0, 0, SRCCOPY);
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * height);
  for (std::uint32_t& pixel : pixels) {
    pixel |= 0xFF000000u;  // GDI leaves the top byte 0
  }
  SelectObject(memory, original);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, shown);
  return pixels;
}
