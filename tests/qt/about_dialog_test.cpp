// The About box, checked on its controls.

#include <QLabel>
#include <QTest>

#include "ui/qt/about_dialog.h"

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The icon control sits where the template puts it and takes the icon's
  // own 32 x 32 pixels, so no column or row of the icon is cut off.
  void iconControlTakesTheIconsSize() {
    CAboutDialog about(nullptr);
    const auto* icon = about.findChild<QLabel*>(QStringLiteral("IDR_MAINFRAME"));
    QVERIFY(icon != nullptr);
    QCOMPARE(icon->geometry(), QRect(17, 28, 32, 32));
    QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
  }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
