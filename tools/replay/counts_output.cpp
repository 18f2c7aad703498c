#include "replay/counts_output.h"

#include "app/kinds.h"

CountsOutput::CountsOutput(const std::string& path, OutputSources& sources)
    : counts_(&sources.text) {
  if (path != "-") {
    file_ = OutputFile::Create(path);
    counts_ = &stream_.emplace(file_->Stream());
  }
  *counts_ << "tick";
  for (const ReplayKind& kind : kReplayKinds) {
    *counts_ << ',' << kind.name << 's';
  }
  counts_->EndLine();
}

void CountsOutput::AfterTick(std::int64_t tick, const CWorld& world) {
  *counts_ << tick;
  for (const ReplayKind& kind : kReplayKinds) {
    *counts_ << ',' << world.*kind.count;
  }
  counts_->EndLine();
  Check();
}

void CountsOutput::Finish() {
  if (file_) {
    stream_->Flush();
    Check();
    file_->Finish();
  }
}

void CountsOutput::Publish() {
  if (file_) {
    file_->Publish();
  }
}

void CountsOutput::Check() const {
  if (stream_ && stream_->failure()) {
    file_->Refuse(*stream_->failure());
  }
}
