#include "app/start_options.h"

#include <utility>

#include "app/quote.h"
#include "app/seed.h"

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
