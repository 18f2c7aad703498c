// Runs the main dialog in this process on a world of its own and works its
// new entries: S steps once, from the keyboard on a button and from the
// system menu, as the step timer does; P opens the Populations window beside
// the dialog; and after one session the window shows the very pixels the
// player's --chart draws for it (the same dialog rules, on a world of their
// own, and the same chart at scale 1). Prints "FAIL: ..." for each
// difference; exit code 0 when there is none.

#include <windows.h>

#include <string>

#include "app/dialog_controller.h"
#include "app/timers.h"
#include "check.h"
#include "player_window.h"
#include "render/population_chart.h"
#include "resource.h"
#include "running_dialog.h"
#include "wait_for_dialog.h"
#include "window_pixels.h"

namespace {

void PressKey(HWND control, char key) {
  PostMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  PostMessageA(control, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

HWND PopulationsWindow() {
  HWND window = FindWindowA("PasturaPopulations", "Populations");
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

void CheckSystemMenuEntries(HWND dialog) {
  HMENU menu = GetSystemMenu(dialog, FALSE);
  for (const UINT id : {IDM_CHART, IDM_STEP, IDM_SESSION}) {
    Check(GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1),
          "the system menu has no entry " + std::to_string(id));
  }
}

}  // namespace

int main() {
  RunningDialog running;
  if (HWND dialog = running.Window()) {
    CheckSystemMenuEntries(dialog);
    HWND plant = GetDlgItem(dialog, IDC_PLANT);
    PressKey(plant, 'S');
    Check(WaitFor([&] { return Label(dialog) == "1"; }), "S on Plant does not step once");
    PostMessageA(dialog, WM_SYSCOMMAND, IDM_STEP, 0);
    Check(WaitFor([&] { return Label(dialog) == "2"; }), "the system menu's Step does not step");

    // The player's session: the start-up tick, three steps, the spawns.
    CWorld playedWorld;
    Schedule playedSchedule;
    PlayerWindow player;
    DialogController played(playedWorld, playedSchedule, player);
    played.OnTimer(TIMER_STARTUP);
    played.OnStep();
    played.OnStep();
    for (int id : {IDC_PLANT, IDC_PLANT, IDC_HERBIVORE, IDC_CARNIVORE}) {
      SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
      played.OnCommand(id);
    }
    for (int i = 0; i < 30; ++i) {
      SendMessageA(dialog, WM_COMMAND, IDM_STEP, 0);
      played.OnStep();
    }
    PressKey(plant, 'P');
    Check(WaitFor([] { return PopulationsWindow() != nullptr; }), "P opens no Populations window");
    PopulationChart chart(kChartWidth, kChartHeight, 1.0);
    chart.Draw(played.History(), played.Counts());
    const RasterSurface& expected = chart.Surface();
    Check(WaitFor([&] {
            return ClientPixels(PopulationsWindow(), expected.Width(), expected.Height()) ==
                   expected.Pixels();
          }),
          "the Populations window does not show the player's chart");
    PressKey(plant, 'P');
    Check(WaitFor([] { return PopulationsWindow() == nullptr; }), "P does not close it again");
  }
  return failures == 0 ? 0 : 1;
}
