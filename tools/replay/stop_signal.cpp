#include "replay/stop_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void RecordStopSignal(int signal) {
  caught = signal;
}

}  // namespace

void CatchStopSignals() {
  std::signal(SIGINT, RecordStopSignal);
  std::signal(SIGTERM, RecordStopSignal);
}

int StopSignal() {
  return caught;
}
