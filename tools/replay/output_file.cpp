#include "replay/output_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <system_error>
#include <utility>

#include "app/quote.h"
#include "replay/path_identity.h"
#include "replay/player.h"
#include "replay/system.h"

namespace fs = std::filesystem;

namespace {

// The longest file name the usual file systems take.
constexpr std::size_t kMaxNameBytes = 255;
constexpr std::size_t kSuffixBytes = std::string_view(".tmp-01234567").size();

// A name beside `target` that no other run picks: hidden, so that it never
// matches frame-*.png or the like, random, so that two runs never meet, and
// no longer than the longest name, so that every valid name has one.
std::string TemporaryNameFor(const fs::path& target, std::mt19937& draw) {
  char suffix[kSuffixBytes + 1];
  std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(draw()));
  const std::string name = target.filename().string();
  return fs::path(target)
      .replace_filename("." + name.substr(0, kMaxNameBytes - kSuffixBytes - 1) + suffix)
      .string();
}

// Makes a new file or folder beside `target` under a hidden, random name no
// longer than the longest file name (".NAME.tmp-01234567"), held as `made`
// from before it exists. `make` gives 0, or the errno it failed with. On
// failure gives the reason.
std::optional<std::string> MakeTemporary(const fs::path& target, Temporary::Remover remove,
                                         const std::function<int(const std::string&)>& make,
                                         std::optional<Temporary>& made) {
  std::mt19937 draw(std::random_device{}());
  for (int attempt = 0; attempt < 100; ++attempt) {
    made.emplace(TemporaryNameFor(target, draw), remove);
    const int reason = make(made->path());
    if (reason == 0) {
      return std::nullopt;
    }
    made.reset();  // whatever stands there is not ours
    if (reason != EEXIST) {
      return std::strerror(reason);
    }
  }
  return std::make_error_code(std::errc::file_exists).message();
}

// Writes "frame-000001.png" for tick 1 at `out` and returns its end; safe in
// a signal handler, for RemoveFrames.
char* FormatFrameName(char* out, std::int64_t tick) {
  char digits[20];
  char* end = std::to_chars(digits, digits + sizeof digits, tick).ptr;
  out = std::copy_n("frame-", 6, out);
  out = std::fill_n(out, std::max<std::ptrdiff_t>(0, 6 - (end - digits)), '0');
  return std::copy_n(".png", 4, std::copy(digits, end, out));
}

std::string FrameName(std::int64_t tick) {
  char name[32];
  return std::string(name, FormatFrameName(name, tick));
}

// The staging folder and the frames in it, which are numbered from 1 with
// none missing; a Temporary::Remover.
bool RemoveFrames(const char* folder) {
  static char path[4096 + 32];
  const std::size_t length = std::strlen(folder);
  if (length + 32 <= sizeof path) {
    std::memcpy(path, folder, length);
    path[length] = '/';
    std::int64_t tick = 0;
    do {
      *FormatFrameName(path + length + 1, ++tick) = '\0';
    } while (RemoveEntry(path));
  }
  return RemoveEntry(folder);
}

// The folders a run made for its frames, "a/b/c" made down from "a", held
// as the one string "a/b/c\0a"; a Temporary::Remover that removes the
// deepest and each one above it up to the first made, and none above that.
bool RemoveMadeFolders(const char* made) {
  static char path[4096];
  const std::size_t topLength = std::strlen(made + std::strlen(made) + 1);
  std::size_t length = std::strlen(made);
  if (length >= sizeof path) {
    return false;
  }
  std::memcpy(path, made, length + 1);
  bool removed = false;
  while (length >= topLength && length > 0) {
    path[length] = '\0';
    removed = RemoveEntry(path) || removed;
    do {
      --length;
    } while (length > 0 && path[length] != '/' && path[length] != fs::path::preferred_separator);
  }
  return removed;
}

}  // namespace

