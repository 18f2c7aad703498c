#include "ui/win32/clipboard.h"

#include <cstring>
#include <string>

bool PutTextOnClipboard(HWND owner, std::string_view text) {
  std::string lines;
  for (const char c : text) {
    if (c == '\n') {
      lines += '\r';
    }
    lines += c;
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, lines.size() + 1);
  if (memory == nullptr) {
    return false;
  }
  std::memcpy(GlobalLock(memory), lines.c_str(), lines.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool taken = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!taken) {
    GlobalFree(memory);  // the clipboard owns it only once taken
  }
  return taken;
}
