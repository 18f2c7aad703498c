// Outputs: every output of one run, as one transaction. Made, it has each
// destination ready before the first tick; the session then writes the
// report blocks or shapes to standard output as it goes, and the counts and
// frames after every tick, the files under temporary names; Commit finishes
// every output, writes the picture, flushes every stream written in place,
// and only when all of that succeeded renames the files into place, together.
// Dropped without a Commit (a failure, a stop by signal), they leave every
// older file as it was and no temporary file.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "render/null_draw_context.h"
#include "render/tee_draw_context.h"
#include "replay/options.h"
#include "replay/output.h"
#include "replay/output_file.h"
#include "replay/player.h"
#include "replay/png_output.h"
#include "replay/text_draw_context.h"
#include "sim/world.h"

class Outputs {
 public:
  // On failure throws the Refusal.
  Outputs(const Options& options, const PlayerStreams& streams);

  // The report blocks, `state` and the shapes.
  Output& Text() { return text_; }
  // Where the session draws: the shapes, the picture, both or neither.
  DrawContext& Board() { return *board_; }
  PngOutput* Picture() { return picture_.get(); }

  // Writes the counts row and the frame of the tick that just ended; false
  // once any output has failed, which ends the session.
  bool AfterTick(std::int64_t tick, const CWorld& world);

  // On failure throws the Refusal.
  void Commit();

 private:
  std::optional<std::string> Failure() const;

  const Options& options_;
  Output text_;
  TextDrawContext shapes_{text_};
  NullDrawContext nothing_;
  std::optional<TeeDrawContext> both_;
  DrawContext* board_ = &nothing_;
  std::unique_ptr<PngOutput> picture_;
  std::unique_ptr<OutputFile> countsFile_;
  std::optional<Output> countsStream_;  // the counts file's stream
  Output* counts_ = nullptr;            // that stream, or standard output's
  std::unique_ptr<OutputFile> pngFile_;
  std::unique_ptr<FramesFolder> frames_;
  std::optional<std::string> framesFailure_;
};
