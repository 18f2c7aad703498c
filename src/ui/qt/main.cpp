// pastura: the desktop program.

#include <cstddef>
#include <optional>
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
  const auto opening = OpenFromArguments({argv, static_cast<std::size_t>(argc)});
  if (const auto* refusal = std::get_if<SessionRefusal>(&opening)) {
    return command_line::Refuse(*refusal);
  }
  const OpeningSession& session = std::get<OpeningSession>(opening);
  return app.InitInstance(session.seed, session.script ? &*session.script : nullptr);
}
