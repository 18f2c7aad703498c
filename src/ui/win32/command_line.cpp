#include "ui/win32/command_line.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "pastura_version.h"

namespace command_line {

namespace {

constexpr std::string_view kUsage = "usage: pastura.exe [--help | --version] [--seed N] [SESSION]";

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Writes to standard output or error where the program has it, else to the
// console of the program that started it; shows a message box where there is
// neither, as for a program started from the desktop.
void Tell(const std::string& text, bool refusal) {
  DWORD written = 0;
  HANDLE standard = GetStdHandle(refusal ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (Usable(standard)) {
    WriteFile(standard, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    HANDLE console =
        CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (Usable(console)) {
      WriteFile(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
      CloseHandle(console);
      return;
    }
  }
  MessageBoxA(nullptr, text.c_str(), "Pastura",
              MB_OK | (refusal ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace

int AnswerInfoRequest(InfoRequest request) {
  Tell(request == InfoRequest::kHelp ? std::string(kUsage) + "\n\n" + std::string(kStartOptionsHelp)
                                     : std::string("pastura " PASTURA_VERSION "\n"),
       false);
  return 0;
}

int Refuse(const SessionRefusal& refusal) {
  std::string text = "pastura: " + refusal.message + "\n";
  if (refusal.misused) {
    text += std::string(kUsage) + "\n";
  }
  Tell(text, true);
  return refusal.ExitCode();
}

}  // namespace command_line
