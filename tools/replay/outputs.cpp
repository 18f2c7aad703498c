#include "replay/outputs.h"

#include <variant>

#include "replay/kinds.h"
#include "replay/quote.h"

namespace {

template <typename Made>
std::optional<std::string> Take(std::variant<std::unique_ptr<Made>, std::string> made,
                                std::unique_ptr<Made>& into, const std::string& prefix) {
  if (auto* reason = std::get_if<std::string>(&made)) {
    return prefix + *reason;
  }
  into = std::move(std::get<std::unique_ptr<Made>>(made));
  return std::nullopt;
}

std::string CannotWrite(const std::string& path) {
  return "cannot write " + Quoted(path) + ": ";
}

}  // namespace

Outputs::Outputs(const Options& options, const PlayerStreams& streams)
    : options_(options), text_(streams.output) {
  if (streams.outputClosed) {
    text_.MarkClosed();
  }
}

std::optional<std::string> Outputs::Open() {
  std::optional<std::string> failure;
  if (options_.pngFile) {
    failure = Take(OutputFile::Create(*options_.pngFile), pngFile_, CannotWrite(*options_.pngFile));
  }
  if (!failure && options_.countsFile && *options_.countsFile != "-") {
    failure = Take(OutputFile::Create(*options_.countsFile), countsFile_,
                   CannotWrite(*options_.countsFile));
  }
  if (!failure && options_.framesDir) {
    failure = Take(FramesFolder::Open(*options_.framesDir, options_.overwrite), frames_, "");
  }
  if (failure) {
    return failure;
  }
  if (countsFile_) {
    counts_ = &countsStream_.emplace(countsFile_->Stream());
  } else if (options_.countsFile) {
    counts_ = &text_;
  }
  if (options_.pngFile || options_.framesDir) {
    picture_ = std::make_unique<PngOutput>(options_.scale);
  }
  if (options_.draw && picture_) {
    board_ = &both_.emplace(shapes_, picture_->Surface());
  } else if (options_.draw) {
    board_ = &shapes_;
  } else if (picture_) {
    board_ = &picture_->Surface();
  }
  if (counts_ != nullptr) {
    *counts_ << "tick";
    for (const ReplayKind& kind : kReplayKinds) {
      *counts_ << ',' << kind.name << 's';
    }
    counts_->EndLine();
  }
  return std::nullopt;
}

bool Outputs::AfterTick(std::int64_t tick, const CWorld& world) {
  if (counts_ != nullptr) {
    *counts_ << tick;
    for (const ReplayKind& kind : kReplayKinds) {
      *counts_ << ',' << world.*kind.count;
    }
    counts_->EndLine();
  }
  if (frames_) {
    const std::optional<std::string> png = picture_->Encode();
    framesFailure_ = png ? frames_->Write(tick, *png)
                         : CannotWrite(*options_.framesDir + "/" + FramesFolder::FrameName(tick)) +
                               "cannot encode the picture";
  }
  return !Failure();
}

std::optional<std::string> Outputs::Failure() const {
  if (text_.failure()) {
    return "cannot write standard output: " + *text_.failure();
  }
  if (countsStream_ && countsStream_->failure()) {
    return CannotWrite(*options_.countsFile) + *countsStream_->failure();
  }
  return framesFailure_;
}

std::optional<std::string> Outputs::Commit() {
  text_.Flush();
  if (countsStream_) {
    countsStream_->Flush();
  }
  if (auto failure = Failure()) {
    return failure;
  }
  if (countsFile_) {
    if (auto reason = countsFile_->Finish()) {
      return CannotWrite(*options_.countsFile) + *reason;
    }
  }
  if (pngFile_) {
    const std::optional<std::string> png = picture_->Encode();
    std::optional<std::string> reason = png ? pngFile_->Write(*png) : "cannot encode the picture";
    if (!reason) {
      reason = pngFile_->Finish();
    }
    if (reason) {
      return CannotWrite(*options_.pngFile) + *reason;
    }
  }
  // Every output is complete: from here on a stop signal comes too late.
  HoldStopSignals();
  for (const auto& [file, path] : {std::pair{countsFile_.get(), options_.countsFile},
                                   std::pair{pngFile_.get(), options_.pngFile}}) {
    if (file != nullptr) {
      if (auto reason = file->Publish()) {
        return CannotWrite(*path) + *reason;
      }
    }
  }
  if (frames_) {
    return frames_->Publish();
  }
  return std::nullopt;
}
