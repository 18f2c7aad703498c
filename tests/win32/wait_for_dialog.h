// The main dialog of a program started by a test: it shows itself once its
// initialisation is done, and ticks a second later; and what its label and
// report list show.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "resource.h"

// The visible dialog captioned "Pastura", waited for up to 10 s; null if none.
inline HWND WaitForDialog() {
  for (int i = 0; i < 500; ++i) {
    HWND dialog = FindWindowA("#32770", "Pastura");
    if (dialog != nullptr && IsWindowVisible(dialog)) {
      return dialog;
    }
    Sleep(20);
  }
  return nullptr;
}

// Whether `done` comes to hold within five seconds, asked every 20 ms.
inline bool WaitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 250 && !done(); ++i) {
    Sleep(20);
  }
  return done();
}

// Whether the dialog's start-up tick has filled the report list, waited for
// up to 10 s.
inline bool WaitForStartupTick(HWND dialog) {
  for (int i = 0; i < 500; ++i) {
    if (SendDlgItemMessageA(dialog, IDC_REPORT, LB_GETCOUNT, 0, 0) > 0) {
      return true;
    }
    Sleep(20);
  }
  return false;
}

inline std::string Label(HWND dialog) {
  char text[32] = "";
  GetDlgItemTextA(dialog, IDC_ITERATIONS, text, sizeof text);
  return text;
}

inline std::vector<std::string> ReportLines(HWND dialog) {
  std::vector<std::string> lines;
  const LRESULT count = SendDlgItemMessageA(dialog, IDC_REPORT, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[64] = "";
    SendDlgItemMessageA(dialog, IDC_REPORT, LB_GETTEXT, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(text));
    lines.emplace_back(text);
  }
  return lines;
}
