// The main dialog's menus. Its system menu and its context menu carry the
// same entries, each a command the dialog takes as WM_COMMAND: "About
// Pastura..." (IDM_ABOUTBOX, string IDS_ABOUTBOX), "Populations" (IDM_CHART,
// checked while that window shows), "Step" (IDM_STEP), the two with their
// keys beside them, and "Copy session" (IDM_SESSION). The context menu lists them in that order;
// the system menu keeps About last, after a separator, below the others.
#pragma once

#include <windows.h>

// Appends the entries to the dialog's system menu.
void AddDialogEntriesToSystemMenu(HWND dialog, HINSTANCE instance);

// Shows the context menu at `where`, screen coordinates as WM_CONTEXTMENU
// gives them ((-1, -1) from the keyboard: at the focused control), and
// returns the command chosen, or 0.
WORD TrackDialogContextMenu(HWND dialog, HINSTANCE instance, LPARAM where, bool populationsShown);

// Checks or clears the Populations entry of the dialog's system menu.
void MarkPopulationsInSystemMenu(HWND dialog, bool shown);
