// The session script: white-space separated tokens, '#' to the end of the
// line is a comment. The whole script is parsed and checked before anything
// runs, so a bad script runs nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

enum class CommandKind {
  kSpawnPlant,
  kSpawnHerbivore,
  kSpawnCarnivore,
  kPaint,
  kRedraw,
  kTick,
  kPlacePlant,
  kPlaceHerbivore,
  kPlaceCarnivore,
  kState,
};

struct Command {
  CommandKind kind = CommandKind::kState;
  std::int32_t ticks = 1;  // kTick
  std::int32_t x = 0;      // kPlace*
  std::int32_t y = 0;
  std::int32_t heading = 0;
};

struct ScriptError {
  std::int64_t line = 0;
  std::string message;  // what is wrong, quoting the offending token
};

using Script = std::vector<Command>;

inline constexpr std::int32_t kMaxTicksPerCommand = 1'000'000'000;

std::variant<Script, ScriptError> ParseScript(std::string_view text);

enum class NumberFault { kMalformed, kOutOfRange };

// A decimal integer as the player reads it, in scripts and on its command
// line alike: an optional '-', then digits, leading zeros welcome; no '+', no
// spaces.
std::variant<std::int64_t, NumberFault> ParseInteger(std::string_view text, std::int64_t low,
                                                     std::int64_t high);
