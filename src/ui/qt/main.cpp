// pastura: the desktop program.

#include <cstddef>
#include <optional>

#include "ui/qt/command_line.h"
#include "ui/qt/sim_app.h"
#include "ui/qt/startup_failure.h"

int main(int argc, char** argv) {
  if (const auto request = command_line::FindInfoRequest({argv, static_cast<std::size_t>(argc)})) {
    return command_line::AnswerInfoRequest(*request);
  }
  // QApplication takes its own options out of argc and argv, and starts the
  // platform: a failure there is reported, not an abort.
  std::optional<StartupFailureGuard> startup(std::in_place);
  CSimApp app(argc, argv);
  startup.reset();
  if (const auto complaint =
          command_line::LeftoverComplaint({argv, static_cast<std::size_t>(argc)})) {
    return command_line::RefuseArguments(*complaint);
  }
  return app.InitInstance();
}
