#include <gtest/gtest.h>

#include <vector>

#include "app/script.h"
#include "render/null_draw_context.h"
#include "replay/output.h"
#include "replay/session.h"
#include "replay/text_draw_context.h"

class SessionTest : public ::testing::Test {
 protected:
  std::string Play(std::string_view text, bool draw = false) {
    auto script = ParseScript(text);
    EXPECT_TRUE(std::holds_alternative<Script>(script));
    Output out;
    TextDrawContext shapes(out);
    DrawContext& dc = draw ? static_cast<DrawContext&>(shapes) : nothing;
    Session session(world, schedule, dc, out);
    session.Run(std::get<Script>(script));
    return out.text();
  }

  CWorld world;
  Schedule schedule;
  NullDrawContext nothing;
};

TEST_F(SessionTest, TickBlockShowsTheListAndLabelAfterTheTick) {
  EXPECT_EQ(Play("plant place herbivore 7 4 2 tick"),
            "tick 1\nplants\n0: 22\nHerbivore\n0: 98\nCarnivore\niterations 0\n");
}

TEST_F(SessionTest, TickNumbersCountThisRunsTicks) {
  const std::string text = Play("tick 2 tick");
  EXPECT_NE(text.find("tick 3\nplants\nHerbivore\nCarnivore\niterations 2\n"), std::string::npos);
}

TEST_F(SessionTest, StatePrintsTablesScheduleAndColours) {
  EXPECT_EQ(Play("plant herbivore carnivore tick state"),
            "tick 1\nplants\n0: 22\nHerbivore\n0: 98\nCarnivore\n0: 99\niterations 0\n"
            "state\n"
            "plant 0 id 0 at 2 8 growth 22\n"
            "herbivore 0 id 0 at 15 1 heading 1 energy 98\n"
            "carnivore 0 id 0 at 5 19 heading 2 energy 99\n"
            "schedule legLength 1 legStep 0 iterationCount 1\n"
            "colours plant 206 255 206 herbivore 2 2 255 carnivore 255 2 2\n");
}

TEST_F(SessionTest, DrawPrintsShapesAsTheyAreDrawnBeforeTheReport) {
  const std::string text = Play("place plant 2 8 paint", true);
  EXPECT_EQ(text.substr(0, text.find('\n') + 1), "ellipse 27 147 33 153 pen 18 204 255 204\n");
  EXPECT_NE(text.find("rect 400 400 420 420 pen 1 0 0 0\n"), std::string::npos);

  const std::string tick = Play("tick", true);
  EXPECT_EQ(tick.substr(0, 36), "tick 1\nrect 0 0 20 20 pen 1 0 0 0\nre");
  EXPECT_NE(tick.find("ellipse 27 147 33 153 pen 18 206 255 206\nplants\n0: 22\n"),
            std::string::npos);
}

TEST_F(SessionTest, ACallbackThatSaysStopEndsTheRunAfterThatTick) {
  auto script = ParseScript("plant tick 5 state");
  Output out;
  Session session(world, schedule, nothing, out);
  std::vector<std::int64_t> ticks;
  session.AfterEveryTick([&](std::int64_t tick) {
    ticks.push_back(tick);
    return tick < 2;
  });
  EXPECT_FALSE(session.Run(std::get<Script>(script)));
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{1, 2}));
  EXPECT_EQ(out.text().find("state"), std::string::npos);
}

TEST_F(SessionTest, AFailedWriteEndsTheRunAfterTheCurrentCommand) {
  Output out(stdout);
  out.MarkClosed();  // fails at the first piece passed on, some 64 KiB in
  Session session(world, schedule, nothing, out);
  EXPECT_FALSE(session.Run(std::get<Script>(ParseScript("tick 2000 plant"))));
  EXPECT_TRUE(out.failure());
  EXPECT_EQ(world.plantCount, 0);
}
