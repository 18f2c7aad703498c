// The output files and folder of a run, written under temporary names and
// put in place only once they are whole.
//
// OutputFile: one file among a run's outputs. A regular file, or a new one,
// is written under a temporary name beside it that Publish renames into
// place: until then the old file stays as it was, and a file dropped
// unpublished, also at a stop by signal, leaves nothing behind. The new file
// takes the old one's permission bits. A device or a pipe (/dev/stdout, a
// FIFO) cannot be replaced and is written in place. Every step refuses by
// throwing the Refusal: "cannot write 'NAME': reason".
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "replay/run_output.h"
#include "replay/stop_signal.h"

class OutputFile {
 public:
  // Makes the file ready to be written.
  static std::unique_ptr<OutputFile> Create(const std::string& path);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  std::FILE* Stream() const { return stream_; }

  // Writes all of `bytes`.
  void Write(std::string_view bytes);
  // Flushes and closes the file, which completes one written in place.
  void Finish();
  // Renames a finished temporary file into place.
  void Publish();
  // Refuses the file for `reason`.
  [[noreturn]] void Refuse(std::string_view reason) const;

 private:
  explicit OutputFile(const std::string& path) : name_(path), target_(path) {}

  std::string name_;  // as the user gave it
  std::FILE* stream_ = nullptr;
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
class FramesFolder : public RunOutput {
 public:
  static std::unique_ptr<RunOutput> Open(const std::string& folder, OutputSources& sources);
  ~FramesFolder() override;

  // Writes the picture after `tick`.
  void AfterTick(std::int64_t tick, const CWorld& world) override;
  void Publish() override;

 private:
  FramesFolder(std::string folder, OutputSources& sources)
      : folder_(std::move(folder)), picture_(sources.Picture()), area_(sources.PictureArea()) {}

  std::string folder_;
  PngOutput& picture_;
  DeviceRect area_;
  int lock_ = -1;
  std::optional<Temporary> made_;     // the folders this run made for it, if any
  std::optional<Temporary> staging_;  // the hidden folder the frames are written to
  std::vector<std::string> oldFrames_;
  std::int64_t written_ = 0;
};
