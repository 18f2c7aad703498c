#include "ui/qt/startup_failure.h"

#include <cstdio>
#include <cstdlib>

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    previousHandler(type, context, message);
    return;
  }
  // The first sentence says what failed; Qt's warnings before it say why.
  const QString firstLine = message.section(QLatin1Char('\n'), 0, 0);
  const qsizetype sentenceEnd = firstLine.indexOf(QLatin1String(". "));
  const QByteArray sentence =
      (sentenceEnd < 0 ? firstLine : firstLine.left(sentenceEnd + 1)).toLocal8Bit();
  std::fprintf(stderr, "pastura: cannot start: %s\n", sentence.constData());
  std::_Exit(1);
}

}  // namespace

StartupFailureGuard::StartupFailureGuard() {
  previousHandler = qInstallMessageHandler(OnMessage);
}

StartupFailureGuard::~StartupFailureGuard() {
  qInstallMessageHandler(previousHandler);
}
