// Runs the main dialog in this process with the spawn generator at seed 7,
// works it (spawns and steps), and copies its session from the system menu.
// The copied text names the seed and, played as the player plays it (the
// dialog's rules on the shared pixel surface), ends on the report list, the
// label and the board the dialog shows. A second dialog opened with that
// session (as `pastura.exe SESSION` opens) shows the same at once.
// Prints "FAIL: ..." for each difference; exit code 0 when there is none.

#include <windows.h>

#include <cstdint>
#include <string>
#include <thread>
#include <variant>

#include "app/dialog_controller.h"
#include "app/script.h"
#include "check.h"
#include "player_window.h"
#include "resource.h"
#include "ui/win32/sim_dialog.h"
#include "wait_for_dialog.h"
#include "window_pixels.h"

namespace {

constexpr std::uint32_t kSeed = 7;

std::string ClipboardText(HWND owner) {
  std::string text;
  if (OpenClipboard(owner)) {
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

// The dialog shows what the player's window holds.
void CheckShows(HWND dialog, const PlayerWindow& player, const std::string& when) {
  Check(ReportLines(dialog) == player.report, when + ": the report list differs from the player's");
  Check(Label(dialog) == player.label, when + ": the label differs from the player's");
  Check(ShowsSurface(dialog, player.board), when + ": the board differs from the player's");
}

}  // namespace

int main() {
  CWorld world(kSeed);
  Schedule schedule;
  std::thread ui([&] {
    CSimDialog dialog(GetModuleHandleA(nullptr), world, schedule, kSeed);
    dialog.DoModal();
  });
  HWND dialog = WaitForDialog();
  Check(dialog != nullptr, "no dialog \"Pastura\" within 10 s");
  if (dialog == nullptr) {
    return 1;
  }
  Check(WaitForStartupTick(dialog), "no start-up tick within 10 s");
  for (int id : {IDC_HERBIVORE, IDC_CARNIVORE, IDC_HERBIVORE, IDC_PAINT, IDC_CARNIVORE}) {
    SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
  }
  for (int i = 0; i < 25; ++i) {
    SendMessageA(dialog, WM_COMMAND, IDM_STEP, 0);
  }
  SendMessageA(dialog, WM_SYSCOMMAND, IDM_SESSION, 0);
  const std::string text = ClipboardText(dialog);
  Check(text.starts_with("seed 7\r\n"), "the copied session does not begin with its seed");

  const auto session = ReadSession(text, std::nullopt);
  Check(std::holds_alternative<SessionScript>(session), "the player refuses the copied session");
  if (!std::holds_alternative<SessionScript>(session)) {
    return 1;
  }
  const SessionScript& played = std::get<SessionScript>(session);
  CWorld playerWorld(played.seed);
  Schedule playerSchedule;
  PlayerWindow player;
  DialogController(playerWorld, playerSchedule, player).PlaySession(played.script);
  CheckShows(dialog, player, "after the session");
  PostMessageA(dialog, WM_CLOSE, 0, 0);
  ui.join();

  CWorld reopenedWorld(played.seed);
  Schedule reopenedSchedule;
  std::thread reopened([&] {
    CSimDialog opened(GetModuleHandleA(nullptr), reopenedWorld, reopenedSchedule, played.seed);
    opened.DoModal(&played.script);
  });
  dialog = WaitForDialog();
  Check(dialog != nullptr, "no dialog opened with the session within 10 s");
  if (dialog != nullptr) {
    CheckShows(dialog, player, "opened with the session");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
  reopened.join();
  return failures == 0 ? 0 : 1;
}
