#include "ui/qt/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "pastura_version.h"

namespace command_line {

namespace {

constexpr std::string_view kUsage = "usage: pastura [--help | --version] [Qt options]";

constexpr std::string_view kHelp =
    "Shows a toy ecosystem of plants, herbivores and carnivores on a 21 x 21\n"
    "board, stepped five times a second, in a window on the display.\n"
    "\n"
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

std::optional<std::string> LeftoverComplaint(std::span<char* const> arguments) {
  if (arguments.size() < 2) {
    return std::nullopt;
  }
  const std::string argument = arguments[1];
  return argument.starts_with('-') ? "unknown option '" + argument + "'"
                                   : "unexpected argument '" + argument + "'";
}

int RefuseArguments(const std::string& complaint) {
  std::fprintf(stderr, "pastura: %s\n%.*s\n", complaint.c_str(), static_cast<int>(kUsage.size()),
               kUsage.data());
  return 2;
}

}  // namespace command_line
