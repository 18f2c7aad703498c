#include "app_icon.h"

#include <QSize>

QIcon AppIcon() {
  // The pictures sit in a resource file compiled into a static library, so
  // they are registered by hand before the first use.
  Q_INIT_RESOURCE(pastura);
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/pastura-32.xpm"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/icons/pastura-16.xpm"), QSize(16, 16));
  return icon;
}
