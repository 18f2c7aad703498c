// pastura-render-icons: writes the application icon into a hicolor icon
// theme folder, as PNG at every size a Linux desktop asks for. The 16 and 32
// pixel images are the hand-drawn 16-colour ones; the larger sizes are drawn
// from the scalable icon.
//
// usage: pastura-render-icons SMALL.xpm LARGE.xpm SCALABLE.svg NAME OUTDIR

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& outDir, const QString& name) {
  const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(image.width());
  const QString path = QStringLiteral("%1/%2.png").arg(folder, name);
  if (!QDir().mkpath(folder) || !image.save(path, "PNG")) {
    std::fprintf(stderr, "pastura-render-icons: cannot write '%s'\n", qPrintable(path));
    return false;
  }
  return true;
}

QImage Load(const QString& path) {
  QImage image(path);
  if (image.isNull()) {
    std::fprintf(stderr, "pastura-render-icons: cannot read '%s'\n", qPrintable(path));
  }
  return image;
}

QImage Render(QSvgRenderer& svg, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.render(&painter);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr,
                 "usage: pastura-render-icons SMALL.xpm LARGE.xpm SCALABLE.svg NAME OUTDIR\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QString name = QString::fromLocal8Bit(argv[4]);
  const QString outDir = QString::fromLocal8Bit(argv[5]);
  const QImage small = Load(QString::fromLocal8Bit(argv[1]));
  const QImage large = Load(QString::fromLocal8Bit(argv[2]));
  QSvgRenderer svg(QString::fromLocal8Bit(argv[3]));
  if (small.isNull() || large.isNull() || !svg.isValid()) {
    return 1;
  }
  const bool written = Save(small, outDir, name) && Save(large, outDir, name) &&
                       Save(Render(svg, 48), outDir, name) && Save(Render(svg, 128), outDir, name);
  return written ? 0 : 1;
}
