// Runs the main dialog in this process on a world of its own, on a thread of
// its own as the program would, and checks that each full redraw of the board (a tick,
// ReDraw, Paint) leaves nothing on screen that was drawn outside the grid
// before it: neither the part of an animal's outline that reaches past the
// last column nor an animal standing off the board. The world is changed only
// while the dialog waits for messages, between messages sent to it.
// Prints "FAIL: ..." for each difference; exit code 0 when there is none.

#include <windows.h>

#include <cstdio>
#include <string>

#include "app/timers.h"
#include "check.h"
#include "resource.h"
#include "running_dialog.h"
#include "sim/world.h"

namespace {

// Right of the last column, left of the report list: the outline of an
// animal on cell (21, 11) reaches columns 420 and 421; an animal on cell
// (23, 11) stands off the board, on columns 438 to 461.
constexpr POINT kPastLastColumn{421, 210};
constexpr POINT kOffBoard{450, 210};
constexpr LONG kOffBoardRight = 462;

COLORREF Shown(HWND dialog, POINT at) {
  UpdateWindow(dialog);
  HDC dc = GetDC(dialog);
  const COLORREF colour = GetPixel(dc, at.x, at.y);
  ReleaseDC(dialog, dc);
  return colour;
}

// Whether the pixel shows the face colour (or, with `face` false, anything
// else) within two seconds: the window system may show a repaint a little
// after the dialog has drawn it.
bool ShowsFace(HWND dialog, POINT at, bool face) {
  const COLORREF faceColour = GetSysColor(COLOR_BTNFACE);
  for (int i = 0; i < 100; ++i) {
    if ((Shown(dialog, at) == faceColour) == face) {
      return true;
    }
    Sleep(20);
  }
  return false;
}

struct Redraw {
  const char* name;
  UINT message;
  WPARAM wParam;
};

void CheckRedrawWipes(HWND dialog, CWorld& world, const Redraw& redraw) {
  world.AddHerbivore(21, 11, 0);
  world.AddHerbivore(23, 11, 0);
  SendMessageA(dialog, WM_COMMAND, IDC_REDRAW, 0);
  Check(ShowsFace(dialog, kPastLastColumn, false),
        std::string("before ") + redraw.name + ": no outline right of the last column");
  Check(ShowsFace(dialog, kOffBoard, false),
        std::string("before ") + redraw.name + ": the animal off the board is not shown");

  world.RemoveHerbivore(1);
  world.RemoveHerbivore(0);
  SendMessageA(dialog, redraw.message, redraw.wParam, 0);
  Check(ShowsFace(dialog, kPastLastColumn, true),
        std::string(redraw.name) + " leaves the outline right of the last column");
  Check(ShowsFace(dialog, kOffBoard, true),
        std::string(redraw.name) + " leaves the animal that stood off the board");
}

}  // namespace

int main() {
  RunningDialog running;
  if (HWND dialog = running.Window()) {
    CWorld& world = running.World();
    RECT list;
    GetWindowRect(GetDlgItem(dialog, IDC_REPORT), &list);
    POINT listCorner{list.left, list.top};
    ScreenToClient(dialog, &listCorner);
    Check(listCorner.x >= kOffBoardRight, "the report list covers the columns checked");
    for (const Redraw& redraw :
         {Redraw{"a tick", WM_TIMER, TIMER_STEP}, Redraw{"ReDraw", WM_COMMAND, IDC_REDRAW},
          Redraw{"Paint", WM_COMMAND, IDC_PAINT}}) {
      CheckRedrawWipes(dialog, world, redraw);
    }
  }
  return failures == 0 ? 0 : 1;
}
