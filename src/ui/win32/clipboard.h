// Text for the clipboard, as other Windows programs take it: CF_TEXT with
// every line ended by CR LF.
#pragma once

#include <windows.h>

#include <string_view>

// Puts `text`, its lines ended by LF, on the clipboard in place of what was
// there; false when the clipboard could not take it.
bool PutTextOnClipboard(HWND owner, std::string_view text);
