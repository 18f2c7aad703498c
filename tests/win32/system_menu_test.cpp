// Runs the main dialog in this process, on a thread of its own as the
// program would, and reads what another process cannot read under Wine: the
// dialog's system menu and its icons. Prints "FAIL: ..." for each difference;
// exit code 0 when there is none.

#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "check.h"
#include "resource.h"
#include "ui/win32/sim_app.h"
#include "wait_for_dialog.h"

namespace {

void CheckSystemMenu(HWND dialog) {
  HMENU menu = GetSystemMenu(dialog, FALSE);
  Check(menu != nullptr, "the dialog has no system menu");
  if (menu == nullptr) {
    return;
  }
  const int count = GetMenuItemCount(menu);
  char text[64] = "";
  GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
  Check(GetMenuItemID(menu, count - 1) == IDM_ABOUTBOX, "the last item's id is not 0x0010");
  Check(std::string(text) == "&About Pastura...",
        "the last item reads '" + std::string(text) + "'");
  Check((GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR) != 0,
        "no separator before the About item");
}

void CheckIcons(HWND dialog) {
  const auto big = SendMessageA(dialog, WM_GETICON, ICON_BIG, 0);
  const auto small = SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0);
  const auto dragged = SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0);
  Check(big != 0 && big == small && big == dragged,
        "the big, small and drag icons are not one icon");
}

}  // namespace

int main() {
  std::thread ui([] {
    CSimApp app(GetModuleHandleA(nullptr));
    app.InitInstance();
  });
  HWND dialog = WaitForDialog();
  Check(dialog != nullptr, "no dialog \"Pastura\" within 10 s");
  if (dialog != nullptr) {
    CheckSystemMenu(dialog);
    CheckIcons(dialog);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
  ui.join();
  return failures == 0 ? 0 : 1;
}
