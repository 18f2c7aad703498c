#include "ui/win32/sim_dialog.h"

#include <span>
#include <string>

#include "resource.h"
#include "sim/board.h"
#include "ui/common/help_text.h"
#include "ui/win32/about_dialog.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/dialog_keys.h"
#include "ui/win32/dialog_menus.h"
#include "ui/win32/window_centring.h"
#include "ui/win32/window_scale.h"

CSimDialog::CSimDialog(HINSTANCE instance, CWorld& world, Schedule& schedule, std::uint32_t seed)
    : instance_(instance),
      icon_(LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME))),
      boardDc_(board_.DeviceContext()),
      session_(seed),
      controller_(world, schedule, *this),
      populations_(instance, controller_) {
  controller_.RecordTo(session_);
}

INT_PTR CSimDialog::DoModal(const Script* session) {
  opening_ = session;
  return DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_SIM_DIALOG), nullptr, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CSimDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
    reinterpret_cast<CSimDialog*>(lParam)->window_ = window;
  }
  auto* self = reinterpret_cast<CSimDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) {
    return FALSE;  // the messages that come before WM_INITDIALOG
  }
  // clang-format off
  switch (message) {
    case WM_INITDIALOG:    return self->OnInitDialog();
    case WM_COMMAND:       return self->OnCommand(LOWORD(wParam));
    case WM_SHOWWINDOW:    return self->OnShowWindow(wParam);
    case WM_TIMER:         return self->OnTimer(wParam);
    case WM_SYSCOMMAND:    return self->OnSysCommand(wParam);
    case WM_CONTEXTMENU:   return self->OnContextMenu(lParam);
    case WM_INITMENUPOPUP: return self->OnInitMenuPopup();
    case WM_PAINT:         return self->OnPaint();
    case WM_QUERYDRAGICON: return self->OnQueryDragIcon();
    case WM_SIZE:          return self->OnSize();
    case DM_GETDEFID:      return self->OnGetDefaultId();
    case WM_DPICHANGED:    return self->OnDpiChanged(wParam, lParam);
    default:               return FALSE;
  }
  // clang-format on
}

INT_PTR CSimDialog::OnInitDialog() {
  AddDialogEntriesToSystemMenu(window_, instance_);
  boardDc_.SetScale(ScaleOfDpi(WindowDpi(window_)));
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  GrowToFitBoard();
  OnSize();
  CentreWindow(window_, nullptr);
  if (opening_ != nullptr) {
    controller_.PlaySession(*opening_);
  }
  return TRUE;
}

