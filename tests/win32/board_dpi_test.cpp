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
#include <vector>

#include "app/dialog_units.h"
#include "check.h"
#include "render/raster_surface.h"
#include "resource.h"
#include "running_dialog.h"
#include "sim/board.h"
#include "sim/world.h"
#include "ui/win32/window_scale.h"
#include "window_pixels.h"

namespace {

// Whether the dialog comes to show the world as the surface at `scale`
// draws it.
bool ShowsWorldAt(HWND dialog, CWorld& world, double scale) {
  RasterSurface surface(dialog_units::kClientWidth, dialog_units::kClientHeight, scale);
  world.RedrawAll(surface);
  return ShowsSurface(dialog, surface);
}

}  // namespace

int main() {
  RunningDialog running;
  if (HWND dialog = running.Window()) {
    CWorld& world = running.World();
    Check(WindowDpi(dialog) == 144, "the window is at " + std::to_string(WindowDpi(dialog)) +
                                        " DPI, not 144: run in the prefix set to 144");
    const BoardShown first(dialog);
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
  }
  return failures == 0 ? 0 : 1;
}
