// The player's command line: which script to play, what to write besides the
// report blocks, and the spawn generator's starting state. See kHelpText.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "sim/random.h"

struct Options {
  bool draw = false;                          // print every shape as it is drawn
  bool overwrite = false;                     // --frames may replace older frames
  bool board = false;                         // pictures show the board alone
  std::uint32_t seed = Random::kDefaultSeed;  // the spawn generator's starting state
  bool seedGiven = false;                     // --seed was on the command line
  double scale = 1;                           // device pixels per board pixel in pictures
  std::optional<std::string> pngFile;         // the picture after the script
  std::optional<std::string> framesDir;       // the picture after every tick
  std::optional<std::string> gifFile;         // the board after every tick, animated
  std::optional<std::string> countsFile;      // population counts per tick; "-" for stdout
  std::optional<std::string> chartFile;       // the population chart after the script
  std::optional<std::string> scriptText;      // from -e
  std::optional<std::string> scriptFile;      // a path, or "-" for standard input
};

struct UsageError {
  std::string message;
};

enum class InfoRequest { kHelp, kVersion };

std::variant<Options, UsageError, InfoRequest> ParseArguments(std::span<char* const> arguments);

extern const std::string_view kUsageLine;
extern const std::string_view kHelpText;
extern const std::string_view kVersionLine;
// Why '--counts -' is refused beside the shapes or a `state` command.
extern const std::string_view kCountsBesideShapes;
