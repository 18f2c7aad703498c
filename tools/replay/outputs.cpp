#include "replay/outputs.h"

#include <variant>

#include "replay/kinds.h"
#include "replay/quote.h"

namespace {

std::string CannotWrite(const std::string& path) {
  return "cannot write " + Quoted(path) + ": ";
}

void Check(const std::optional<std::string>& reason, const std::string& path) {
  if (reason) {
    throw Refusal{CannotWrite(path) + *reason};
  }
}

std::unique_ptr<OutputFile> Created(const std::string& path) {
  auto created = OutputFile::Create(path);
  if (const auto* reason = std::get_if<std::string>(&created)) {
    Check(*reason, path);
  }
  return std::move(std::get<std::unique_ptr<OutputFile>>(created));
}

}  // namespace

Outputs::Outputs(const Options& options, const PlayerStreams& streams)
    : options_(options), text_(streams.output) {
  if (streams.outputClosed) {
    text_.MarkClosed();
  }
  if (options_.pngFile) {
    pngFile_ = Created(*options_.pngFile);
  }
  if (options_.countsFile == "-") {
    counts_ = &text_;
  } else if (options_.countsFile) {
    countsFile_ = Created(*options_.countsFile);
    counts_ = &countsStream_.emplace(countsFile_->Stream());
  }
  if (options_.framesDir) {
    frames_ = FramesFolder::Open(*options_.framesDir, options_.overwrite);
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
    framesFailure_ = frames_->Write(tick, picture_->Encode());
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

void Outputs::Commit() {
  text_.Flush();
  if (countsStream_) {
    countsStream_->Flush();
  }
  if (auto failure = Failure()) {
    throw Refusal{std::move(*failure)};
  }
  if (countsFile_) {
    Check(countsFile_->Finish(), *options_.countsFile);
  }
  if (pngFile_) {
    const std::optional<std::string> png = picture_->Encode();
    Check(png ? pngFile_->Write(*png) : "cannot encode the picture", *options_.pngFile);
    Check(pngFile_->Finish(), *options_.pngFile);
  }
  // Every output is complete: from here on a stop signal comes too late.
  HoldStopSignals();
  for (const auto& [file, path] : {std::pair{countsFile_.get(), options_.countsFile},
                                   std::pair{pngFile_.get(), options_.pngFile}}) {
    if (file != nullptr) {
      Check(file->Publish(), *path);
    }
  }
  if (frames_) {
    frames_->Publish();
  }
}
