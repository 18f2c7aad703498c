#include "about_dialog.h"

#include <QLabel>
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

  auto* icon = new QLabel(this);
  icon->setPixmap(AppIcon().pixmap(32, 32));
  icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  icon->setGeometry(DialogRect(11, 17, 20, 20));

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
