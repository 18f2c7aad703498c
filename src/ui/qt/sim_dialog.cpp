#include "sim_dialog.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <algorithm>

#include "about_dialog.h"
#include "app_icon.h"
#include "dialog_rect.h"
#include "dialog_units.h"
#include "help_text.h"
#include "resource.h"
#include "timers.h"

namespace {

// The caption is sized for the template's font. In a wider desktop font it
// keeps its right edge and grows to the left, no further than `leftmost`
// (clear of the list box); if the text still does not fit, its font shrinks.
void FitText(QLabel* label, QRect rect, int leftmost) {
  QFont font = label->font();
  const auto textWidth = [&] { return QFontMetrics(font).horizontalAdvance(label->text()) + 1; };
  rect.setLeft(std::max(leftmost, std::min(rect.left(), rect.right() + 1 - textWidth())));
  while (textWidth() > rect.width() && font.pointSizeF() > 6.0) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  label->setFont(font);
  label->setGeometry(rect);
}

constexpr char kAboutEntryText[] = "&About Pastura...";  // A is its mnemonic

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CSimDialog::CSimDialog(CWorld& world, Schedule& schedule, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      world_(world),
      schedule_(schedule),
      surface_(QSize(dialog_units::kClientWidth, dialog_units::kClientHeight)) {
  // The controls sit on the board's own background, whatever the desktop's
  // palette.
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(kSurfaceBackground));
  setPalette(background);
  setWindowTitle(QStringLiteral("Pastura"));
  setWindowIcon(AppIcon());
  setFixedSize(dialog_units::kClientWidth, dialog_units::kClientHeight);
  CreateControls();

  contextMenu_ = new QMenu(this);
  QAction* about = contextMenu_->addAction(QString::fromLatin1(kAboutEntryText));
  about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
  about->setData(IDM_ABOUTBOX);
  connect(about, &QAction::triggered, this, &CSimDialog::OnAbout);

  auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QWidget* focus = focusWidget() != nullptr ? focusWidget() : this;
    ShowContextMenu(focus->mapToGlobal(focus->rect().center()));
  });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &CSimDialog::OnHelp);
}

CSimDialog::~CSimDialog() = default;

// The controls in tab order, placed from the template's dialog units.
void CSimDialog::CreateControls() {
  QPushButton* plant =
      AddButton(IDC_PLANT, "IDC_PLANT", "Plant", 384, 7, 50, 14, &CSimDialog::OnPlant);
  AddButton(IDC_HERBIVORE, "IDC_HERBIVORE", "Herbivore", 384, 20, 50, 14, &CSimDialog::OnHerbivore);
  AddButton(IDC_CARNIVORE, "IDC_CARNIVORE", "Carnivore", 384, 34, 50, 14, &CSimDialog::OnCarnivore);
  AddButton(IDC_PAINT, "IDC_PAINT", "Paint", 384, 254, 50, 14, &CSimDialog::OnPaintGrid);
  AddButton(IDC_MOVE, "IDC_MOVE", "Move", 381, 56, 53, 24, &CSimDialog::OnMove);
  AddButton(IDC_REDRAW, "IDC_REDRAW", "ReDraw", 384, 239, 50, 15, &CSimDialog::OnRedraw);
  AddButton(IDC_STOP, "IDC_STOP", "Stop", 381, 83, 53, 22, &CSimDialog::OnStop);
  AddButton(IDC_START, "IDC_START", "Start", 381, 112, 53, 24, &CSimDialog::OnStart);

  iterations_ = new QLabel(QStringLiteral("0"), this);
  iterations_->setObjectName(QStringLiteral("IDC_ITERATIONS"));
  iterations_->setProperty("controlId", IDC_ITERATIONS);
  iterations_->setGeometry(DialogRect(415, 223, 19, 10));
  auto* caption = new QLabel(QStringLiteral("iterations"), this);
  caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
  FitText(caption, DialogRect(380, 223, 31, 12), DialogRect(319, 7, 57, 261).right() + 4);

  // The report list shows its lines in the order given, unsorted.
  reportModel_ = new QStringListModel(this);
  report_ = new QListView(this);
  report_->setObjectName(QStringLiteral("IDC_REPORT"));
  report_->setProperty("controlId", IDC_REPORT);
  report_->setGeometry(DialogRect(319, 7, 57, 261));
  report_->setModel(reportModel_);
  report_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  report_->setUniformItemSizes(true);
  report_->setFocusPolicy(Qt::StrongFocus);

  setTabOrder(findChild<QPushButton*>(QStringLiteral("IDC_START")), report_);
  plant->setFocus();
}

