#include "frame_writer.h"

#include <cstdio>

FrameWriter::FrameWriter(PngOutput& picture, std::string directory)
    : picture_(picture), directory_(std::move(directory)) {}

bool FrameWriter::AfterTick(std::int64_t tick, const CWorld&) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(tick));
  const std::string path = directory_ + "/" + name;
  if (const auto reason = picture_.Write(path)) {
    error_ = "cannot write '" + path + "': " + *reason;
    return false;
  }
  return true;
}
