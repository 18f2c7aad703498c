// GifOutput: --gif, the board after every tick as an animated GIF that
// loops, a frame every 200 ms as the step timer steps. Each frame holds the
// picture's exact colours in a colour table of its own; after the first, a
// frame covers only the box around the pixels that changed, the unchanged
// ones in it transparent. A script without ticks gives one frame, the
// picture at its end. The GIF is encoded by giflib into the output file as
// the run goes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "replay/gif_palette.h"
#include "replay/output_file.h"
#include "replay/run_output.h"

// Where giflib writes: the output file's stream, and errno of the first
// write that failed.
struct GifSink {
  std::FILE* stream = nullptr;
  int error = 0;
};

class GifOutput : public RunOutput {
 public:
  GifOutput(const std::string& path, OutputSources& sources);

  void AfterTick(std::int64_t tick, const CWorld& world) override;
  void Finish() override;
  void Publish() override { file_->Publish(); }

 private:
  // The pixels of the area that differ from the frames so far, as the frame
  // of the board after `tick`.
  void PutFrame(std::int64_t tick);
  // Refuses for giflib's `error`, or for the write that failed under it.
  [[noreturn]] void Refuse(int error) const;

  std::unique_ptr<OutputFile> file_;
  const RasterSurface& surface_;
  DeviceRect area_;
  struct Closer {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
  };

  GifSink sink_;
  std::unique_ptr<GifFileType, Closer> gif_;  // closed before the file
  std::vector<std::uint32_t> shown_;          // the area as the frames so far show it
  std::vector<GifPixelType> indices_;
  GifPalette palette_;
  std::int64_t frames_ = 0;
};
