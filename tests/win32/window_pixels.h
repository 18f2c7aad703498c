// What a window shows: the top-left width x height pixels of its client
// area, read from the screen as 0xFFRRGGBB, rows top to bottom.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/raster_surface.h"
#include "resource.h"
#include "ui/win32/top_down_dib.h"

inline std::vector<std::uint32_t> ClientPixels(HWND window, int width, int height) {
  BITMAPINFO info = TopDownDib(width, height);
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

// The main dialog's board as shown: the client area's pixels left of the
// report list.
class BoardShown {
 public:
  explicit BoardShown(HWND dialog) {
    RECT list;
    GetWindowRect(GetDlgItem(dialog, IDC_REPORT), &list);
    POINT listCorner{list.left, list.top};
    ScreenToClient(dialog, &listCorner);
    RECT client;
    GetClientRect(dialog, &client);
    width = listCorner.x;
    height = client.bottom;
    pixels = ClientPixels(dialog, width, height);
  }

  // The pixels that differ from the surface where both have one; the two
  // backgrounds count as one colour.
  std::int64_t DifferingFrom(const RasterSurface& surface) const {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t background =
        0xFF000000u | GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    std::int64_t differing = 0;
    for (int y = 0; y < std::min(height, surface.Height()); ++y) {
      for (int x = 0; x < std::min(width, surface.Width()); ++x) {
        const std::uint32_t got = pixels[static_cast<std::size_t>(y) * width + x];
        const std::uint32_t want = surface.At(x, y);
        differing += got != want && !(got == background && want == kSurfaceBackground);
      }
    }
    return differing;
  }

  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Whether the dialog comes to show the surface's pixels left of the list
// within five seconds: the window system may show a repaint a little after
// the dialog has drawn it.
inline bool ShowsSurface(HWND dialog, const RasterSurface& surface) {
  for (int i = 0; i < 250; ++i) {
    UpdateWindow(dialog);
    if (BoardShown(dialog).DifferingFrom(surface) == 0) {
      return true;
    }
    Sleep(20);
  }
  return false;
}
