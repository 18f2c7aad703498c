#include <unistd.h>

#include <csignal>

#include "replay/stop_signal.h"

namespace {

extern "C" void OnStopSignal(int signal) {
  const std::string_view message = StopRun(signal);
  if (!message.empty()) {
    [[maybe_unused]] const auto written = write(STDERR_FILENO, message.data(), message.size());
    _exit(128 + signal);
  }
}

}  // namespace

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  // One stop at a time; a held signal lets the interrupted call go on.
  sigemptyset(&action.sa_mask);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    sigaddset(&action.sa_mask, signal);
  }
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    sigaction(signal, &action, nullptr);
  }
}
