#include "app/session_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/quote.h"
#include "app/start_options.h"

std::variant<std::string, SessionRefusal> ReadScriptFile(const std::string& path) {
  const bool fromInput = path == "-";
  const std::string name = fromInput ? "standard input" : Quoted(path);
  std::FILE* file = fromInput ? stdin : std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return SessionRefusal{"cannot read " + name + ": " + std::strerror(errno), false, true};
  }
  std::string text;
  char chunk[1 << 16];
  std::size_t got = 0;
  while (text.size() <= kMaxScriptBytes && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    text.append(chunk, got);
  }
  const bool failed = std::ferror(file) != 0;
  const std::string reason = std::strerror(errno);
  if (!fromInput) {
    std::fclose(file);
  }
  if (failed) {
    return SessionRefusal{"cannot read " + name + ": " + reason, false, true};
  }
  if (text.size() > kMaxScriptBytes) {
    return SessionRefusal{"the script in " + name + " is larger than 64 MiB"};
  }
  return text;
}

namespace {

// The session in the file at `path`, played from `seed` unless it names its
// own, or with no file an empty session at `seed`, else at the default seed.
std::variant<SessionScript, SessionRefusal> OpenSession(const std::optional<std::string>& path,
                                                        std::optional<std::uint32_t> seed) {
  if (!path) {
    return ReadSession("", seed);
  }
  auto text = ReadScriptFile(*path);
  if (auto* refusal = std::get_if<SessionRefusal>(&text)) {
    return std::move(*refusal);
  }
  return ReadSession(std::get<std::string>(text), seed);
}

}  // namespace

std::variant<OpeningSession, SessionRefusal> OpenFromArguments(std::span<char* const> arguments) {
  auto options = ParseStartOptions(arguments);
  if (auto* complaint = std::get_if<std::string>(&options)) {
    return SessionRefusal{std::move(*complaint), true};
  }
  const StartOptions& start = std::get<StartOptions>(options);
  auto session = OpenSession(start.sessionFile, start.seed);
  if (auto* refusal = std::get_if<SessionRefusal>(&session)) {
    return std::move(*refusal);
  }
  SessionScript& opened = std::get<SessionScript>(session);
  return OpeningSession{opened.seed,
                        start.sessionFile ? std::optional(std::move(opened.script)) : std::nullopt};
}
