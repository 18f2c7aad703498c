#include "app/script_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/quote.h"

std::variant<std::string, ScriptFileFault> ReadScriptFile(const std::string& path) {
  const bool fromInput = path == "-";
  const std::string name = fromInput ? "standard input" : Quoted(path);
  std::FILE* file = fromInput ? stdin : std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return ScriptFileFault{"cannot read " + name + ": " + std::strerror(errno)};
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
    return ScriptFileFault{"cannot read " + name + ": " + reason};
  }
  if (text.size() > kMaxScriptBytes) {
    return ScriptFileFault{"the script in " + name + " is larger than 64 MiB", true};
  }
  return text;
}
