// Sessions from files: a script's whole text read as the player reads it,
// and the session a desktop program opens with, from its own arguments. A file is read up to
// kMaxScriptBytes, so that one without end (a device, a pipe) is refused
// without holding more than that.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "app/script.h"

// Far beyond any script written by hand or by a program, and still a size
// that fits in memory everywhere.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;

// Reads the file at `path`, or standard input when `path` is "-". A file
// that cannot be read is refused as `unreadable`; one past the limit is bad
// input.
std::variant<std::string, SessionRefusal> ReadScriptFile(const std::string& path);

// What a desktop program opens with: the spawn generator's seed, and the
// session to play first when a file named one.
struct OpeningSession {
  std::uint32_t seed = 0;
  std::optional<Script> script;
};

// The session the program's own arguments (app/start_options.h) open with:
// the one in the file they name, played from --seed unless it names its own
// (both is a usage error), or with no file none, at --seed else at the
// default seed. A bad option is refused as a usage error.
std::variant<OpeningSession, SessionRefusal> OpenFromArguments(std::span<char* const> arguments);
