// OutputFile: one file among a run's outputs. A regular file, or a new one,
// is written under a temporary name beside it that Publish renames into
// place: until then the old file stays as it was, and a file dropped
// unpublished, also at a stop by signal, leaves nothing behind. The new file
// takes the old one's permission bits. A device or a pipe (/dev/stdout, a
// FIFO) cannot be replaced and is written in place.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "replay/stop_signal.h"

class OutputFile {
 public:
  // Makes the file ready to be written; on failure gives the reason.
  static std::variant<std::unique_ptr<OutputFile>, std::string> Create(const std::string& path);

  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  std::FILE* Stream() const { return stream_; }

  // Writes all of `bytes`; on failure gives the reason.
  std::optional<std::string> Write(std::string_view bytes);
  // Flushes and closes the file, which completes one written in place; on
  // failure gives the reason.
  std::optional<std::string> Finish();
  // Renames a finished temporary file into place; on failure gives the reason.
  std::optional<std::string> Publish();

 private:
  OutputFile(std::FILE* stream, std::string target) : stream_(stream), target_(std::move(target)) {}

  std::FILE* stream_;
  std::string target_;
  std::optional<Temporary> temporary_;  // none when written in place
};

// Makes a new file or folder beside `target` under a hidden, random name no
// longer than the longest file name (".NAME.tmp-01234567"), held as `made`
// from before it exists. `make` gives 0, or the errno it failed with. On
// failure gives the reason.
std::optional<std::string> MakeTemporary(const std::filesystem::path& target,
                                         Temporary::Remover remove,
                                         const std::function<int(const std::string&)>& make,
                                         std::optional<Temporary>& made);
