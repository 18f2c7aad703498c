// RunOutput: one output of a run (--counts, --png, --frames, ...), as the
// run's transaction drives it. Made before the first tick, it is ready to be
// written; AfterTick writes what a tick adds; Finish completes it, a file
// still under its temporary name; Publish puts it in place, once every
// output has finished. Each step refuses by throwing the Refusal, with the
// one-line message naming the destination. Dropped without a Publish (a
// failure, a stop by signal), it leaves nothing of its own behind.
//
// OutputSources: what the outputs are made from: the run's options, the
// text of standard output, the world the session plays on, and the picture of the board, which is
// made for the first output that asks for it and drawn on by the whole session.
#pragma once

#include <cstdint>
#include <memory>

#include "replay/options.h"
#include "replay/output.h"
#include "replay/png_output.h"
#include "sim/world.h"

class RunOutput {
 public:
  RunOutput() = default;
  RunOutput(const RunOutput&) = delete;
  RunOutput& operator=(const RunOutput&) = delete;
  virtual ~RunOutput() = default;

  virtual void AfterTick(std::int64_t /*tick*/, const CWorld& /*world*/) {}
  virtual void Finish() {}
  virtual void Publish() {}
};

class OutputSources {
 public:
  OutputSources(const Options& runOptions, Output& standardOutput, const CWorld& playedWorld)
      : options(runOptions), text(standardOutput), world(playedWorld) {}

  PngOutput& Picture() {
    if (!picture_) {
      picture_ = std::make_unique<PngOutput>(options.scale);
    }
    return *picture_;
  }
  // The area of it that --png and --frames show.
  DeviceRect PictureArea() { return options.board ? Picture().Board() : Picture().Whole(); }
  // None while no output has asked for it.
  PngOutput* PictureIfMade() const { return picture_.get(); }

  const Options& options;
  Output& text;
  const CWorld& world;

 private:
  std::unique_ptr<PngOutput> picture_;
};
