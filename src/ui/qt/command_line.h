// pastura's own command line. --help and --version are answered before Qt
// starts, so they need no display. Qt takes its own options (-platform NAME,
// -style NAME, ...); of what it leaves over, --seed N starts the spawn
// generator at N and one more argument names a session file to open with,
// and anything else is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "app/script.h"

namespace command_line {

enum class InfoRequest { kHelp, kVersion };

// The first --help (or -h) or --version after the program's name.
std::optional<InfoRequest> FindInfoRequest(std::span<char* const> arguments);

// Prints the help or the version line on standard output; returns the exit
// code: 0, or 1 with a message when standard output cannot take it.
int AnswerInfoRequest(InfoRequest request);

struct StartOptions {
  std::optional<std::uint32_t> seed;       // --seed N
  std::optional<std::string> sessionFile;  // the session to open with
};

// The program's own arguments, once Qt has taken its options, or the
// complaint about the first that is wrong.
std::variant<StartOptions, std::string> ParseStartOptions(std::span<char* const> arguments);

// Prints the refusal's line on standard error, with the usage line after a
// usage error; returns the exit code: 2, or 1 for a file that cannot be read.
int Refuse(const SessionRefusal& refusal);

}  // namespace command_line
