// The session script: white-space separated tokens, '#' to the end of the
// line is a comment. The whole script is parsed and checked before anything
// runs, so a bad script runs nothing. A script may name the spawn
// generator's seed in a `seed` command before any other.
#pragma once

#include <cstdint>
#include <optional>
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
  kSeed,
};

struct Command {
  CommandKind kind = CommandKind::kState;
  std::int32_t ticks = 1;  // kTick
  std::int32_t x = 0;      // kPlace*
  std::int32_t y = 0;
  std::int32_t heading = 0;
  std::uint32_t seed = 0;  // kSeed
};

struct ScriptError {
  std::int64_t line = 0;
  std::string message;  // what is wrong, quoting the offending token
};

using Script = std::vector<Command>;

inline constexpr std::int32_t kMaxTicksPerCommand = 1'000'000'000;

std::variant<Script, ScriptError> ParseScript(std::string_view text);

// The command as a script writes it, without a line end: "plant", "tick 5",
// "place herbivore 7 4 2", "seed 1"; ParseScript reads it back as it was.
std::string CommandText(const Command& command);

// The seed the script's `seed` command names, if it has one.
std::optional<std::uint32_t> ScriptSeed(const Script& script);

// A script as a session to play: the seed to make the world with (the
// script's own, else the one `given` on a command line, else the default)
// and its commands.
struct SessionScript {
  std::uint32_t seed = 0;
  Script script;
};

// Why a session is not played, in one line: "line N: ..." for a bad script,
// a usage error (`misused`) for a seed given on the command line beside the
// script's own, or a file that could not be read (see app/session_file.h).
struct SessionRefusal {
  std::string message;
  bool misused = false;
  bool unreadable = false;

  // What a program ends with on it: 1 for a file that cannot be read, 2 for
  // bad input or a usage error.
  int ExitCode() const { return unreadable ? 1 : 2; }
};

std::variant<SessionScript, SessionRefusal> ReadSession(std::string_view text,
                                                        std::optional<std::uint32_t> given);

enum class NumberFault { kMalformed, kOutOfRange };

// A decimal integer as the player reads it, in scripts and on its command
// line alike: an optional '-', then digits, leading zeros welcome; no '+', no
// spaces.
std::variant<std::int64_t, NumberFault> ParseInteger(std::string_view text, std::int64_t low,
                                                     std::int64_t high);
