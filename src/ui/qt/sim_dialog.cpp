#include "ui/qt/sim_dialog.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <QWindow>
#include <algorithm>

#include "app/dialog_layout.h"
#include "app/dialog_units.h"
#include "resource.h"
#include "ui/common/help_text.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/dialog_rect.h"
#include "ui/qt/fixed_size_box.h"
#include "ui/qt/latin1.h"
#include "ui/qt/populations_window.h"
#include "ui/qt/shown_surface.h"

namespace {

using dialog_layout::Control;
using dialog_layout::ControlKind;

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

void Identify(QWidget* widget, const Control& control) {
  widget->setObjectName(Latin1(control.name));
  widget->setProperty("controlId", control.id);
  widget->setGeometry(DialogRect(control.rect));
}

}  // namespace

CSimDialog::CSimDialog(CWorld& world, Schedule& schedule, std::uint32_t seed, QWidget* parent)
    : QDialog(parent, kFixedSizeBoxFlags),
      session_(seed),
      controller_(world, schedule, *this),
      board_(dialog_units::kClientWidth, dialog_units::kClientHeight, devicePixelRatioF()) {
  // The controls sit on the board's own background, whatever the desktop's
  // palette.
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(kSurfaceBackground));
  setPalette(background);
  setWindowTitle(Latin1(dialog_layout::kMainDialogCaption));
  setWindowIcon(AppIcon());
  setFixedSize(dialog_units::kClientWidth, dialog_units::kClientHeight);
  AdvertiseFixedSize(*this);
  CreateControls();

  contextMenu_ = new QMenu(this);
  QAction* about = contextMenu_->addAction(Latin1(dialog_layout::kAboutEntryText));
  about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
  about->setData(IDM_ABOUTBOX);
  connect(about, &QAction::triggered, this, &CSimDialog::OnAbout);
  populations_ = new CPopulationsWindow(controller_, this);
  populationsEntry_ = AddEntry(dialog_layout::kPopulationsEntryText, "IDM_CHART", IDM_CHART,
                               dialog_layout::kPopulationsKey);
  populationsEntry_->setCheckable(true);
  connect(populationsEntry_, &QAction::triggered, this, &CSimDialog::OnPopulations);
  QAction* step =
      AddEntry(dialog_layout::kStepEntryText, "IDM_STEP", IDM_STEP, dialog_layout::kStepKey);
  connect(step, &QAction::triggered, this, [this] { controller_.OnStep(); });
  QAction* copySession = contextMenu_->addAction(Latin1(dialog_layout::kCopySessionEntryText));
  copySession->setObjectName(QStringLiteral("copySession"));
  connect(copySession, &QAction::triggered, this, &CSimDialog::OnCopySession);
  controller_.RecordTo(session_);

  auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QWidget* focus = focusWidget() != nullptr ? focusWidget() : this;
    ShowContextMenu(focus->mapToGlobal(focus->rect().center()));
  });
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &CSimDialog::OnHelp);
}

CSimDialog::~CSimDialog() = default;

// The controls in the layout's order, which is the tab order.
void CSimDialog::CreateControls() {
  const QRect list = DialogRect(dialog_layout::FindControl(IDC_REPORT)->rect);
  for (const Control& control : dialog_layout::kMainDialogControls) {
    switch (control.kind) {
      case ControlKind::kPushButton: {
        auto* button = new QPushButton(Latin1(control.text), this);
        Identify(button, control);
        button->setFocusPolicy(Qt::StrongFocus);
        // No button is the default, not even the focused one: Enter is
        // handled by the dialog.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, id = control.id] { controller_.OnCommand(id); });
        break;
      }
      case ControlKind::kLabel:
        if (control.id == IDC_ITERATIONS) {
          iterations_ = new QLabel(Latin1(control.text), this);
          Identify(iterations_, control);
        } else {
          auto* caption = new QLabel(Latin1(control.text), this);
          caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
          FitText(caption, DialogRect(control.rect), list.right() + 4);
        }
        break;
      case ControlKind::kListBox:
        // The report list shows its lines in the order given, unsorted.
        reportModel_ = new QStringListModel(this);
        report_ = new QListView(this);
        Identify(report_, control);
        report_->setModel(reportModel_);
        // A plain one-pixel box, as the list box's border: the style's
        // sunken panel loses its lines at fractional display scales.
        report_->setFrameStyle(QFrame::Box | QFrame::Plain);
        report_->setLineWidth(1);
        report_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        report_->setUniformItemSizes(true);
        report_->setFocusPolicy(Qt::StrongFocus);
        break;
      case ControlKind::kDefaultButton:
      case ControlKind::kIcon:
        break;
    }
  }
  findChild<QWidget*>(QStringLiteral("IDC_PLANT"))->setFocus();
}

