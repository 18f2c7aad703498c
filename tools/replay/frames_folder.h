// The --frames folder of one run. The pictures after every tick are written
// as frame-000001.png, frame-000002.png, ... (six digits, more once past
// 999999) into a new hidden folder inside it, and Publish moves them into
// the folder in place of the frames an earlier run left there: a run that
// fails or is stopped leaves the folder as it found it. The folder is made
// if need be and held by this run alone; a second run into it is refused.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "replay/stop_signal.h"

class FramesFolder {
 public:
  // On failure throws the Refusal.
  static std::unique_ptr<FramesFolder> Open(const std::string& folder, bool overwrite);
  FramesFolder(const FramesFolder&) = delete;
  FramesFolder& operator=(const FramesFolder&) = delete;
  ~FramesFolder();

  static std::string FrameName(std::int64_t tick);

  // On failure gives the whole message.
  std::optional<std::string> Write(std::int64_t tick, std::string_view png);
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
