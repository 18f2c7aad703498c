#include "ui/win32/dialog_keys.h"

#include "app/dialog_layout.h"
#include "resource.h"

namespace {

// The command a key pressed in `root` stands for; 0 for none.
WORD CommandOf(WPARAM key, HWND root) {
  if (key == VK_F1) {
    return ID_HELP;
  }
  return GetWindow(root, GW_OWNER) == nullptr ? PopulationsKeyCommand(key) : 0;
}

}  // namespace

WORD PopulationsKeyCommand(WPARAM key) {
  const bool plain =
      GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (!plain) {
    return 0;
  }
  if (key == static_cast<WPARAM>(dialog_layout::kPopulationsKey)) {
    return IDM_CHART;
  }
  if (key == static_cast<WPARAM>(dialog_layout::kStepKey)) {
    return IDM_STEP;
  }
  return 0;
}

DialogKeys::DialogKeys()
    : hook_(SetWindowsHookExA(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId())) {}

DialogKeys::~DialogKeys() {
  if (hook_ != nullptr) {
    UnhookWindowsHookEx(hook_);
  }
}

LRESULT CALLBACK DialogKeys::FilterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN) {
    HWND root = GetAncestor(message->hwnd, GA_ROOT);
    if (const WORD command = CommandOf(message->wParam, root)) {
      SendMessageA(root, WM_COMMAND, command, 0);
      return TRUE;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
