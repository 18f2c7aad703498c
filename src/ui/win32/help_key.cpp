#include "ui/win32/help_key.h"

HelpKey::HelpKey()
    : hook_(SetWindowsHookExA(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId())) {}

HelpKey::~HelpKey() {
  if (hook_ != nullptr) {
    UnhookWindowsHookEx(hook_);
  }
}

LRESULT CALLBACK HelpKey::FilterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && message->wParam == VK_F1) {
    SendMessageA(GetAncestor(message->hwnd, GA_ROOT), WM_COMMAND, ID_HELP, 0);
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
