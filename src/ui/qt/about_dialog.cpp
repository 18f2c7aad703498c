#include "ui/qt/about_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/dialog_layout.h"
#include "pastura_version.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/dialog_rect.h"
#include "ui/qt/fixed_size_box.h"
#include "ui/qt/latin1.h"

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent, kFixedSizeBoxFlags) {
  setWindowTitle(Latin1(dialog_layout::kAboutBoxCaption));
  setFixedSize(
      DialogRect({0, 0, dialog_layout::kAboutBoxSize.width, dialog_layout::kAboutBoxSize.height})
          .size());
  AdvertiseFixedSize(*this);

  // An icon control keeps the template's position but takes its icon's size,
  // as the dialog manager sizes one: 20 x 20 units would cut a 32-pixel icon.
  // The picture is taken at the window's pixel ratio, so it stays sharp.
  const QPixmap picture = AppIcon().pixmap(QSize(32, 32), devicePixelRatioF());
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
  icon->setPixmap(picture);
  icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  icon->setGeometry(QRect(DialogRect(dialog_layout::kAboutIconRect).topLeft(),
                          picture.deviceIndependentSize().toSize()));

  auto* name = new QLabel(QStringLiteral(PASTURA_ABOUT_VERSION), this);
  name->setGeometry(DialogRect(dialog_layout::kAboutNameRect));
  auto* about = new QLabel(Latin1(dialog_layout::kAboutLine.text), this);
  about->setGeometry(DialogRect(dialog_layout::kAboutLine.rect));

  auto* ok = new QPushButton(Latin1(dialog_layout::kAboutOk.text), this);
  ok->setObjectName(Latin1(dialog_layout::kAboutOk.name));
  ok->setGeometry(DialogRect(dialog_layout::kAboutOk.rect));
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
