#include "replay/output_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "replay/exclusive_file.h"

namespace fs = std::filesystem;

namespace {

std::string Reason(std::errc code) {
  return std::make_error_code(code).message();
}

// A name beside `target` that no other run picks: hidden, so that it never
// matches frame-*.png or the like, and random, so that two runs never meet.
std::string TemporaryNameFor(const fs::path& target, std::mt19937& draw) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(draw()));
  fs::path name = target;
  name.replace_filename("." + target.filename().string() + suffix);
  return name.string();
}

}  // namespace

std::variant<std::unique_ptr<OutputFile>, std::string> OutputFile::Create(const std::string& path) {
  std::error_code error;
  fs::path target = path;
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) {
    return Reason(std::errc::is_a_directory);
  }
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (stream == nullptr) {
      return std::string(std::strerror(errno));
    }
    return std::unique_ptr<OutputFile>(new OutputFile(stream, "", path));
  }
  if (fs::is_regular_file(status)) {
    // Through a link the file it names is replaced, as a plain write would.
    const fs::path resolved = fs::canonical(target, error);
    if (!error) {
      target = resolved;
    }
  }
  std::mt19937 draw(std::random_device{}());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temporary = TemporaryNameFor(target, draw);
    if (std::FILE* stream = CreateExclusive(temporary)) {
      return std::unique_ptr<OutputFile>(new OutputFile(stream, temporary, target.string()));
    }
    if (errno != EEXIST) {
      return std::string(std::strerror(errno));
    }
  }
  return Reason(std::errc::file_exists);
}

OutputFile::OutputFile(std::FILE* stream, std::string temporary, std::string target)
    : stream_(stream), temporary_(std::move(temporary)), target_(std::move(target)) {}

OutputFile::~OutputFile() {
  Discard();
}

void OutputFile::Discard() {
  if (stream_ != nullptr) {
    std::fclose(stream_);
    stream_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::remove(temporary_.c_str());
    temporary_.clear();
  }
}

std::optional<std::string> OutputFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
    return std::strerror(errno);
  }
  return std::nullopt;
}

std::optional<std::string> OutputFile::Commit() {
  std::FILE* stream = std::exchange(stream_, nullptr);
  const bool flushed = std::fflush(stream) == 0 && std::ferror(stream) == 0;
  const int flushError = errno;
  if (std::fclose(stream) != 0 || !flushed) {
    const std::string reason = std::strerror(flushed ? errno : flushError);
    Discard();
    return reason;
  }
  if (temporary_.empty()) {
    return std::nullopt;
  }
  std::error_code error;
  fs::rename(temporary_, target_, error);
  if (error) {
    Discard();
    return error.message();
  }
  temporary_.clear();
  return std::nullopt;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
  auto created = OutputFile::Create(path);
  if (auto* reason = std::get_if<std::string>(&created)) {
    return *reason;
  }
  OutputFile& file = *std::get<std::unique_ptr<OutputFile>>(created);
  if (auto reason = file.Write(bytes)) {
    return reason;
  }
  return file.Commit();
}
