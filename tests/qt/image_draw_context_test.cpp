// The board's drawing surface, checked on its pixels.

#include <QSet>
#include <QTest>
#include <cstdint>
#include <limits>

#include "colour_scale.h"
#include "dialog_units.h"
#include "image_draw_context.h"
#include "world.h"

namespace {

constexpr QRgb kBackground = kSurfaceBackground;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QRgb Opaque(PenColour colour) {
  return qRgb(colour.red, colour.green, colour.blue);
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

}  // namespace

class ImageDrawContextTest : public QObject {
  Q_OBJECT

 private:
  CWorld world;
  std::unique_ptr<ImageDrawContext> surface;

  QRgb At(int x, int y) { return surface->Image().pixel(x, y); }

 private slots:
  void init() {
    world = CWorld();
    surface = std::make_unique<ImageDrawContext>(
        QSize(dialog_units::kClientWidth, dialog_units::kClientHeight));
  }

  void startsInItsBackgroundAtTheClientAreaSize() {
    QCOMPARE(surface->Image().size(), QSize(662, 447));
    QCOMPARE(At(0, 0), kBackground);
    QCOMPARE(At(661, 446), kBackground);
    QVERIFY(surface->TakeChangedRect().isEmpty());
  }

  void gridOutlinesLieOnEachCellsFirstAndLastPixels() {
    world.DrawGrid(*surface);
    for (int row : {0, 10, 419}) {
      QCOMPARE(At(0, row), kBlack);    // board's left edge, 1 pixel
      QCOMPARE(At(19, row), kBlack);   // cell 1's last column ...
      QCOMPARE(At(20, row), kBlack);   // ... beside cell 2's first: a 2-pixel line
      QCOMPARE(At(419, row), kBlack);  // board's right edge
      QCOMPARE(At(420, row), kBackground);
    }
    QCOMPARE(At(10, 0), kBlack);
    QCOMPARE(At(10, 419), kBlack);
    QCOMPARE(At(10, 420), kBackground);
    for (int x = 1; x <= 18; ++x) {
      QCOMPARE(At(x, 10), kWhite);
    }
    QCOMPARE(surface->TakeChangedRect(), QRect(0, 0, 420, 420));
    QVERIFY(surface->TakeChangedRect().isEmpty());
  }

  // A herbivore at full energy heading right at (1, 1): the 5-pixel body
  // outline reaches 2 pixels outside the cell, the bar is a solid band.
  void animalOutlineReachesTwoPixelsOutAndTheBandIsSolid() {
    world.PlaceHerbivore(*surface, 1, 1, kHeadingRight, kHerbivoreKind);
    const QRgb blue = Opaque(colour_scale::ToPenColour(world.herbivoreColour));
    QCOMPARE(blue, qRgb(0, 0, 255));
    const int middle = 10;
    QCOMPARE(At(0, middle), blue);
    QCOMPARE(At(2, middle), blue);
    QCOMPARE(At(3, middle), kWhite);
    QCOMPARE(At(12, middle), kWhite);
    for (int x = 13; x <= 21; ++x) {
      QCOMPARE(At(x, middle), blue);  // band and right outline, 2 beyond the cell
    }
    QCOMPARE(At(22, middle), kBackground);
    QCOMPARE(At(middle, 2), blue);
    QCOMPARE(At(middle, 3), kWhite);
    QCOMPARE(At(middle, 16), kWhite);
    QCOMPARE(At(middle, 17), blue);
    QCOMPARE(At(middle, 21), blue);
    QCOMPARE(At(middle, 22), kBackground);
  }

