#include "replay/png_file.h"

void PngFile::Finish() {
  const std::optional<std::string> png = picture_.Encode(area_);
  if (!png) {
    file_->Refuse("cannot encode the picture");
  }
  file_->Write(*png);
  file_->Finish();
}
