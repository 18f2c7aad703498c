// The desktop programs' command line, the same for pastura and pastura.exe
// once a toolkit has taken its own options: --help (or -h) and --version are
// answered before anything starts; --seed N starts the spawn generator at N
// (the player's rule, app/seed.h) and one more argument names a session
// file to open with; anything else is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

enum class InfoRequest { kHelp, kVersion };

// The first --help (or -h) or --version after the program's name.
std::optional<InfoRequest> FindInfoRequest(std::span<char* const> arguments);

struct StartOptions {
  std::optional<std::uint32_t> seed;       // --seed N
  std::optional<std::string> sessionFile;  // the session to open with
};

// The program's own arguments, or the complaint about the first that is
// wrong.
std::variant<StartOptions, std::string> ParseStartOptions(std::span<char* const> arguments);

// --help's text after the usage line and a blank line.
inline constexpr std::string_view kStartOptionsHelp =
    "Shows a toy ecosystem of plants, herbivores and carnivores on a 21 x 21\n"
    "board, stepped five times a second, in a window on the display.\n"
    "\n"
    "  --seed N     start the spawn generator at N (0..4294967295; default 1)\n"
    "  SESSION      play this session file (as \"Copy session\" gives it, or a\n"
    "               script of pastura-replay's) and open on its end, stopped\n"
    "  --help, -h   show this help and exit\n"
    "  --version    show the version and exit\n";