  // The first "Plant" of a run lands on (2, 8): a solid disc about 24 pixels
  // across, centred on the cell's centre (30, 150).
  void plantIsASolidDiscCentredOnItsCell() {
    world.DrawGrid(*surface);
    world.SpawnPlant(*surface);
    QCOMPARE(world.plants[0].x, 2);
    QCOMPARE(world.plants[0].y, 8);
    const QRgb green = Opaque(colour_scale::ToPenColour(world.plantColour));
    QCOMPARE(At(30, 150), green);
    for (const bool across : {true, false}) {
      int first = 0;
      int last = -100;
      for (int d = -20; d <= 20; ++d) {
        const QRgb pixel = across ? At(30 + d, 150) : At(30, 150 + d);
        if (pixel == green) {
          first = last < -20 ? d : first;
          last = d;
        }
      }
      const int span = last - first + 1;
      QCOMPARE(span, 24);
      QCOMPARE(first + last, -1);  // columns 18..41 and rows 138..161: centred on the cell
    }
  }

  void drawsOnlyPureColoursWithoutAntialiasing() {
    world.RedrawAll(*surface);
    world.PlacePlant(*surface, 5, 5);
    world.PlaceHerbivore(*surface, 7, 3, kHeadingUp, kHerbivoreKind);
    world.PlaceCarnivore(*surface, 9, 9, kHeadingLeft, kCarnivoreKind);
    world.PlaceCarnivore(*surface, 21, 21, kHeadingDown, kCarnivoreKind);
    world.RedrawAll(*surface);
    const QSet<QRgb> allowed = {kBackground,
                                kWhite,
                                kBlack,
                                Opaque(colour_scale::ToPenColour(world.plantColour)),
                                Opaque(colour_scale::ToPenColour(world.herbivoreColour)),
                                Opaque(colour_scale::ToPenColour(world.carnivoreColour))};
    const QImage& image = surface->Image();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (!allowed.contains(image.pixel(x, y))) {
          QFAIL(qPrintable(
              QString("pixel %1, %2 is %3").arg(x).arg(y).arg(image.pixel(x, y), 0, 16)));
        }
      }
    }
  }

  void clearReturnsTheWholeSurfaceToItsBackground() {
    world.PlaceCarnivore(*surface, 21, 21, kHeadingDown, kCarnivoreKind);
    world.PlacePlant(*surface, 30, 2);  // off the board
    const QRect drawn = surface->TakeChangedRect();
    surface->Clear();
    QCOMPARE(surface->TakeChangedRect(), drawn);  // the window repaints all it showed
    surface->Clear();
    QVERIFY(surface->TakeChangedRect().isEmpty());
    QImage blank(662, 447, QImage::Format_ARGB32_Premultiplied);
    blank.fill(kBackground);
    QCOMPARE(surface->Image(), blank);
  }

  void shapesFarOffTheSurfaceAreSkipped() {
    surface->SelectPen(18, {255, 0, 0});
    surface->Rectangle({kMin, kMin, kMin + 20, kMin + 20});
    surface->Ellipse({kMax - 6, kMax - 6, kMax, kMax});
    surface->Rectangle({-30, 10, -12, 30});  // outline ends 3 pixels short of column 0
    surface->Rectangle({662 + 11, 0, 700, 20});
    QVERIFY(surface->TakeChangedRect().isEmpty());
    QCOMPARE(surface->Image(), [] {
      QImage blank(662, 447, QImage::Format_ARGB32_Premultiplied);
      blank.fill(kBackground);
      return blank;
    }());
  }

  void hugeShapesAcrossTheSurfaceDrawOnlyTheirVisiblePart() {
    surface->SelectPen(5, {255, 0, 0});
    surface->Rectangle({kMin, kMin, kMax, kMax});
    QCOMPARE(At(0, 0), kWhite);
    QCOMPARE(At(661, 446), kWhite);
    surface->Rectangle({kMin, 100, 10, kMax});  // only its right outline shows
    QCOMPARE(At(9, 200), qRgb(255, 0, 0));
    QCOMPARE(At(7, 200), qRgb(255, 0, 0));
    QCOMPARE(At(6, 200), kWhite);
    QCOMPARE(At(9, 98), qRgb(255, 0, 0));
    QCOMPARE(At(9, 97), kWhite);
    surface->Ellipse({kMin, kMin, kMax, kMax});
    QCOMPARE(surface->TakeChangedRect(), QRect(0, 0, 662, 447));
  }
};

QTEST_GUILESS_MAIN(ImageDrawContextTest)
#include "image_draw_context_test.moc"
