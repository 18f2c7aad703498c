#include "ui/qt/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "app/quote.h"
#include "app/seed.h"
#include "pastura_version.h"

namespace command_line {

namespace {

constexpr std::string_view kUsage = "usage: pastura [--help | --version] [Qt options]";

constexpr std::string_view kHelp =
    "Shows a toy ecosystem of plants, herbivores and carnivores on a 21 x 21\n"
    "board, stepped five times a second, in a window on the display.\n"
    "\n"
    "  --seed N     start the spawn generator at N (0..4294967295; default 1)\n"
    "  SESSION      play this session file (as \"Copy session\" gives it, or a\n"
    "               script of pastura-replay's) and open on its end, stopped\n"
    "  --help, -h   show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are taken too.\n";

constexpr std::string_view kVersionLine = "pastura " PASTURA_VERSION "\n";

}  // namespace

std::optional<InfoRequest> FindInfoRequest(std::span<char* const> arguments) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      return InfoRequest::kHelp;
    }
    if (argument == "--version") {
      return InfoRequest::kVersion;
    }
  }
  return std::nullopt;
}

int AnswerInfoRequest(InfoRequest request) {
  const std::string text = request == InfoRequest::kHelp
                               ? std::string(kUsage) + "\n\n" + std::string(kHelp)
                               : std::string(kVersionLine);
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (std::fflush(stdout) != 0 || !written || std::ferror(stdout)) {
    const int error = errno;
    std::fprintf(stderr, "pastura: cannot write to standard output: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return 1;
  }
  return 0;
}

std::variant<StartOptions, std::string> ParseStartOptions(std::span<char* const> arguments) {
  StartOptions options;
  for (std::size_t next = 1; next < arguments.size(); ++next) {
    const std::string_view argument = arguments[next];
    if (argument == "--seed") {
      if (next + 1 == arguments.size()) {
        return "option '--seed' needs a number";
      }
      auto seed = ParseSeed(arguments[++next]);
      if (auto* complaint = std::get_if<std::string>(&seed)) {
        return std::move(*complaint);
      }
      options.seed = std::get<std::uint32_t>(seed);
    } else if (argument.starts_with('-')) {
      return "unknown option " + Quoted(argument);
    } else if (options.sessionFile) {
      return "unexpected argument " + Quoted(argument);
    } else {
      options.sessionFile = std::string(argument);
    }
  }
  return options;
}

int Refuse(const SessionRefusal& refusal) {
  std::fprintf(stderr, "pastura: %s\n", refusal.message.c_str());
  if (refusal.misused) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(kUsage.size()), kUsage.data());
  }
  return refusal.unreadable ? 1 : 2;
}

}  // namespace command_line
