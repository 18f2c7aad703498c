// pastura's own command line. --help and --version are answered before Qt
// starts, so they need no display; every other argument is Qt's to take
// (-platform NAME, -style NAME, ...), and one that Qt leaves over is refused.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace command_line {

enum class InfoRequest { kHelp, kVersion };

// The first --help (or -h) or --version after the program's name.
std::optional<InfoRequest> FindInfoRequest(std::span<char* const> arguments);

// Prints the help or the version line on standard output; returns the exit
// code: 0, or 1 with a message when standard output cannot take it.
int AnswerInfoRequest(InfoRequest request);

// The complaint about the first argument after the program's name, or
// nothing when there is none; called once Qt has taken its own options.
std::optional<std::string> LeftoverComplaint(std::span<char* const> arguments);

// Prints the complaint and the usage line on standard error; returns the
// usage error's exit code, 2.
int RefuseArguments(const std::string& complaint);

}  // namespace command_line
