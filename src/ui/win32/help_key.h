// HelpKey: while it lives, F1 pressed in any dialog of this thread sends the
// standard help command (ID_HELP) to that dialog's top-level window. The
// dialog manager would otherwise hand the key to the focused control, which
// ignores it.
#pragma once

#include <windows.h>

inline constexpr WORD ID_HELP = 0xE146;

class HelpKey {
 public:
  HelpKey();
  ~HelpKey();
  HelpKey(const HelpKey&) = delete;
  HelpKey& operator=(const HelpKey&) = delete;

 private:
  static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_;
};
