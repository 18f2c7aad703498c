#include "replay/frame_writer.h"

#include <cstdio>

#include "replay/output_file.h"

FrameWriter::FrameWriter(PngOutput& picture, std::string directory)
    : picture_(picture), directory_(std::move(directory)) {}

std::string FrameWriter::FrameName(std::int64_t tick) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(tick));
  return name;
}

bool FrameWriter::AfterTick(std::int64_t tick, const CWorld&) {
  const std::string path = directory_ + "/" + FrameName(tick);
  const std::optional<std::string> png = picture_.Encode();
  const std::optional<std::string> reason =
      png ? WriteWholeFile(path, *png) : "cannot encode the picture";
  if (reason) {
    error_ = "cannot write '" + path + "': " + *reason;
    return false;
  }
  return true;
}
