#include "ui/win32/populations_window.h"

#include <cmath>
#include <string>

#include "app/dialog_layout.h"
#include "resource.h"
#include "ui/win32/dialog_keys.h"
#include "ui/win32/top_down_dib.h"
#include "ui/win32/window_centring.h"
#include "ui/win32/window_scale.h"

namespace {

constexpr char kClassName[] = "PasturaPopulations";
constexpr LONG kGap = 8;  // between the dialog and the window beside it, at scale 1

std::string Title() {
  std::string title(dialog_layout::kPopulationsEntryText);
  std::erase(title, '&');
  return title;
}

}  // namespace

CPopulationsWindow::CPopulationsWindow(HINSTANCE instance, const DialogController& controller)
    : instance_(instance), controller_(controller) {}

CPopulationsWindow::~CPopulationsWindow() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
}

void CPopulationsWindow::Toggle(HWND dialog) {
  if (window_ == nullptr && !Create(dialog)) {
    return;
  }
  if (IsShown()) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  Refresh();
}

void CPopulationsWindow::Refresh() {
  if (!IsShown()) {
    return;
  }
  chart_->Draw(controller_.History(), controller_.Counts());
  for (const DeviceRect& redrawn : chart_->Redrawn()) {
    const RECT area{redrawn.left, redrawn.top, redrawn.right, redrawn.bottom};
    InvalidateRect(window_, &area, FALSE);
  }
}

// Fixed in size, with a close box; owned by the dialog, so that it stays
// above it and is destroyed with it. It opens right of the dialog, or left
// of it where only that side has room, a gap apart that grows with the
// dialog's display scale.
bool CPopulationsWindow::Create(HWND dialog) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDR_MAINFRAME));
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);  // fails harmlessly when registered before

  window_ = CreateWindowExA(0, kClassName, Title().c_str(), WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100,
                            dialog, nullptr, instance_, this);
  if (window_ == nullptr) {
    return false;
  }
  DrawAtDpi(WindowDpi(window_));
  RECT dialogFrame;
  RECT frame;
  GetWindowRect(dialog, &dialogFrame);
  GetWindowRect(window_, &frame);
  const LONG width = frame.right - frame.left;
  const auto gap = static_cast<LONG>(std::lround(kGap * ScaleOfDpi(WindowDpi(dialog))));
  const LONG right = dialogFrame.right + gap;
  const LONG left = dialogFrame.left - gap - width;
  const RECT workArea = WorkArea(dialog);
  const bool rightHasRoom = right + width <= workArea.right;
  PlaceWindow(window_, {rightHasRoom || left < workArea.left ? right : left, dialogFrame.top});
  return true;
}

LRESULT CALLBACK CPopulationsWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CPopulationsWindow*>(
        reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<CPopulationsWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // clang-format off
  switch (message) {
    case WM_PAINT:      return self->OnPaint();
    case WM_KEYDOWN:    return self->OnKeyDown(wParam);
    case WM_DPICHANGED: return self->OnDpiChanged(wParam, lParam);
    case WM_CLOSE:      return self->OnClose();
    case WM_NCDESTROY:  return self->OnDestroyed();
    default:            return DefWindowProcA(window, message, wParam, lParam);
  }
  // clang-format on
}

// The surface's 0xFFRRGGBB pixels are a top-down 32-bit DIB as they are.
LRESULT CPopulationsWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const RasterSurface& surface = chart_->Surface();
  const BITMAPINFO info = TopDownDib(surface.Width(), surface.Height());
  SetDIBitsToDevice(
      dc, 0, 0, static_cast<DWORD>(surface.Width()), static_cast<DWORD>(surface.Height()), 0, 0, 0,
      static_cast<UINT>(surface.Height()), surface.Pixels().data(), &info, DIB_RGB_COLORS);
  EndPaint(window_, &paint);
  return 0;
}

LRESULT CPopulationsWindow::OnKeyDown(WPARAM key) {
  HWND dialog = GetWindow(window_, GW_OWNER);
  const WORD command = PopulationsKeyCommand(key);
  if (command != 0 && IsWindowEnabled(dialog)) {
    PostMessageA(dialog, WM_COMMAND, command, 0);
  }
  return 0;
}

// The close box hides the window; the dialog shows it again.
LRESULT CPopulationsWindow::OnClose() {
  ShowWindow(window_, SW_HIDE);
  return 0;
}

// Destroyed with the dialog that owns it.
LRESULT CPopulationsWindow::OnDestroyed() {
  window_ = nullptr;
  return 0;
}

LRESULT CPopulationsWindow::OnDpiChanged(WPARAM dpi, LPARAM suggestedFrame) {
  const RECT& suggested = *reinterpret_cast<const RECT*>(suggestedFrame);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  DrawAtDpi(LOWORD(dpi));
  return 0;
}

void CPopulationsWindow::DrawAtDpi(UINT dpi) {
  chart_ = std::make_unique<PopulationChart>(kChartWidth, kChartHeight, ScaleOfDpi(dpi));
  chart_->Draw(controller_.History(), controller_.Counts());
  RECT frame;
  RECT client;
  GetWindowRect(window_, &frame);
  GetClientRect(window_, &client);
  SetWindowPos(window_, nullptr, 0, 0,
               frame.right - frame.left - client.right + chart_->Surface().Width(),
               frame.bottom - frame.top - client.bottom + chart_->Surface().Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}
