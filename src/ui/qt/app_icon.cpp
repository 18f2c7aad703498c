#include "ui/qt/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QSvgRenderer>

namespace {

// The sizes a display above scale 1 asks for: 16 and 32 at 1.5, 32 at 2, 16
// and 32 at 3 (16 at 2 is the hand-drawn 32-pixel picture).
constexpr int kDrawnSizes[] = {24, 48, 64, 96};

QPixmap Rendered(QSvgRenderer& picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  picture.render(&painter);
  return pixmap;
}

}  // namespace

QIcon AppIcon() {
  // The pictures sit in a resource file compiled into a static library, so
  // they are registered by hand before the first use.
  Q_INIT_RESOURCE(pastura);
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/pastura-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/pastura-16.png"), QSize(16, 16));
  QSvgRenderer picture(QStringLiteral(":/icons/pastura.svg"));
  for (const int size : kDrawnSizes) {
    icon.addPixmap(Rendered(picture, size));
  }
  return icon;
}
