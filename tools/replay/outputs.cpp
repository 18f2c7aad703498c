#include "replay/outputs.h"

#include "replay/chart_file.h"
#include "replay/counts_output.h"
#ifdef PASTURA_GIF
#include "replay/gif_output.h"
#endif
#include "replay/output_file.h"
#include "replay/png_file.h"
#include "replay/stop_signal.h"

namespace {

template <class Kind>
std::unique_ptr<RunOutput> Open(const std::string& path, OutputSources& sources) {
  return std::make_unique<Kind>(path, sources);
}

#ifndef PASTURA_GIF
// Debian has no giflib for mingw-w64, the Windows player's compiler.
std::unique_ptr<RunOutput> RefuseGif(const std::string& /*path*/, OutputSources& /*sources*/) {
  throw Refusal{
      "--gif is not available in this build of the player; make the GIF with the Linux one",
      kUsageError};
}
#endif

// --counts comes last: with "-" it writes its heading to standard output as
// it opens, and so only once every other output could be opened.
constexpr OutputKind kKinds[] = {
    {"--png", &Options::pngFile, false, Open<PngFile>},
    {"--frames", &Options::framesDir, false, FramesFolder::Open},
#ifdef PASTURA_GIF
    {"--gif", &Options::gifFile, false, Open<GifOutput>},
#else
    {"--gif", &Options::gifFile, false, RefuseGif},
#endif
    {"--chart", &Options::chartFile, false, Open<ChartFile>},
    {"--counts", &Options::countsFile, true, Open<CountsOutput>},
};

}  // namespace

const std::span<const OutputKind> kOutputKinds = kKinds;

Outputs::Outputs(const Options& options, const PlayerStreams& streams, const CWorld& world)
    : text_(streams.output), sources_(options, text_, world) {
  if (streams.outputClosed) {
    text_.MarkClosed();
  }
  for (const OutputKind& kind : kOutputKinds) {
    if (const std::optional<std::string>& path = options.*kind.path) {
      outputs_.push_back(kind.open(*path, sources_));
    }
  }
  PngOutput* picture = sources_.PictureIfMade();
  if (options.draw && picture != nullptr) {
    board_ = &both_.emplace(shapes_, picture->Surface());
  } else if (options.draw) {
    board_ = &shapes_;
  } else if (picture != nullptr) {
    board_ = &picture->Surface();
  }
}

void Outputs::AfterTick(std::int64_t tick, const CWorld& world) {
  for (const std::unique_ptr<RunOutput>& output : outputs_) {
    output->AfterTick(tick, world);
  }
  CheckText();
}

void Outputs::CheckText() const {
  if (text_.failure()) {
    throw Refusal{"cannot write standard output: " + *text_.failure()};
  }
}

void Outputs::Commit() {
  text_.Flush();
  CheckText();
  for (const std::unique_ptr<RunOutput>& output : outputs_) {
    output->Finish();
  }
  // Every output is complete: from here on a stop signal comes too late.
  HoldStopSignals();
  for (const std::unique_ptr<RunOutput>& output : outputs_) {
    output->Publish();
  }
}