QPushButton* CSimDialog::AddButton(int id, const char* name, const char* text, int x, int y,
                                   int width, int height, void (CSimDialog::*handler)()) {
  auto* button = new QPushButton(QString::fromLatin1(text), this);
  button->setObjectName(QString::fromLatin1(name));
  button->setProperty("controlId", id);
  button->setGeometry(DialogRect(x, y, width, height));
  button->setFocusPolicy(Qt::StrongFocus);
  // No button is the default, not even the focused one: Enter is handled by
  // the dialog.
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, handler);
  return button;
}

void CSimDialog::OnPlant() {
  world_.SpawnPlant(surface_);
  ShowDrawing();
}

void CSimDialog::OnHerbivore() {
  world_.SpawnHerbivore(surface_);
  ShowDrawing();
}

void CSimDialog::OnCarnivore() {
  world_.SpawnCarnivore(surface_);
  ShowDrawing();
}

// "Paint", "ReDraw" and every tick draw the whole board: each first clears
// the surface, so nothing drawn beyond the grid outlives them.
void CSimDialog::OnPaintGrid() {
  surface_.Clear();
  world_.DrawGrid(surface_);
  ShowDrawing();
}

void CSimDialog::OnMove() {
  stepTimer_.start(kStepPeriodMs, Qt::PreciseTimer, this);
}

void CSimDialog::OnRedraw() {
  surface_.Clear();
  world_.RedrawAll(surface_);
  ShowDrawing();
}

void CSimDialog::OnStop() {
  stepTimer_.stop();
}

// "Start" steps the world exactly as "Move" does.
void CSimDialog::OnStart() {
  OnMove();
}

void CSimDialog::OnAbout() {
  CAboutDialog about(this);
  about.exec();
}

void CSimDialog::OnHelp() {
  QMessageBox help(QMessageBox::Information, QString::fromLatin1(kHelpTitle),
                   QString::fromLatin1(kHelpText), QMessageBox::Ok, this);
  help.exec();
}

void CSimDialog::OnShowWindow(bool) {
  startupTimer_.start(kStartupPeriodMs, Qt::PreciseTimer, this);
}

void CSimDialog::OnTimer(int) {
  surface_.Clear();
  Tick(world_, schedule_, *this);
  ShowReport();
  ShowDrawing();
}

void CSimDialog::ClearReport() {
  reportLines_.clear();
}

void CSimDialog::AppendReport(std::string_view text) {
  reportLines_.append(Latin1(text));
}

void CSimDialog::SetIterationText(std::string_view text) {
  iterations_->setText(Latin1(text));
}

void CSimDialog::CancelStartupTimer() {
  startupTimer_.stop();
}

DrawContext& CSimDialog::GetDrawContext() {
  return surface_;
}

const QImage& CSimDialog::Surface() {
  return surface_.Image();
}

void CSimDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), surface_.Image(), event->rect());
}

// Only the dialog's own showing and hiding count, not the window system's
// minimising and restoring it.
void CSimDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    OnShowWindow(true);
  }
}

void CSimDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) {
    OnShowWindow(false);
  }
}

void CSimDialog::timerEvent(QTimerEvent* event) {
  if (event->timerId() == startupTimer_.timerId()) {
    OnTimer(TIMER_STARTUP);
  } else if (event->timerId() == stepTimer_.timerId()) {
    OnTimer(TIMER_STEP);
  } else {
    QDialog::timerEvent(event);
  }
}

// Enter presses the focused button; with no button focused it closes the
// dialog as "OK" would.
void CSimDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      button->click();
    } else {
      accept();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void CSimDialog::contextMenuEvent(QContextMenuEvent* event) {
  ShowContextMenu(event->globalPos());
}

void CSimDialog::ShowContextMenu(const QPoint& globalPos) {
  contextMenu_->popup(globalPos);
}

void CSimDialog::ShowReport() {
  reportModel_->setStringList(reportLines_);
}

void CSimDialog::ShowDrawing() {
  const QRect changed = surface_.TakeChangedRect();
  if (!changed.isEmpty()) {
    update(changed);
  }
}
