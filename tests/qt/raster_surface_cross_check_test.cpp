// The pixel surface at scale 1 against the Qt image surface: the same shape
// streams must give the same pixels and the same changed areas.

#include <QRect>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

#include "dialog_units.h"
#include "image_draw_context.h"
#include "raster_surface.h"
#include "tee_draw_context.h"
#include "world.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

QRect ToQRect(const DeviceRect& rect) {
  return rect.IsEmpty()
             ? QRect()
             : QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

class RasterSurfaceCrossCheckTest : public QObject {
  Q_OBJECT

 private:
  std::mt19937 random;
  std::unique_ptr<ImageDrawContext> image;
  std::unique_ptr<RasterSurface> raster;

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  // Mostly on or near the surface; now and then anywhere in 32 bits.
  std::int32_t Edge(int low, int high) {
    switch (Between(0, 9)) {
      case 0:
        return Between(0, 1) == 0 ? kMin : kMax;
      case 1:
        return std::uniform_int_distribution<std::int32_t>(kMin, kMax)(random);
      default:
        return Between(low, high);
    }
  }

  // edge + size, held at the end of 32 bits.
  static std::int32_t Beyond(std::int32_t edge, int size) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{edge} + size, kMax));
  }

  Box RandomBox() {
    const std::int32_t left = Edge(-40, 700);
    const std::int32_t top = Edge(-40, 480);
    if (Between(0, 3) == 0) {
      return {left, top, Edge(-40, 700), Edge(-40, 480)};  // any size, either way round
    }
    return {left, top, Beyond(left, Between(0, 60)), Beyond(top, Between(0, 60))};
  }

  // Where the two surfaces differ, or an empty string.
  QString FirstDifference() {
    const QImage& picture = image->Image();
    if (picture.width() != raster->Width() || picture.height() != raster->Height()) {
      return "sizes differ";
    }
    for (int y = 0; y < picture.height(); ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        if (row[x] != raster->At(x, y)) {
          return QString("pixel %1, %2: Qt %3, raster %4")
              .arg(x)
              .arg(y)
              .arg(row[x], 8, 16)
              .arg(raster->At(x, y), 8, 16);
        }
      }
    }
    return {};
  }

 private slots:
  void init() {
    random.seed(20261208);
    image = std::make_unique<ImageDrawContext>(
        QSize(dialog_units::kClientWidth, dialog_units::kClientHeight),
        QColor::fromRgb(kSurfaceBackground));
    raster = std::make_unique<RasterSurface>(dialog_units::kClientWidth,
                                             dialog_units::kClientHeight, 1.0);
  }

  void randomShapeStreamsDrawTheSamePixels() {
    TeeDrawContext both(*image, *raster);
    for (int stream = 0; stream < 40; ++stream) {
      for (int shape = 0; shape < 150; ++shape) {
        if (Between(0, 4) == 0) {
          const auto channel = [this] { return static_cast<std::uint8_t>(Between(0, 255)); };
          both.SelectPen(Between(1, 20), {channel(), channel(), channel()});
        }
        const Box box = RandomBox();
        Between(0, 1) == 0 ? both.Rectangle(box) : both.Ellipse(box);
        const QRect changed = image->TakeChangedRect();
        QCOMPARE(ToQRect(raster->TakeChangedRect()), changed);
      }
      const QString difference = FirstDifference();
      QVERIFY2(difference.isEmpty(),
               qPrintable(QString("stream %1: %2").arg(stream).arg(difference)));
    }
  }

  void fullBoardsDrawTheSamePixels() {
    TeeDrawContext both(*image, *raster);
    CWorld world(2026);
    for (int i = 0; i < kTableCapacity; ++i) {
      world.AddPlant(Between(0, 22), Between(0, 22));
      world.plants[i].growth = Between(20, 130);
      world.AddHerbivore(Between(0, 22), Between(0, 22), Between(0, 5));
      world.herbivores[i].energy = Between(1, 100);
      world.AddCarnivore(Between(0, 22), Between(0, 22), Between(0, 5));
      world.carnivores[i].energy = Between(1, 100);
    }
    world.RedrawAll(both);
    QCOMPARE(ToQRect(raster->TakeChangedRect()), image->TakeChangedRect());
    QCOMPARE(FirstDifference(), QString());
  }
};

QTEST_GUILESS_MAIN(RasterSurfaceCrossCheckTest)
#include "raster_surface_cross_check_test.moc"
