#include "ui/win32/dialog_menus.h"

#include <string>

#include "app/dialog_layout.h"
#include "resource.h"

namespace {

struct Entry {
  UINT id;
  std::string_view text;
  char key;
};

// The entries beside About.
constexpr Entry kEntries[] = {
    {IDM_CHART, dialog_layout::kPopulationsEntryText, dialog_layout::kPopulationsKey},
    {IDM_STEP, dialog_layout::kStepEntryText, dialog_layout::kStepKey},
    {IDM_SESSION, dialog_layout::kCopySessionEntryText, '\0'},
};

void AppendEntries(HMENU menu) {
  for (const Entry& entry : kEntries) {
    std::string text(entry.text);
    if (entry.key != '\0') {
      text += std::string("\t") + entry.key;
    }
    AppendMenuA(menu, MF_STRING, entry.id, text.c_str());
  }
}

void AppendAbout(HMENU menu, HINSTANCE instance) {
  char text[64] = "";
  LoadStringA(instance, IDS_ABOUTBOX, text, sizeof text);
  AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void MarkPopulations(HMENU menu, bool shown) {
  CheckMenuItem(menu, IDM_CHART, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void AddDialogEntriesToSystemMenu(HWND dialog, HINSTANCE instance) {
  HMENU menu = GetSystemMenu(dialog, FALSE);
  if (menu == nullptr) {
    return;
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendEntries(menu);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendAbout(menu, instance);
}

WORD TrackDialogContextMenu(HWND dialog, HINSTANCE instance, LPARAM where, bool populationsShown) {
  POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  if (at.x == -1 && at.y == -1) {
    RECT focus;
    HWND focused = GetFocus();
    GetWindowRect(focused != nullptr ? focused : dialog, &focus);
    at = {focus.left, focus.bottom};
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) {
    return 0;
  }
  AppendAbout(menu, instance);
  AppendEntries(menu);
  MarkPopulations(menu, populationsShown);
  const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                     at.y, 0, dialog, nullptr);
  DestroyMenu(menu);
  return static_cast<WORD>(chosen);
}

void MarkPopulationsInSystemMenu(HWND dialog, bool shown) {
  if (HMENU menu = GetSystemMenu(dialog, FALSE)) {
    MarkPopulations(menu, shown);
  }
}
