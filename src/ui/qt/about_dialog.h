// CAboutDialog: the About box. The icon, the program's name and version, one
// line on what it is, and a default "OK" button; it closes on "OK", Esc or
// its close box. Run modally over the main dialog, centred over it.
#pragma once

#include <QDialog>

class CAboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent);
};
