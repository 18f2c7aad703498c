// SIGINT, SIGTERM and SIGHUP (and Ctrl+C on Windows) stop a run wherever it
// is, a blocked read or write included: the handler itself removes every
// temporary the run has made, says so in one line on standard error and ends
// the process with 128 + the signal's number.
#pragma once

#include <string>

void CatchStopSignals();

// From here on a stop signal is let go unheeded: the run's outputs are being
// put in place, and are best put there whole.
void HoldStopSignals();

// A file or folder the run has made and a stop must remove, by `remove`, for
// as long as this lives; it does not remove it itself.
class Temporary {
 public:
  using Remover = bool (*)(const char* path);  // must be safe in a signal handler
  Temporary(std::string path, Remover remove);
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;
  ~Temporary();

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int slot_;
};

// The handler: removes the temporaries, prints the line and ends the
// process; does nothing while the signals are held.
extern "C" void OnStopSignal(int signal);
