// A stop signal that comes once the outputs are being put in place is let
// go, and the run completes.
#include "replay/stop_signal.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

TEST(StopSignalDeathTest, AHeldSignalLetsTheRunGoOn) {
  EXPECT_EXIT(
      {
        CatchStopSignals();
        HoldStopSignals();
        std::raise(SIGTERM);
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
}
