// PNG output through the desktop program's own drawing surface.

#include <QBuffer>
#include <QByteArray>

#include "dialog_units.h"
#include "image_draw_context.h"
#include "png_output.h"

namespace {

class ImagePngOutput : public PngOutput {
 public:
  ImagePngOutput() : surface_(QSize(dialog_units::kClientWidth, dialog_units::kClientHeight)) {}

  DrawContext& Surface() override { return surface_; }
  void Clear() override { surface_.Clear(); }

  std::optional<std::string> Encode() override {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!surface_.Image().save(&buffer, "PNG")) {
      return std::nullopt;
    }
    return png.toStdString();
  }

 private:
  ImageDrawContext surface_;
};

}  // namespace

std::unique_ptr<PngOutput> MakePngOutput() {
  return std::make_unique<ImagePngOutput>();
}
