// The main dialog of a program started by a test: it shows itself once its
// initialisation is done.
#pragma once

#include <windows.h>

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
