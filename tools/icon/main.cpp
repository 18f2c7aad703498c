// xpm-to-ico: builds the application icon file from its XPM sources, one
// image per source, in the order given.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ico_writer.h"
#include "xpm_image.h"

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

// Writes beside the target and renames, so a failed run leaves no partial icon.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string partial = path + ".tmp";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "%s: cannot write '%s'\n", kProgram, partial.c_str());
      std::remove(partial.c_str());
      return false;
    }
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot write '%s': %s\n", kProgram, path.c_str(),
                 std::strerror(errno));
    std::remove(partial.c_str());
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
