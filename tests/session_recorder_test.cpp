#include "app/session_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "app/session_link.h"

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

TEST(SessionLinkTest, AHundredPressesAndAnyTicksMakeAShortRunThatReadsBack) {
  Script script;
  const CommandKind presses[] = {CommandKind::kSpawnPlant, CommandKind::kSpawnHerbivore,
                                 CommandKind::kSpawnCarnivore, CommandKind::kPaint,
                                 CommandKind::kRedraw};
  for (int i = 0; i < 100; ++i) {
    script.push_back(Ticks(kMaxTicksPerCommand));
    script.push_back(Command{presses[i % 5]});
  }
  script.push_back(Ticks(kMaxTicksPerCommand));
  script.push_back(Ticks(5));
  const std::string run = RunOfScript(script);
  EXPECT_LE(run.size(), 1200u);
  EXPECT_EQ(run.substr(0, 12), "1000000000p1");
  EXPECT_EQ(run.substr(run.size() - 12), "1000000000.5");
  const auto read = ScriptOfRun(run);
  ASSERT_TRUE(std::holds_alternative<Script>(read));
  EXPECT_EQ(RunOfScript(std::get<Script>(read)), run);
}

TEST(SessionLinkTest, AMalformedRunIsOneLineNamingWhere) {
  EXPECT_EQ(std::get<std::string>(ScriptOfRun("3p<b>")),
            "run: '<' at character 3 is no press or tick");
  EXPECT_EQ(std::get<std::string>(ScriptOfRun("p1000000001")),
            "run: the ticks at character 2 are more than 1000000000");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string run(1, static_cast<char>(byte));
    const auto read = ScriptOfRun(run);
    EXPECT_EQ(std::holds_alternative<Script>(read),
              std::string("0123456789phcar").find(run) != std::string::npos)
        << byte;
  }
}
