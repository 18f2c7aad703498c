#include <gtest/gtest.h>

#include "app/script.h"

namespace {

Script Parsed(std::string_view text) {
  auto result = ParseScript(text);
  if (const auto* error = std::get_if<ScriptError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->message;
    return {};
  }
  return std::get<Script>(result);
}

ScriptError Failed(std::string_view text) {
  auto result = ParseScript(text);
  if (std::holds_alternative<Script>(result)) {
    ADD_FAILURE() << "script was accepted: " << text;
    return {};
  }
  return std::get<ScriptError>(result);
}

}  // namespace

TEST(ScriptTest, ReadsEveryCommandAcrossWhiteSpaceAndComments) {
  const Script script = Parsed(
      "plant herbivore\tcarnivore # spawn one of each\n"
      "paint redraw state\r\n"
      "tick tick 5#five more\n"
      "place plant 0 -3 place herbivore 7 4 2 place carnivore -2147483648 2147483647 9\n");
  ASSERT_EQ(script.size(), 11u);
  EXPECT_EQ(script[0].kind, CommandKind::kSpawnPlant);
  EXPECT_EQ(script[5].kind, CommandKind::kState);
  EXPECT_EQ(script[6].ticks, 1);
  EXPECT_EQ(script[7].ticks, 5);
  EXPECT_EQ(script[8].kind, CommandKind::kPlacePlant);
  EXPECT_EQ(script[8].y, -3);
  EXPECT_EQ(script[9].heading, 2);
  EXPECT_EQ(script[10].x, -2147483647 - 1);
  EXPECT_EQ(script[10].y, 2147483647);
}

TEST(ScriptTest, EmptyAndCommentOnlyScriptsRunNothing) {
  EXPECT_TRUE(Parsed("").empty());
  EXPECT_TRUE(Parsed("  # nothing\n\n#tick\n").empty());
}

TEST(ScriptTest, TickTakesTheLargestCountButNotMore) {
  EXPECT_EQ(Parsed("tick 1000000000")[0].ticks, 1000000000);
  const ScriptError error = Failed("\n\ntick 1000000001");
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(error.message, "number '1000000001' out of range 1..1000000000");
  EXPECT_EQ(Failed("tick 0").message, "number '0' out of range 1..1000000000");
  EXPECT_EQ(Failed("tick -4").message, "number '-4' out of range 1..1000000000");
}

TEST(ScriptTest, ReportsUnknownCommandsWithTheirLine) {
  const ScriptError error = Failed("plant\n# comment\njump 3\n");
  EXPECT_EQ(error.line, 3);
  EXPECT_EQ(error.message, "unknown command 'jump'");
  EXPECT_EQ(Failed("Plant").message, "unknown command 'Plant'");
  EXPECT_EQ(Failed("tick x").message, "unknown command 'x'");
}

TEST(ScriptTest, ReportsMalformedAndOutOfRangeNumbers) {
  EXPECT_EQ(Failed("place plant 1 2x").message,
            "malformed number '2x': expected a decimal integer");
  EXPECT_EQ(Failed("place plant 1 -").message, "malformed number '-': expected a decimal integer");
  EXPECT_EQ(Failed("tick +5").message, "malformed number '+5': expected a decimal integer");
  EXPECT_EQ(Failed("place herbivore 1 2 2147483648").message,
            "number '2147483648' out of range -2147483648..2147483647");
  const std::string huge(400, '9');
  EXPECT_EQ(Failed("place plant 1 " + huge).message,
            "number '" + std::string(40, '9') + "...' out of range -2147483648..2147483647");
}

TEST(ScriptTest, ReportsMissingPartsOfPlace) {
  EXPECT_EQ(Failed("place").message,
            "missing kind after 'place': expected plant, herbivore or carnivore");
  EXPECT_EQ(Failed("place tree 1 2").message,
            "unknown kind 'tree' after 'place': expected plant, herbivore or carnivore");
  EXPECT_EQ(Failed("place plant 1").message, "missing Y for 'place plant'");
  EXPECT_EQ(Failed("place carnivore 1 2 # heading\n").message, "missing H for 'place carnivore'");
  EXPECT_EQ(Failed("place herbivore 1 2 tick").message,
            "malformed number 'tick': expected a decimal integer");
}

TEST(ScriptTest, QuotesUnprintableBytesSafely) {
  using namespace std::string_literals;
  EXPECT_EQ(Failed("pl\0ant"s).message, "unknown command 'pl\\x00ant'");
  EXPECT_EQ(Failed("\xff\xfe").message, "unknown command '\\xff\\xfe'");
}

TEST(ScriptTest, SkipsAByteOrderMarkAtTheStartOnly) {
  const Script script = Parsed("\xEF\xBB\xBFplant tick");
  ASSERT_EQ(script.size(), 2u);
  EXPECT_EQ(script[0].kind, CommandKind::kSpawnPlant);
  EXPECT_EQ(Failed("plant \xEF\xBB\xBFtick").message, "unknown command '\\xef\\xbb\\xbftick'");
}

TEST(ScriptTest, CountsLinesEndedByLineFeedsCarriageReturnsOrBoth) {
  EXPECT_EQ(Failed("plant\rtick\rjump").line, 3);
  EXPECT_EQ(Failed("plant\r\ntick\r\njump").line, 3);
  EXPECT_EQ(Failed("plant\n\rjump").line, 3);
  EXPECT_EQ(Failed("# comment ends here\rjump").line, 2);
  EXPECT_EQ(Parsed("# a comment\rtick").size(), 1u);
}

TEST(ScriptTest, NumbersTakeAnyNumberOfLeadingZeros) {
  EXPECT_EQ(Parsed("tick 00000000000000000000000000001")[0].ticks, 1);
  EXPECT_EQ(Parsed("place plant -0002 0")[0].x, -2);
}

TEST(ScriptTest, SeedComesBeforeAnyOtherCommandAndTakesWhatSeedTakes) {
  EXPECT_EQ(ScriptSeed(Parsed("# first\nseed 0004294967295 plant")), 4294967295u);
  EXPECT_EQ(ScriptSeed(Parsed("plant")), std::nullopt);
  const ScriptError late = Failed("plant\nseed 7");
  EXPECT_EQ(late.line, 2);
  EXPECT_EQ(late.message, "'seed' must come before any other command");
  EXPECT_EQ(Failed("seed 1 seed 2").message, "'seed' must come before any other command");
  EXPECT_EQ(Failed("seed 4294967296").message,
            "bad seed '4294967296': expected a number 0..4294967295");
  EXPECT_EQ(Failed("seed").message, "missing N for 'seed'");
}

TEST(ScriptTest, EveryCommandsTextReadsBackAsIt) {
  const std::string text =
      "seed 7\nplant\nherbivore\ncarnivore\npaint\nredraw\ntick 5\nplace plant 0 -3\n"
      "place herbivore 7 4 2\nplace carnivore 1 1 4\nstate\n";
  std::string written;
  for (const Command& command : Parsed(text)) {
    written += CommandText(command) + '\n';
  }
  EXPECT_EQ(written, text);
}
