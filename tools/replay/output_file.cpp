#include "replay/output_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "replay/path_identity.h"
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

}  // namespace

std::variant<std::unique_ptr<OutputFile>, std::string> OutputFile::Create(const std::string& path) {
  std::error_code error;
  fs::path target = path;
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) {
    return std::make_error_code(std::errc::is_a_directory).message();
  }
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (stream == nullptr) {
      return std::string(std::strerror(errno));
    }
    return std::unique_ptr<OutputFile>(new OutputFile(stream, path));
  }
  if (fs::is_regular_file(status)) {
    // Through a link the file it names is replaced, as a plain write would.
    target = fs::canonical(target, error);
    if (error) {
      return error.message();
    }
  }
  for (const fs::path& refusing : {target, FolderOf(target)}) {
    if (auto reason = ReplacingRefused(refusing.string())) {
      return *reason;
    }
  }
  std::unique_ptr<OutputFile> file(new OutputFile(nullptr, target.string()));
  const auto create = [&file](const std::string& temporary) {
    file->stream_ = CreateExclusive(temporary);
    return file->stream_ != nullptr ? 0 : errno;
  };
  if (auto reason = MakeTemporary(target, RemoveEntry, create, file->temporary_)) {
    return *reason;
  }
  if (fs::is_regular_file(status)) {
    fs::permissions(file->temporary_->path(), status.permissions(), error);
    if (error) {
      return error.message();
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

std::optional<std::string> OutputFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
    return std::strerror(errno);
  }
  return std::nullopt;
}

std::optional<std::string> OutputFile::Finish() {
  std::FILE* stream = std::exchange(stream_, nullptr);
  const bool flushed = std::fflush(stream) == 0 && std::ferror(stream) == 0;
  const int flushError = errno;
  if (std::fclose(stream) != 0 || !flushed) {
    return std::strerror(flushed ? errno : flushError);
  }
  return std::nullopt;
}

std::optional<std::string> OutputFile::Publish() {
  if (!temporary_) {
    return std::nullopt;
  }
  std::error_code error;
  fs::rename(temporary_->path(), target_, error);
  if (error) {
    return error.message();
  }
  temporary_.reset();
  return std::nullopt;
}

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
