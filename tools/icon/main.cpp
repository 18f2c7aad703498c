// xpm-to-ico: builds the application icon file from its XPM sources, one
// image per source, in the order given.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "icon/ico_writer.h"
#include "icon/xpm_image.h"

namespace {

constexpr const char* kProgram = "xpm-to-ico";
enum ExitCode { kSuccess = 0, kFailure = 1, kUsageError = 2 };

std::optional<std::string> ReadFile(const char* path) {
  std::string text;
  std::FILE* file = std::fopen(path, "rb");
  if (file != nullptr) {
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
      text.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (!failed) {
      return text;
    }
  }
  std::fprintf(stderr, "%s: cannot read '%s': %s\n", kProgram, path, std::strerror(errno));
  return std::nullopt;
}

void CannotWrite(const std::string& path, int error) {
  std::fprintf(stderr, "%s: cannot write '%s': %s\n", kProgram, path.c_str(), std::strerror(error));
}

// Writes beside the target and renames, so a failed run leaves no partial
// icon. The temporary file is created afresh, never through what already
// stands at its name.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string partial = path + ".tmp";
  const int descriptor = open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    CannotWrite(partial, errno);
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      const int error = errno;
      close(descriptor);
      std::remove(partial.c_str());
      CannotWrite(partial, error);
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  if (close(descriptor) != 0 || std::rename(partial.c_str(), path.c_str()) != 0) {
    const int error = errno;
    std::remove(partial.c_str());
    CannotWrite(path, error);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.ico INPUT.xpm...\n", kProgram);
    return kUsageError;
  }
  std::vector<XpmImage> images;
  for (int i = 2; i < argc; ++i) {
    const std::optional<std::string> text = ReadFile(argv[i]);
    if (!text) {
      return kFailure;
    }
    auto parsed = ParseXpm(*text);
    if (const auto* error = std::get_if<XpmError>(&parsed)) {
      std::fprintf(stderr, "%s: %s: %s\n", kProgram, argv[i], error->message.c_str());
      return kFailure;
    }
    images.push_back(std::get<XpmImage>(std::move(parsed)));
  }
  return WriteFile(argv[1], WriteIco(images)) ? kSuccess : kFailure;
}
