#include "app/dialog_controller.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "recording_draw_context.h"
#include "sim/board.h"

namespace {

using Lines = std::vector<std::string>;

// A window that keeps what a real one would show: its running timers with
// their periods, the report list, the label, the shapes on the board, and
// where in the shape stream each erase and each presentation came.
class RecordingWindow : public DialogWindow {
 public:
  void StartTimer(int id, int periodMs) override { timers[id] = periodMs; }
  void StopTimer(int id) override { timers.erase(id); }
  void ShowReport(std::span<const std::string> lines) override {
    report.assign(lines.begin(), lines.end());
    ++reportsShown;
  }
  void SetIterationText(std::string_view text) override { label = text; }
  DrawContext& Board() override { return board; }
  void EraseBoard() override { erasedAt.push_back(board.shapes.size()); }
  void ShowBoard() override { shownAt.push_back(board.shapes.size()); }
  void ShowPopulations() override { ++populationsShown; }

  bool Running(int id) const { return timers.count(id) > 0; }

  std::map<int, int> timers;
  Lines report;
  int reportsShown = 0;
  std::string label;
  RecordingDrawContext board;
  std::vector<std::size_t> erasedAt;  // the number of shapes drawn before each erase
  std::vector<std::size_t> shownAt;
  int populationsShown = 0;
};

constexpr std::size_t kGridCells = kBoardCells * kBoardCells;

class DialogControllerTest : public ::testing::Test {
 protected:
  CWorld world;
  Schedule schedule;
  RecordingWindow window;
  DialogController dialog{world, schedule, window};
};

TEST_F(DialogControllerTest, ShowingOrHidingArmsTheStartupTimer) {
  dialog.OnShowWindow(true);
  EXPECT_EQ(window.timers, (std::map<int, int>{{TIMER_STARTUP, 1000}}));
  dialog.OnTimer(TIMER_STARTUP);
  EXPECT_FALSE(window.Running(TIMER_STARTUP));
  dialog.OnShowWindow(false);
  EXPECT_EQ(window.timers, (std::map<int, int>{{TIMER_STARTUP, 1000}}));
}

TEST_F(DialogControllerTest, MoveAndStartStepEveryFifthOfASecondUntilStop) {
  dialog.OnMove();
  EXPECT_EQ(window.timers, (std::map<int, int>{{TIMER_STEP, 200}}));
  dialog.OnStop();
  EXPECT_TRUE(window.timers.empty());
  dialog.OnStart();
  EXPECT_EQ(window.timers, (std::map<int, int>{{TIMER_STEP, 200}}));
}

TEST_F(DialogControllerTest, MoveTwiceThenStopOnceStandsStill) {
  dialog.OnMove();
  dialog.OnMove();
  dialog.OnStop();
  EXPECT_FALSE(window.Running(TIMER_STEP));
}

TEST_F(DialogControllerTest, AStepCancelsAPendingStartupTick) {
  dialog.OnShowWindow(true);
  dialog.OnMove();
  dialog.OnTimer(TIMER_STEP);
  EXPECT_EQ(window.timers, (std::map<int, int>{{TIMER_STEP, 200}}));
}

TEST_F(DialogControllerTest, ATickShowsItsReportAndLabelWhenDone) {
  world.AddPlant(2, 8);
  world.AddHerbivore(7, 4, 2);
  dialog.OnTimer(TIMER_STARTUP);
  EXPECT_EQ(window.report, (Lines{"plants", "0: 22", "Herbivore", "0: 98", "Carnivore"}));
  EXPECT_EQ(window.label, "0");
  EXPECT_EQ(window.reportsShown, 1);
  dialog.OnTimer(TIMER_STEP);
  EXPECT_EQ(window.report, (Lines{"plants", "0: 24", "Herbivore", "0: 96", "Carnivore"}));
  EXPECT_EQ(window.label, "1");
}

TEST_F(DialogControllerTest, AShorterListReplacesALongerOneWhole) {
  world.AddHerbivore(3, 3, 1);
  world.herbivores[0].energy = 2;
  world.AddCarnivore(4, 4, 1);
  dialog.OnTimer(TIMER_STEP);
  EXPECT_EQ(window.report, (Lines{"plants", "Herbivore", "0: 0", "Carnivore", "0: 99"}));
  world.carnivoreCount = 0;
  dialog.OnTimer(TIMER_STEP);
  EXPECT_EQ(window.report, (Lines{"plants", "Herbivore", "Carnivore"}));
}

TEST_F(DialogControllerTest, EveryFullRedrawErasesTheWholeBoardFirst) {
  world.AddHerbivore(5, 5, 1);
  dialog.OnTimer(TIMER_STEP);
  dialog.OnRedraw();
  dialog.OnPaintGrid();
  const std::size_t tick = 2 * kGridCells + 2;  // the grid, the redraw, one animal
  const std::size_t redraw = kGridCells + 2;
  EXPECT_EQ(window.erasedAt, (std::vector<std::size_t>{0, tick, tick + redraw}));
  EXPECT_EQ(window.shownAt,
            (std::vector<std::size_t>{tick, tick + redraw, tick + redraw + kGridCells}));
}

TEST_F(DialogControllerTest, SpawnsDrawAtOnceWithoutErasingOrReporting) {
  dialog.OnPlant();
  dialog.OnHerbivore();
  dialog.OnCarnivore();
  EXPECT_EQ(world.plantCount + world.herbivoreCount + world.carnivoreCount, 3);
  EXPECT_EQ(world.plants[0].x, 2);  // the generator's first cell
  EXPECT_EQ(world.plants[0].y, 8);
  EXPECT_EQ(window.shownAt, (std::vector<std::size_t>{1, 3, 5}));
  EXPECT_TRUE(window.erasedAt.empty());
  EXPECT_EQ(window.reportsShown, 0);
  EXPECT_TRUE(window.timers.empty());
}

TEST_F(DialogControllerTest, StepIsOneTickOfTheStepTimerWhetherSteppingOrNot) {
  world.AddPlant(2, 8);
  dialog.OnShowWindow(true);
  dialog.OnStep();
  EXPECT_EQ(window.label, "0");
  EXPECT_TRUE(window.timers.empty());
  dialog.OnMove();
  dialog.OnStep();
  EXPECT_EQ(window.label, "1");
  EXPECT_EQ(window.timers, (std::map<int, int>{{TIMER_STEP, 200}}));
}

TEST_F(DialogControllerTest, EveryTickIsRecordedAndEveryTickOrSpawnShown) {
  dialog.OnPlant();
  dialog.OnHerbivore();
  dialog.OnTimer(TIMER_STEP);
  dialog.OnCarnivore();
  EXPECT_EQ(window.populationsShown, 4);
  EXPECT_EQ(dialog.History().Ticks(), 1);
  EXPECT_EQ(dialog.History().Columns()[0].high, (std::array<std::uint8_t, 3>{1, 1, 0}));
  EXPECT_EQ(dialog.Counts(), (Populations{1, 1, 1}));
}

TEST_F(DialogControllerTest, PaintLeavesTheWorldAsItIs) {
  world.AddPlant(2, 8);
  dialog.OnPaintGrid();
  EXPECT_EQ(window.board.shapes.size(), kGridCells);
  EXPECT_EQ(world.plants[0].growth, 20);
  EXPECT_EQ(world.iterationCount, 0);
}

TEST_F(DialogControllerTest, EveryButtonIdReachesItsCommand) {
  EXPECT_TRUE(dialog.OnCommand(IDC_PLANT));
  EXPECT_TRUE(dialog.OnCommand(IDC_HERBIVORE));
  EXPECT_TRUE(dialog.OnCommand(IDC_CARNIVORE));
  EXPECT_EQ(world.plantCount + world.herbivoreCount + world.carnivoreCount, 3);
  EXPECT_TRUE(dialog.OnCommand(IDC_MOVE));
  EXPECT_TRUE(window.Running(TIMER_STEP));
  EXPECT_TRUE(dialog.OnCommand(IDC_STOP));
  EXPECT_FALSE(window.Running(TIMER_STEP));
  EXPECT_TRUE(dialog.OnCommand(IDC_START));
  EXPECT_TRUE(window.Running(TIMER_STEP));
  EXPECT_TRUE(dialog.OnCommand(IDC_PAINT));
  EXPECT_TRUE(dialog.OnCommand(IDC_REDRAW));
  EXPECT_EQ(window.erasedAt.size(), 2u);
  // "Paint" draws the empty grid, "ReDraw" the grid and the three entities.
  EXPECT_EQ(window.shownAt[3] - window.erasedAt[0], kGridCells);
  EXPECT_EQ(window.shownAt[4] - window.erasedAt[1], kGridCells + 5);
  EXPECT_FALSE(dialog.OnCommand(IDC_REPORT));
  EXPECT_FALSE(dialog.OnCommand(IDC_ITERATIONS));
}

}  // namespace

TEST_F(DialogControllerTest, APlayedSessionIsRecordedAndTheWindowOpensOnItsEndStopped) {
  SessionRecorder recorder(1);
  dialog.RecordTo(recorder);
  dialog.PlaySession(std::get<Script>(ParseScript("plant place herbivore 7 4 2 tick 3 state")));
  EXPECT_EQ(window.label, "2");
  dialog.OnShowWindow(true);
  EXPECT_TRUE(window.timers.empty());
  dialog.OnCarnivore();
  dialog.OnTimer(TIMER_STEP);
  EXPECT_EQ(recorder.Text(), "seed 1\nplant\nplace herbivore 7 4 2\ntick 3\ncarnivore\ntick 1\n");
  dialog.OnShowWindow(false);
  EXPECT_TRUE(window.Running(TIMER_STARTUP));
}
