// Runs the main dialog in this process on a world of its own, in a Wine
// prefix set to 144 DPI, and compares the board the window shows with the
// shared pixel surface at scale 1.5, the pixels of `pastura-replay --scale
// 1.5`: the board's size and every pixel of a full table of animals, whose
// outlines must match exactly. Then the dialog is told that its screen went
// to 192 DPI, and the board must show the surface at scale 2.
// Prints "FAIL: ..." for each difference; exit code 0 when there is none.

#include <windows.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "app/dialog_units.h"
#include "check.h"
#include "render/raster_surface.h"
#include "resource.h"
#include "sim/board.h"
#include "sim/tick.h"
#include "sim/world.h"
#include "ui/win32/sim_dialog.h"
#include "ui/win32/window_scale.h"
#include "wait_for_dialog.h"
#include "window_pixels.h"

namespace {

// The client area's pixels left of the report list, as 0xFFRRGGBB.
class Shown {
 public:
  explicit Shown(HWND dialog) {
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

// Whether the dialog comes to show the world as the surface at `scale`
// draws it, within five seconds: the window system may show a repaint a
// little after the dialog has drawn it.
bool ShowsWorldAt(HWND dialog, CWorld& world, double scale) {
  RasterSurface surface(dialog_units::kClientWidth, dialog_units::kClientHeight, scale);
  world.RedrawAll(surface);
  for (int i = 0; i < 250; ++i) {
    UpdateWindow(dialog);
    if (Shown(dialog).DifferingFrom(surface) == 0) {
      return true;
    }
    Sleep(20);
  }
  return false;
}

}  // namespace

int main() {
  CWorld world;
  Schedule schedule;
  std::thread ui([&] {
    CSimDialog dialog(GetModuleHandleA(nullptr), world, schedule);
    dialog.DoModal();
  });
  HWND dialog = WaitForDialog();
  Check(dialog != nullptr, "no dialog \"Pastura\" within 10 s");
  if (dialog != nullptr) {
    Check(WaitForStartupTick(dialog), "no start-up tick within 10 s");
    Check(WindowDpi(dialog) == 144, "the window is at " + std::to_string(WindowDpi(dialog)) +
                                        " DPI, not 144: run in the prefix set to 144");
    const Shown first(dialog);
    Check(first.width > 633 && first.height >= 630,
          "the board's 633 x 630 pixels do not fit left of the list in the client area (" +
              std::to_string(first.width) + " x " + std::to_string(first.height) + ")");

    // Every animal's body and heading band, past the last column too.
    for (std::int32_t i = 0; i < kTableCapacity; ++i) {
      world.AddHerbivore(1 + i % 21, 1 + i / 21, 1 + i % 4);
      world.AddCarnivore(1 + i % 21, 12 + i / 21, 1 + i % 4);
    }
    SendMessageA(dialog, WM_COMMAND, IDC_REDRAW, 0);
    Check(ShowsWorldAt(dialog, world, 1.5), "the board at 144 DPI differs from scale 1.5");

    RECT frame;
    GetWindowRect(dialog, &frame);
    RECT suggested{frame.left, frame.top, frame.left + (frame.right - frame.left) * 4 / 3,
                   frame.top + (frame.bottom - frame.top) * 4 / 3};
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    Check(ShowsWorldAt(dialog, world, 2.0),
          "the board after a change to 192 DPI differs from scale 2");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
  ui.join();
  return failures == 0 ? 0 : 1;
}
