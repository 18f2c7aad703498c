#include "ui/win32/about_dialog.h"

#include "resource.h"
#include "ui/win32/window_centring.h"

INT_PTR CAboutDialog::DoModal(HWND owner) {
  return DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_ABOUTBOX), owner, DialogProc,
                         reinterpret_cast<LPARAM>(owner));
}

INT_PTR CALLBACK CAboutDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      CentreWindow(window, reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
