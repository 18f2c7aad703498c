#include "app/session_recorder.h"

#include <gtest/gtest.h>

namespace {

Command Ticks(std::int32_t count) {
  Command tick{CommandKind::kTick};
  tick.ticks = count;
  return tick;
}

}  // namespace

TEST(SessionRecorderTest, NamesItsSeedAndWritesEachRunOfTicksOnce) {
  SessionRecorder recorder(7);
  for (int i = 0; i < 3; ++i) {
    recorder.Record(Ticks(1));
  }
  recorder.Record(Command{CommandKind::kSpawnPlant});
  recorder.Record(Ticks(1));
  EXPECT_EQ(recorder.Text(), "seed 7\ntick 3\nplant\ntick 1\n");
  recorder.Record(Ticks(1));
  EXPECT_EQ(recorder.Text(), "seed 7\ntick 3\nplant\ntick 2\n");
}

TEST(SessionRecorderTest, ARunLongerThanOneCommandTakesIsSplit) {
  SessionRecorder recorder(1);
  recorder.Record(Ticks(kMaxTicksPerCommand));
  recorder.Record(Ticks(5));
  EXPECT_EQ(recorder.Text(), "seed 1\ntick 1000000000\ntick 5\n");
}
