// PNG output through the desktop program's own drawing surface.

#include <QBuffer>
#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "dialog_units.h"
#include "image_draw_context.h"
#include "png_output.h"

namespace {

class ImagePngOutput : public PngOutput {
 public:
  ImagePngOutput() : surface_(QSize(dialog_units::kClientWidth, dialog_units::kClientHeight)) {}

  DrawContext& Surface() override { return surface_; }
  void Clear() override { surface_.Clear(); }

  // The picture is encoded in memory first, so that a file that cannot be
  // written is reported with the system's reason.
  std::optional<std::string> Write(const std::string& path) override {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!surface_.Image().save(&buffer, "PNG")) {
      return "cannot encode the picture";
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
      return std::strerror(errno);
    }
    const std::size_t size = static_cast<std::size_t>(png.size());
    if (std::fwrite(png.constData(), 1, size, file) != size) {
      const std::string reason = std::strerror(errno);
      std::fclose(file);
      return reason;
    }
    if (std::fclose(file) != 0) {
      return std::strerror(errno);
    }
    return std::nullopt;
  }

 private:
  ImageDrawContext surface_;
};

}  // namespace

std::unique_ptr<PngOutput> MakePngOutput() {
  return std::make_unique<ImagePngOutput>();
}
