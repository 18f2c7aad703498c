#include "app/session_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/quote.h"

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
