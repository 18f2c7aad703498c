#include "about_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app_icon.h"
#include "dialog_rect.h"
#include "dialog_units.h"
#include "pastura_version.h"

CAboutDialog::CAboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(QStringLiteral("About Pastura"));
  setFixedSize(dialog_units::ToPixelsX(235), dialog_units::ToPixelsY(55));

  // An icon control keeps the template's position but takes its icon's size,
  // as the dialog manager sizes one: 20 x 20 units would cut a 32-pixel icon.
  const QPixmap picture = AppIcon().pixmap(32, 32);
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
  icon->setPixmap(picture);
  icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  icon->setGeometry(
      QRect(DialogRect(11, 17, 20, 20).topLeft(), picture.deviceIndependentSize().toSize()));

  auto* name = new QLabel(QStringLiteral(PASTURA_ABOUT_VERSION), this);
  name->setGeometry(DialogRect(40, 10, 119, 8));
  auto* about = new QLabel(QStringLiteral("A toy ecosystem simulation"), this);
  about->setGeometry(DialogRect(40, 25, 119, 8));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("IDOK"));
  ok->setGeometry(DialogRect(178, 7, 50, 14));
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