QAction* CSimDialog::AddEntry(std::string_view text, const char* name, int id, char key) {
  QAction* entry = contextMenu_->addAction(Latin1(text));
  entry->setObjectName(QLatin1String(name));
  entry->setData(id);
  entry->setShortcut(QKeySequence(QString(QLatin1Char(key))));
  entry->setShortcutContext(Qt::ApplicationShortcut);
  addAction(entry);  // so that its key works while the menu is closed
  return entry;
}

void CSimDialog::OnPopulations() {
  if (populations_->isVisible()) {
    populations_->hide();
  } else {
    if (!populations_->testAttribute(Qt::WA_Moved)) {
      populations_->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    populations_->show();
  }
  populationsEntry_->setChecked(populations_->isVisible());
}

void CSimDialog::OnAbout() {
  CAboutDialog about(this);
  about.exec();
}

void CSimDialog::OnHelp() {
  QMessageBox help(QMessageBox::Information, Latin1(kHelpTitle), Latin1(kHelpText), QMessageBox::Ok,
                   this, kFixedSizeBoxFlags);
  AdvertiseFixedSize(help);
  help.exec();
}

void CSimDialog::OnCopySession() {
  QGuiApplication::clipboard()->setText(Latin1(session_.Text()));
}

QBasicTimer* CSimDialog::TimerById(int id) {
  switch (id) {
    case TIMER_STARTUP:
      return &startupTimer_;
    case TIMER_STEP:
      return &stepTimer_;
    default:
      return nullptr;
  }
}

void CSimDialog::StartTimer(int id, int periodMs) {
  if (QBasicTimer* timer = TimerById(id)) {
    timer->start(periodMs, Qt::PreciseTimer, this);
  }
}

void CSimDialog::StopTimer(int id) {
  if (QBasicTimer* timer = TimerById(id)) {
    timer->stop();
  }
}

void CSimDialog::ShowReport(std::span<const std::string> lines) {
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) {
    shown.append(Latin1(line));
  }
  reportModel_->setStringList(shown);
}

void CSimDialog::SetIterationText(std::string_view text) {
  iterations_->setText(Latin1(text));
}

DrawContext& CSimDialog::Board() {
  return board_.Board();
}

void CSimDialog::EraseBoard() {
  board_.Erase();
}

// The changed device pixels, taken out to whole window pixels.
void CSimDialog::ShowBoard() {
  const DeviceRect changed = board_.Surface().TakeChangedRect();
  if (changed.IsEmpty()) {
    return;
  }
  update(SurfaceRect(board_.Surface(), changed));
}

void CSimDialog::ShowPopulations() {
  populations_->Refresh();
}

void CSimDialog::FollowPixelRatio() {
  if (devicePixelRatioF() == board_.Scale()) {
    return;
  }
  board_.SetScale(devicePixelRatioF());
  update();
}

// The surface's buffer, wrapped without a copy; the painter is clipped to the
// part to repaint, so only that is copied to the window.
void CSimDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), SurfaceImage(board_.Surface()));
}

// Only the dialog's own showing and hiding count, not the window system's
// minimising and restoring it.
void CSimDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  connect(windowHandle(), &QWindow::screenChanged, this, &CSimDialog::FollowPixelRatio,
          Qt::UniqueConnection);
  FollowPixelRatio();
  if (!event->spontaneous()) {
    controller_.OnShowWindow(true);
  }
}

void CSimDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) {
    populations_->hide();  // the companion goes with the dialog
    controller_.OnShowWindow(false);
  }
}

void CSimDialog::timerEvent(QTimerEvent* event) {
  if (event->timerId() == startupTimer_.timerId()) {
    controller_.OnTimer(TIMER_STARTUP);
  } else if (event->timerId() == stepTimer_.timerId()) {
    controller_.OnTimer(TIMER_STEP);
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
  populationsEntry_->setChecked(populations_->isVisible());
  contextMenu_->popup(globalPos);
}
