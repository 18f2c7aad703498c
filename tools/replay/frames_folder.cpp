#include "replay/frames_folder.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "replay/output_file.h"
#include "replay/player.h"
#include "replay/quote.h"
#include "replay/system.h"

namespace fs = std::filesystem;

namespace {

// Writes "frame-000001.png" for tick 1 at `out` and returns its end; safe in
// a signal handler, for RemoveFrames.
char* FormatFrameName(char* out, std::int64_t tick) {
  char digits[20];
  char* end = std::to_chars(digits, digits + sizeof digits, tick).ptr;
  out = std::copy_n("frame-", 6, out);
  out = std::fill_n(out, std::max<std::ptrdiff_t>(0, 6 - (end - digits)), '0');
  return std::copy_n(".png", 4, std::copy(digits, end, out));
}

// The staging folder and the frames in it, which are numbered from 1 with
// none missing; a Temporary::Remover.
bool RemoveFrames(const char* folder) {
  static char path[4096 + 32];
  const std::size_t length = std::strlen(folder);
  if (length + 32 <= sizeof path) {
    std::memcpy(path, folder, length);
    path[length] = '/';
    for (std::int64_t tick = 1;; ++tick) {
      *FormatFrameName(path + length + 1, tick) = '\0';
      if (!RemoveEntry(path)) {
        break;
      }
    }
  }
  return RemoveEntry(folder);
}

}  // namespace

std::string FramesFolder::FrameName(std::int64_t tick) {
  char name[32];
  return std::string(name, FormatFrameName(name, tick));
}

std::unique_ptr<FramesFolder> FramesFolder::Open(const std::string& folder, bool overwrite) {
  std::unique_ptr<FramesFolder> frames(new FramesFolder(folder));
  std::error_code error;
  const bool existed = fs::exists(folder, error);
  // Made before it is held, and so not held by the signal handler when it
  // could not be made.
  if (!existed && fs::create_directories(folder, error)) {
    frames->made_.emplace(folder, RemoveEntry);
  }
  if (error) {
    throw Refusal{"cannot create " + Quoted(folder) + ": " + error.message()};
  }
  frames->lock_ = LockFolder(folder);
  if (frames->lock_ < 0) {
    throw Refusal{errno == EWOULDBLOCK
                      ? Quoted(folder) + " is in use by another run"
                      : "cannot create " + Quoted(folder) + ": " + std::strerror(errno)};
  }
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.starts_with("frame-") && name.ends_with(".png")) {
      frames->oldFrames_.push_back(entry->path().string());
    }
  }
  if (error) {
    throw Refusal{"cannot read " + Quoted(folder) + ": " + error.message()};
  }
  if (!frames->oldFrames_.empty() && !overwrite) {
    throw Refusal{Quoted(folder) + " already holds frames; give --overwrite to replace them"};
  }
  const std::string cannotWrite = "cannot write " + Quoted(folder + "/" + FrameName(1)) + ": ";
  if (auto reason = ReplacingRefused(folder)) {
    throw Refusal{cannotWrite + *reason};
  }
  const auto makeFolder = [](const std::string& path) {
    std::error_code made;
    return fs::create_directory(path, made) ? 0 : made ? made.value() : EEXIST;
  };
  if (auto reason =
          MakeTemporary(fs::path(folder) / "frames", RemoveFrames, makeFolder, frames->staging_)) {
    throw Refusal{cannotWrite + *reason};
  }
  return frames;
}

FramesFolder::~FramesFolder() {
  if (staging_) {
    RemoveFrames(staging_->path().c_str());
  }
  if (made_) {
    RemoveEntry(made_->path().c_str());
  }
  if (lock_ >= 0) {
    UnlockFolder(lock_);
  }
}

std::optional<std::string> FramesFolder::Write(std::int64_t tick, std::string_view png) {
  const std::string path = staging_->path() + "/" + FrameName(tick);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file != nullptr &&
                       std::fwrite(png.data(), 1, png.size(), file) == png.size() &&
                       std::fflush(file) == 0;
  const int reason = errno;
  if ((file != nullptr && std::fclose(file) != 0) || !written) {
    return "cannot write " + Quoted(folder_ + "/" + FrameName(tick)) + ": " +
           std::strerror(written ? errno : reason);
  }
  written_ = tick;
  return std::nullopt;
}

void FramesFolder::Publish() {
  std::error_code error;
  // Last first, so that the frames left staged after a failure still run
  // from 1 up, as RemoveFrames takes them.
  for (std::int64_t tick = written_; tick >= 1 && !error; --tick) {
    fs::rename(staging_->path() + "/" + FrameName(tick), folder_ + "/" + FrameName(tick), error);
  }
  // The earlier frames the new ones did not replace.
  for (const std::string& frame : oldFrames_) {
    const std::string name = fs::path(frame).filename().string();
    std::int64_t tick = 0;
    std::from_chars(name.data() + 6, name.data() + name.size(), tick);
    if (!error && !(tick >= 1 && tick <= written_ && name == FrameName(tick))) {
      fs::remove(frame, error);
    }
  }
  if (error) {
    throw Refusal{"cannot write " + Quoted(folder_) + ": " + error.message()};
  }
  made_.reset();
}
