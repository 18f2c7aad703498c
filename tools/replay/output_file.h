// OutputFile: one file the player writes, whole or not at all. A regular
// file is written under a new temporary name in its own folder and renamed
// into place by Commit, so until then the old file stays as it was; a file
// dropped without Commit (a failed or interrupted run) leaves nothing behind.
// A device or pipe (/dev/stdout, a FIFO) cannot be replaced and is written
// directly.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

class OutputFile {
 public:
  // Creates the file's temporary stand-in; on failure gives the reason.
  static std::variant<std::unique_ptr<OutputFile>, std::string> Create(const std::string& path);

  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  std::FILE* Stream() const { return stream_; }

  // Writes all of `bytes`; on failure gives the reason.
  std::optional<std::string> Write(std::string_view bytes);
  // Completes the file and puts it in place; on failure gives the reason and
  // leaves no temporary file.
  std::optional<std::string> Commit();

 private:
  OutputFile(std::FILE* stream, std::string temporary, std::string target);
  void Discard();

  std::FILE* stream_;
  std::string temporary_;  // empty when written directly
  std::string target_;
};

// Writes a whole file at once; on failure gives the reason.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);
