#include "ui/qt/command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "app/start_options.h"
#include "pastura_version.h"

namespace command_line {

namespace {

constexpr std::string_view kUsage = "usage: pastura [--help | --version] [Qt options]";

constexpr std::string_view kQtOptionsHelp =
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are taken too.\n";

constexpr std::string_view kVersionLine = "pastura " PASTURA_VERSION "\n";

}  // namespace

int AnswerInfoRequest(InfoRequest request) {
  const std::string text = request == InfoRequest::kHelp
                               ? std::string(kUsage) + "\n\n" + std::string(kStartOptionsHelp) +
                                     std::string(kQtOptionsHelp)
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

int Refuse(const SessionRefusal& refusal) {
  std::fprintf(stderr, "pastura: %s\n", refusal.message.c_str());
  if (refusal.misused) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(kUsage.size()), kUsage.data());
  }
  return refusal.ExitCode();
}

}  // namespace command_line
