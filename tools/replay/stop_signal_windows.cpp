#include <io.h>

#include <csignal>
#include <cstdlib>

#include "replay/stop_signal.h"

namespace {

extern "C" void OnStopSignal(int signal) {
  const std::string_view message = StopRun(signal);
  if (!message.empty()) {
    _write(2, message.data(), static_cast<unsigned>(message.size()));
    std::_Exit(128 + signal);
  }
}

}  // namespace

void CatchStopSignals() {
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
}