std::unique_ptr<OutputFile> OutputFile::Create(const std::string& path) {
  // Made first, so that its destructor removes whatever it has made when a
  // later step refuses.
  std::unique_ptr<OutputFile> file(new OutputFile(path));
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::is_directory(status)) {
    file->Refuse(std::make_error_code(std::errc::is_a_directory).message());
  }
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    file->stream_ = std::fopen(path.c_str(), "wb");
    if (file->stream_ == nullptr) {
      file->Refuse(std::strerror(errno));
    }
    return file;
  }
  // Through a link, also one naming a file not made yet, the file it names
  // is written, as a plain write would.
  file->target_ = WrittenPath(path, error).string();
  if (error) {
    file->Refuse(error.message());
  }
  for (const fs::path& refusing : {fs::path(file->target_), FolderOf(file->target_)}) {
    if (auto reason = ReplacingRefused(refusing.string())) {
      file->Refuse(*reason);
    }
  }
  const auto create = [&file](const std::string& temporary) {
    file->stream_ = CreateExclusive(temporary);
    return file->stream_ != nullptr ? 0 : errno;
  };
  if (auto reason = MakeTemporary(file->target_, RemoveEntry, create, file->temporary_)) {
    file->Refuse(*reason);
  }
  if (fs::is_regular_file(status)) {
    fs::permissions(file->temporary_->path(), status.permissions(), error);
    if (error) {
      file->Refuse(error.message());
    }
  }
  return file;
}

OutputFile::~OutputFile() {
  if (stream_ != nullptr) {
    std::fclose(stream_);
  }
  if (temporary_) {
    RemoveEntry(temporary_->path().c_str());
  }
}

void OutputFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
    Refuse(std::strerror(errno));
  }
}

void OutputFile::Finish() {
  std::FILE* stream = std::exchange(stream_, nullptr);
  const bool flushed = std::fflush(stream) == 0 && std::ferror(stream) == 0;
  const int flushError = errno;
  if (std::fclose(stream) != 0 || !flushed) {
    Refuse(std::strerror(flushed ? errno : flushError));
  }
}

void OutputFile::Publish() {
  if (!temporary_) {
    return;
  }
  std::error_code error;
  fs::rename(temporary_->path(), target_, error);
  if (error) {
    Refuse(error.message());
  }
  temporary_.reset();
}

void OutputFile::Refuse(std::string_view reason) const {
  throw Refusal{"cannot write " + Quoted(name_) + ": " + std::string(reason)};
}

std::unique_ptr<RunOutput> FramesFolder::Open(const std::string& folder, OutputSources& sources) {
  std::unique_ptr<FramesFolder> frames(new FramesFolder(folder, sources));
  std::error_code error;
  // Every missing folder on the way is made, and removed again by a run that
  // fails or is stopped.
  fs::path top;
  for (fs::path at = folder; !at.empty() && !fs::exists(at, error) && !error;
       at = at.parent_path()) {
    top = at;
  }
  if (!top.empty() && !error) {
    frames->made_.emplace(folder + '\0' + top.string(), RemoveMadeFolders);
    fs::create_directories(folder, error);
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
  if (!frames->oldFrames_.empty() && !sources.options.overwrite) {
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
    RemoveMadeFolders(made_->path().c_str());
  }
  if (lock_ >= 0) {
    UnlockFolder(lock_);
  }
}

void FramesFolder::AfterTick(std::int64_t tick, const CWorld& /*world*/) {
  const std::string cannotWrite = "cannot write " + Quoted(folder_ + "/" + FrameName(tick)) + ": ";
  const std::optional<std::string> png = picture_.Encode(area_);
  if (!png) {
    throw Refusal{cannotWrite + "cannot encode the picture"};
  }
  std::FILE* file = std::fopen((staging_->path() + "/" + FrameName(tick)).c_str(), "wb");
  const bool written = file != nullptr &&
                       std::fwrite(png->data(), 1, png->size(), file) == png->size() &&
                       std::fflush(file) == 0;
  const int reason = errno;
  if ((file != nullptr && std::fclose(file) != 0) || !written) {
    throw Refusal{cannotWrite + std::strerror(written ? errno : reason)};
  }
  written_ = tick;
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
