// pastura: the desktop program.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "app/session_file.h"
#include "ui/qt/command_line.h"
#include "ui/qt/sim_app.h"
#include "ui/qt/startup_failure.h"

int main(int argc, char** argv) {
  if (const auto request = FindInfoRequest({argv, static_cast<std::size_t>(argc)})) {
    return command_line::AnswerInfoRequest(*request);
  }
  // QApplication takes its own options out of argc and argv, and starts the
  // platform: a failure there is reported, not an abort.
  std::optional<StartupFailureGuard> startup(std::in_place);
  CSimApp app(argc, argv);
  startup.reset();
  const auto options = ParseStartOptions({argv, static_cast<std::size_t>(argc)});
  if (const auto* complaint = std::get_if<std::string>(&options)) {
    return command_line::Refuse(SessionRefusal{*complaint, true});
  }
  const StartOptions& start = std::get<StartOptions>(options);
  const auto session = OpenSession(start.sessionFile, start.seed);
  if (const auto* refusal = std::get_if<SessionRefusal>(&session)) {
    return command_line::Refuse(*refusal);
  }
  const SessionScript& opened = std::get<SessionScript>(session);
  return app.InitInstance(opened.seed, start.sessionFile ? &opened.script : nullptr);
}