// The template's height holds the board with the usual dialog font; where the
// system's font is smaller (Wine's stand-in is one pixel shorter), the
// dialog grows so that no row of the board is cut off.
void CSimDialog::GrowToFitBoard() {
  RECT client;
  GetClientRect(window_, &client);
  const auto missing = static_cast<LONG>(boardDc_.Scale().ToDevice(kBoardPixels) - client.bottom);
  if (missing <= 0) {
    return;
  }
  RECT frame;
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The push buttons and Step are the dialog's rules; OK, Cancel, help and
// the other menu entries are the dialog's own.
INT_PTR CSimDialog::OnCommand(WORD id) {
  switch (id) {
    case ID_HELP:
      return OnHelp();
    case IDM_ABOUTBOX:
      return OnAbout();
    case IDM_CHART:
      populations_.Toggle(window_);
      return TRUE;
    case IDM_STEP:
      controller_.OnStep();
      return TRUE;
    case IDM_SESSION:
      PutTextOnClipboard(window_, session_.Text());
      return TRUE;
    case IDOK:
    case IDCANCEL:
      EndDialog(window_, id);
      return TRUE;
    default:
      return controller_.OnCommand(id) ? TRUE : FALSE;
  }
}

// The dialog has no default button of its own: Enter presses the push button
// that has the focus, and elsewhere (the report list) it finds none and
// closes the dialog as OK. The dialog manager does not mark the button that
// has the focus at start-up as the default, so the answer comes from the
// focus itself.
INT_PTR CSimDialog::OnGetDefaultId() {
  HWND focus = GetFocus();
  LRESULT defaultId = 0;
  if (focus != nullptr && IsChild(window_, focus) &&
      (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    defaultId = MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
  }
  SetWindowLongPtrA(window_, DWLP_MSGRESULT, defaultId);
  return TRUE;
}

INT_PTR CSimDialog::OnShowWindow(WPARAM shown) {
  controller_.OnShowWindow(shown != FALSE);
  return FALSE;
}

INT_PTR CSimDialog::OnTimer(WPARAM id) {
  controller_.OnTimer(static_cast<int>(id));
  return FALSE;
}

// The system menu's own entries, from SC_SIZE up, are left to the system.
INT_PTR CSimDialog::OnSysCommand(WPARAM id) {
  const auto command = static_cast<WORD>(id & 0xFFF0);
  return command < SC_SIZE ? OnCommand(command) : FALSE;
}

INT_PTR CSimDialog::OnContextMenu(LPARAM where) {
  if (const WORD command =
          TrackDialogContextMenu(window_, instance_, where, populations_.IsShown())) {
    OnCommand(command);
  }
  return TRUE;
}

INT_PTR CSimDialog::OnInitMenuPopup() {
  MarkPopulationsInSystemMenu(window_, populations_.IsShown());
  return FALSE;
}

INT_PTR CSimDialog::OnAbout() {
  CAboutDialog about(instance_);
  about.DoModal(window_);
  return TRUE;
}

INT_PTR CSimDialog::OnPaint() {
  if (IsIconic(window_)) {
    PaintIcon();
    return TRUE;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  board_.PaintTo(dc, paint.rcPaint);
  EndPaint(window_, &paint);
  return TRUE;
}

void CSimDialog::PaintIcon() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(window_, &client);
  const int x = (client.right - client.left - iconWidth + 1) / 2;
  const int y = (client.bottom - client.top - iconHeight + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(window_, &paint);
}

INT_PTR CSimDialog::OnQueryDragIcon() {
  return reinterpret_cast<INT_PTR>(icon_);
}

INT_PTR CSimDialog::OnHelp() {
  MessageBoxA(window_, kHelpText, kHelpTitle, MB_OK | MB_ICONINFORMATION);
  return TRUE;
}

// The dialog's client area changes size only when the system rescales it for
// another screen resolution; the picture follows it.
INT_PTR CSimDialog::OnSize() {
  RECT client;
  GetClientRect(window_, &client);
  if (client.right > 0 && client.bottom > 0) {
    board_.Resize({client.right, client.bottom});
  }
  return FALSE;
}

// The system has scaled the dialog's controls for the new screen; the board
// is drawn again at its scale, as it stands.
INT_PTR CSimDialog::OnDpiChanged(WPARAM dpi, LPARAM suggestedFrame) {
  boardDc_.SetScale(ScaleOfDpi(LOWORD(dpi)));
  const RECT& suggested = *reinterpret_cast<const RECT*>(suggestedFrame);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  GrowToFitBoard();
  boardDc_.Clear();
  boardLog_.Replay(boardDc_);
  InvalidateRect(window_, nullptr, FALSE);
  return FALSE;
}

void CSimDialog::ShowPopulations() {
  populations_.Refresh();
}

void CSimDialog::EraseBoard() {
  boardDc_.Clear();
  boardLog_.Clear();
}

void CSimDialog::StartTimer(int id, int periodMs) {
  SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void CSimDialog::StopTimer(int id) {
  KillTimer(window_, static_cast<UINT_PTR>(id));
}

// The list is refilled with its drawing held off, so that it repaints once
// per tick rather than once per line.
void CSimDialog::ShowReport(std::span<const std::string> lines) {
  HWND list = GetDlgItem(window_, IDC_REPORT);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : lines) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void CSimDialog::SetIterationText(std::string_view text) {
  const std::string label(text);
  SetDlgItemTextA(window_, IDC_ITERATIONS, label.c_str());
}

// Shows on screen what the last drawing changed.
void CSimDialog::ShowBoard() {
  RECT area;
  if (boardDc_.TakeDirtyArea(area)) {
    InvalidateRect(window_, &area, FALSE);
  }
}
