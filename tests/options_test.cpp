#include <gtest/gtest.h>

#include <vector>

#include "replay/options.h"

namespace {

std::variant<Options, UsageError, InfoRequest> Parse(std::vector<const char*> words) {
  words.insert(words.begin(), "pastura-replay");
  std::vector<char*> arguments;
  for (const char* word : words) {
    arguments.push_back(const_cast<char*>(word));
  }
  return ParseArguments(arguments);
}

std::string ErrorOf(std::vector<const char*> words) {
  const auto parsed = Parse(std::move(words));
  const auto* error = std::get_if<UsageError>(&parsed);
  return error != nullptr ? error->message : "(accepted)";
}

}  // namespace

TEST(OptionsTest, NothingGivenReadsStandardInputWithTheDefaultSeed) {
  const Options options = std::get<Options>(Parse({}));
  EXPECT_FALSE(options.draw);
  EXPECT_EQ(options.seed, 1u);
  EXPECT_FALSE(options.scriptFile);
  EXPECT_FALSE(options.scriptText);
}

TEST(OptionsTest, AllOptionsCombine) {
  const Options options =
      std::get<Options>(Parse({"--draw", "--counts", "c.csv", "--frames", "f", "--png", "last.png",
                               "--seed", "4294967295", "-e", "tick"}));
  EXPECT_TRUE(options.draw);
  EXPECT_EQ(options.countsFile, "c.csv");
  EXPECT_EQ(options.framesDir, "f");
  EXPECT_EQ(options.pngFile, "last.png");
  EXPECT_EQ(options.seed, 4294967295u);
  EXPECT_EQ(options.scriptText, "tick");
}

TEST(OptionsTest, DashIsStandardInputAndCountsMayGoThere) {
  const Options options = std::get<Options>(Parse({"--counts", "-", "-"}));
  EXPECT_EQ(options.countsFile, "-");
  EXPECT_EQ(options.scriptFile, "-");
}

TEST(OptionsTest, HelpAndVersionWinOverEverythingBeforeThem) {
  EXPECT_EQ(std::get<InfoRequest>(Parse({"--draw", "--help"})), InfoRequest::kHelp);
  EXPECT_EQ(std::get<InfoRequest>(Parse({"--version", "--bogus"})), InfoRequest::kVersion);
}

TEST(OptionsTest, RejectsBadSeeds) {
  for (const char* seed : {"-1", "4294967296", "12x", "", "+3", "99999999999"}) {
    EXPECT_EQ(ErrorOf({"--seed", seed}),
              "bad seed '" + std::string(seed) + "': expected a number 0..4294967295");
  }
  EXPECT_EQ(std::get<Options>(Parse({"--seed", "0"})).seed, 0u);
}

TEST(OptionsTest, SeedTakesLeadingZerosAsScriptNumbersDo) {
  EXPECT_EQ(std::get<Options>(Parse({"--seed", "00000000001"})).seed, 1u);
  EXPECT_EQ(std::get<Options>(Parse({"--seed", "0000000000004294967295"})).seed, 4294967295u);
}

TEST(OptionsTest, ScaleTakesWholeAndFractionalDecimals) {
  for (const auto& [text, scale] : {std::pair{"1", 1.0},
                                    {"4", 4.0},
                                    {"1.25", 1.25},
                                    {"2.5", 2.5},
                                    {"01.50", 1.5},
                                    {"3.999", 3.999},
                                    {"4.000", 4.0}}) {
    EXPECT_EQ(std::get<Options>(Parse({"--scale", text})).scale, scale) << text;
  }
}

TEST(OptionsTest, RejectsScalesOutsideOneToFourOrNotPlainDecimals) {
  for (const char* scale : {"0", "0.99", "4.01", "5", "-1.5", "+1.5", " 1.5", "1.5 ", "1.", ".5",
                            "1e0", "1.2.3", "1,5", "inf", "nan", "0x2", ""}) {
    EXPECT_EQ(ErrorOf({"--scale", scale}),
              "bad scale '" + std::string(scale) + "': expected a decimal number 1..4");
  }
}

TEST(OptionsTest, RejectsUnknownOptionsMissingValuesAndSecondScripts) {
  EXPECT_EQ(ErrorOf({"--fast"}), "unknown option '--fast'");
  EXPECT_EQ(ErrorOf({"--frames"}), "option '--frames' needs a folder");
  EXPECT_EQ(ErrorOf({"--counts"}), "option '--counts' needs a file");
  EXPECT_EQ(ErrorOf({"--seed"}), "option '--seed' needs a number");
  EXPECT_EQ(ErrorOf({"-e", "tick", "session.txt"}), "more than one script given");
  EXPECT_EQ(ErrorOf({"a.txt", "-e", "tick"}), "more than one script given");
}

TEST(OptionsTest, RefusesCountsOnStandardOutputBesideTheShapes) {
  EXPECT_EQ(
      ErrorOf({"--counts", "-", "--draw"}),
      "'--counts -' cannot go with --draw or 'state': the CSV would be mixed with other lines");
  EXPECT_EQ(ErrorOf({"--draw", "--counts", "c.csv"}), "(accepted)");
}

TEST(OptionsTest, OverwriteIsAFlag) {
  EXPECT_TRUE(std::get<Options>(Parse({"--frames", "f", "--overwrite"})).overwrite);
  EXPECT_FALSE(std::get<Options>(Parse({"--frames", "f"})).overwrite);
}
