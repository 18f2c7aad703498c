// Outputs: every output of one run, as one transaction. Made, it has each
// destination ready before the first tick; the session then writes the
// report blocks or shapes to standard output as it goes, and every output
// what each tick adds, the files under temporary names; Commit finishes
// every output, flushes every stream written in place, and only when all of
// that succeeded puts the files in place, together. Dropped without a Commit
// (a failure, a stop by signal), they leave every older file as it was and
// no temporary file. Every step refuses by throwing the Refusal.
//
// OutputKind: one entry of kOutputKinds, the list of every output the
// player can write besides standard output's text: its option, the path it
// takes, and how it is opened. An output is one RunOutput class and one entry.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/null_draw_context.h"
#include "render/tee_draw_context.h"
#include "replay/options.h"
#include "replay/output.h"
#include "replay/player.h"
#include "replay/run_output.h"
#include "replay/text_draw_context.h"
#include "sim/world.h"

struct OutputKind {
  std::string_view option;
  std::optional<std::string> Options::*path;
  bool dashIsStandardOutput;  // "-" is standard output, not a file
  std::unique_ptr<RunOutput> (*open)(const std::string& path, OutputSources& sources);
};

// In the order the outputs are opened, written and put in place.
extern const std::span<const OutputKind> kOutputKinds;

class Outputs {
 public:
  Outputs(const Options& options, const PlayerStreams& streams, const CWorld& world);

  // The report blocks, `state` and the shapes.
  Output& Text() { return text_; }
  // Where the session draws: the shapes, the picture, both or neither.
  DrawContext& Board() { return *board_; }
  PngOutput* Picture() { return sources_.PictureIfMade(); }

  // Writes what the tick that just ended adds to every output.
  void AfterTick(std::int64_t tick, const CWorld& world);
  void Commit();

 private:
  // Refuses once standard output has failed.
  void CheckText() const;

  Output text_;
  OutputSources sources_;
  TextDrawContext shapes_{text_};
  NullDrawContext nothing_;
  std::optional<TeeDrawContext> both_;
  DrawContext* board_ = &nothing_;
  std::vector<std::unique_ptr<RunOutput>> outputs_;
};
