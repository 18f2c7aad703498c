// pastura.exe: the Windows program.
//
// usage: pastura.exe [--help | --version] [--seed N] [SESSION]
// (see app/start_options.h): the dialog opens with the spawn generator at N,
// after playing the session file if one is given; a bad option or session
// opens no window and ends with exit code 2 (1 for a file that cannot be
// read).

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <span>
#include <variant>

#include "app/session_file.h"
#include "app/start_options.h"
#include "ui/win32/command_line.h"
#include "ui/win32/sim_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The runtime's argument vector, in the code page the file functions take.
  const std::span<char* const> arguments(__argv, static_cast<std::size_t>(__argc));
  if (const auto request = FindInfoRequest(arguments)) {
    return command_line::AnswerInfoRequest(*request);
  }
  const auto opening = OpenFromArguments(arguments);
  if (const auto* refusal = std::get_if<SessionRefusal>(&opening)) {
    return command_line::Refuse(*refusal);
  }
  const OpeningSession& session = std::get<OpeningSession>(opening);
  CSimApp app(instance);
  return app.InitInstance(session.seed, session.script ? &*session.script : nullptr);
}
