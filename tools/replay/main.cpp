// pastura-replay: plays a session of button presses and timer ticks on a fresh
// world without a window and prints what the window would show.

#include <cstddef>

#include "replay/player.h"
#include "replay/stop_signal.h"
#include "replay/system.h"

int main(int argc, char** argv) {
  const bool outputClosed = PrepareStandardStreams();
  CatchStopSignals();
  return RunPlayer({argv, static_cast<std::size_t>(argc)},
                   PlayerStreams{stdout, stderr, outputClosed});
}
