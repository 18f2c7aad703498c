// DialogKeys: while it lives, the keys that the dialog manager would
// otherwise hand to the focused control, which ignores them, reach the
// dialogs of this thread as commands. F1 in any dialog sends the standard
// help command (ID_HELP) to that dialog's top-level window. P and S, without
// modifiers, in the main dialog send it the Populations and Step commands
// (IDM_CHART, IDM_STEP); the main dialog is the one no window owns, since
// every modal box is owned by the window it was opened over.
#pragma once

#include <windows.h>

inline constexpr WORD ID_HELP = 0xE146;

// The command P or S stands for, pressed without modifiers (IDM_CHART,
// IDM_STEP); 0 for any other key, or with a modifier held.
WORD PopulationsKeyCommand(WPARAM key);

class DialogKeys {
 public:
  DialogKeys();
  ~DialogKeys();
  DialogKeys(const DialogKeys&) = delete;
  DialogKeys& operator=(const DialogKeys&) = delete;

 private:
  static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_;
};
