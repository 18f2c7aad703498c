// The output files and folder of a run, written under temporary names and
// put in place only once they are whole.
//
// OutputFile: one file among a run's outputs. A regular file, or a new one,
// is written under a temporary name beside it that Publish renames into
// place: until then the old file stays as it was, and a file dropped
// unpublished, also at a stop by signal, leaves nothing behind. The new file
// takes the old one's permission bits. A device or a pipe (/dev/stdout, a
// FIFO) cannot be replaced and is written in place.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

// FramesFolder: the --frames folder of one run. The pictures after every
// tick are written as frame-000001.png, frame-000002.png, ... (six digits,
// more once past 999999) into a new hidden folder inside it, and Publish
// moves them into the folder in place of the frames an earlier run left
// there: a run that fails or is stopped leaves the folder as it found it.
// The folder is made if need be and held by this run alone; a second run
// into it is refused.
class FramesFolder {
 public:
  // On failure throws the Refusal.
  static std::unique_ptr<FramesFolder> Open(const std::string& folder, bool overwrite);
  FramesFolder(const FramesFolder&) = delete;
  FramesFolder& operator=(const FramesFolder&) = delete;
  ~FramesFolder();

  // Writes the picture after `tick`, none when it could not be encoded; on
  // failure gives the whole message.
  std::optional<std::string> Write(std::int64_t tick, const std::optional<std::string>& png);
  // On failure throws the Refusal.
  void Publish();

 private:
  explicit FramesFolder(std::string folder) : folder_(std::move(folder)) {}

  std::string folder_;
  int lock_ = -1;
  std::optional<Temporary> made_;     // the folder itself, when this run made it
  std::optional<Temporary> staging_;  // the hidden folder the frames are written to
  std::vector<std::string> oldFrames_;
  std::int64_t written_ = 0;
};
