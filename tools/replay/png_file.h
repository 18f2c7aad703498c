// PngFile: --png, the picture when the script has finished, as one PNG file.
#pragma once

#include <memory>
#include <string>

#include "replay/output_file.h"
#include "replay/run_output.h"

class PngFile : public RunOutput {
 public:
  PngFile(const std::string& path, OutputSources& sources)
      : file_(OutputFile::Create(path)),
        picture_(sources.Picture()),
        area_(sources.PictureArea()) {}

  void Finish() override;
  void Publish() override { file_->Publish(); }

 private:
  std::unique_ptr<OutputFile> file_;
  PngOutput& picture_;
  DeviceRect area_;
};
