// The application object as the desktop sees it: the desktop entry it
// belongs to, the window class that entry expects, and the version it and
// its About box show.

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include "ui/qt/about_dialog.h"
#include "ui/qt/sim_app.h"

namespace {

// The value of `key` in the desktop entry's main group, or a null string.
QString DesktopEntryValue(const QString& key) {
  QFile file(QStringLiteral(PASTURA_DESKTOP_FILE));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return {};
  }
  const QString prefix = key + QLatin1Char('=');
  bool inMainGroup = false;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inMainGroup = line == QLatin1String("[Desktop Entry]");
    } else if (inMainGroup && line.startsWith(prefix)) {
      return line.mid(prefix.size());
    }
  }
  return {};
}

}  // namespace

class SimAppTest : public QObject {
  Q_OBJECT

 private slots:
  void desktopFileNameIsTheDesktopEntrys() {
    QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
             QFileInfo(QStringLiteral(PASTURA_DESKTOP_FILE)).fileName());
  }

  // Under X11, Qt gives every window the application's name as its class.
  void desktopEntryExpectsTheWindowClass() {
    QCOMPARE(DesktopEntryValue(QStringLiteral("StartupWMClass")),
             QCoreApplication::applicationName());
  }

  void versionIsTheProjectVersion() {
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(PASTURA_PROJECT_VERSION));
  }

  void aboutBoxShowsTheMajorAndMinorVersion() {
    CAboutDialog about(nullptr);
    const QString expected =
        QStringLiteral("Pastura Version ") +
        QStringLiteral(PASTURA_PROJECT_VERSION).section(QLatin1Char('.'), 0, 1);
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
      texts << label->text();
    }
    QVERIFY2(texts.contains(expected), qPrintable(texts.join(QLatin1String(" | "))));
  }
};

int main(int argc, char** argv) {
  CSimApp app(argc, argv);
  SimAppTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "sim_app_test.moc"
