// The GIF is written with giflib's low-level calls: a logical screen the
// size of the board's area without a global colour table, the looping
// application extension, then per frame a graphic control extension (the
// delay, the transparent index, drawn over the frame before) and an image
// with its own colour table, its unchanged pixels transparent.
#include "replay/gif_output.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include "app/timers.h"
#include "replay/player.h"

namespace {

constexpr int kDelay = kStepPeriodMs / 10;  // in the GIF's hundredths of a second

int Write(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* sink = static_cast<GifSink*>(gif->UserData);
  const std::size_t written = std::fwrite(bytes, 1, static_cast<std::size_t>(length), sink->stream);
  if (written != static_cast<std::size_t>(length) && sink->error == 0) {
    sink->error = errno;
  }
  return static_cast<int>(written);
}

}  // namespace

GifOutput::GifOutput(const std::string& path, OutputSources& sources)
    : file_(OutputFile::Create(path)),
      surface_(sources.Picture().Raster()),
      area_(sources.Picture().Board()) {
  const int width = area_.right - area_.left;
  const int height = area_.bottom - area_.top;
  shown_.resize(static_cast<std::size_t>(width) * height);
  indices_.resize(shown_.size());
  sink_.stream = file_->Stream();
  int error = 0;
  gif_.reset(EGifOpen(&sink_, Write, &error));
  if (!gif_) {
    Refuse(error);
  }
  static const GifByteType kLooping[] = {1, 0, 0};  // sub-block 1: loop for ever
  EGifSetGifVersion(gif_.get(), true);
  if (EGifPutScreenDesc(gif_.get(), width, height, 8, 0, nullptr) == GIF_ERROR ||
      EGifPutExtensionLeader(gif_.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_.get(), 11, "NETSCAPE2.0") == GIF_ERROR ||
      EGifPutExtensionBlock(gif_.get(), sizeof kLooping, kLooping) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif_.get()) == GIF_ERROR) {
    Refuse(gif_->Error);
  }
}

void GifOutput::AfterTick(std::int64_t tick, const CWorld& /*world*/) {
  PutFrame(tick);
}

void GifOutput::Finish() {
  if (frames_ == 0) {
    PutFrame(0);
  }
  int error = 0;
  if (EGifCloseFile(gif_.release(), &error) == GIF_ERROR) {
    Refuse(error);
  }
  file_->Finish();
}

void GifOutput::PutFrame(std::int64_t tick) {
  const std::int32_t width = area_.right - area_.left;
  const auto row = [&](std::int32_t y) {
    return &surface_
                .Pixels()[static_cast<std::size_t>(area_.top + y) * surface_.Width() + area_.left];
  };
  const auto shownRow = [&](std::int32_t y) {
    return &shown_[static_cast<std::size_t>(y) * width];
  };
  // The box around the pixels that differ from the frames so far: all of
  // them at first, since shown_ starts with no colour any pixel has.
  DeviceRect box{width, area_.bottom - area_.top, 0, 0};
  for (std::int32_t y = 0; y < area_.bottom - area_.top; ++y) {
    const std::uint32_t* now = row(y);
    const std::uint32_t* before = shownRow(y);
    const auto left =
        static_cast<std::int32_t>(std::mismatch(now, now + width, before).first - now);
    if (left == width) {
      continue;
    }
    std::int32_t right = width;
    while (now[right - 1] == before[right - 1]) {
      --right;
    }
    box = {std::min(box.left, left), std::min(box.top, y), std::max(box.right, right), y + 1};
  }
  if (box.IsEmpty()) {
    box = {0, 0, 1, 1};  // one transparent pixel, so that the frame still lasts its time
  }
  palette_.Reset();
  GifPixelType* index = indices_.data();
  for (std::int32_t y = box.top; y < box.bottom; ++y) {
    const std::uint32_t* now = row(y);
    std::uint32_t* before = shownRow(y);
    for (std::int32_t x = box.left; x < box.right; ++x) {
      const int colour = now[x] == before[x] ? GifPalette::kTransparent : palette_.IndexOf(now[x]);
      if (colour < 0) {
        file_->Refuse("the board after tick " + std::to_string(tick) + " has more than " +
                      std::to_string(GifPalette::kMostColours) +
                      " colours, more than a GIF frame holds");
      }
      *index++ = static_cast<GifPixelType>(colour);
      before[x] = now[x];
    }
  }
  GraphicsControlBlock control{DISPOSE_DO_NOT, false, kDelay, GifPalette::kTransparent};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  ColorMapObject map = palette_.Map();
  const std::int32_t boxWidth = box.right - box.left;
  if (EGifPutExtension(gif_.get(), GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif_.get(), box.left, box.top, boxWidth, box.bottom - box.top, false,
                       &map) == GIF_ERROR ||
      EGifPutLine(gif_.get(), indices_.data(), boxWidth * (box.bottom - box.top)) == GIF_ERROR) {
    Refuse(gif_->Error);
  }
  ++frames_;
}

void GifOutput::Refuse(int error) const {
  file_->Refuse(sink_.error != 0 ? std::strerror(sink_.error) : GifErrorString(error));
}
