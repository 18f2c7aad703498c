// pastura: the desktop program.

#include <cstddef>

#include "ui/qt/command_line.h"
#include "ui/qt/sim_app.h"

int main(int argc, char** argv) {
  if (const auto request = command_line::FindInfoRequest({argv, static_cast<std::size_t>(argc)})) {
    return command_line::AnswerInfoRequest(*request);
  }
  // QApplication takes its own options out of argc and argv.
  CSimApp app(argc, argv);
  if (const auto complaint =
          command_line::LeftoverComplaint({argv, static_cast<std::size_t>(argc)})) {
    return command_line::RefuseArguments(*complaint);
  }
  return app.InitInstance();
}
