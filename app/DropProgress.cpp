#include "app/DropProgress.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMoveEvent>
#include <QToolButton>
#include <algorithm>

#include "platform/EventPump.h"
#include "platform/Language.h"

namespace tallowmere::app {

namespace {

// A drop reports every file; setting a label's text costs more than reading
// a small file, so the text follows at most this often.
constexpr std::chrono::milliseconds kTextEvery{50};

// Colours of their own, not the palette's: the strip must read the same over
// the list in a light or a dark theme. White on #263238 is 13:1; white on the
// stop mark's reds is 6.6:1 (#B71C1C), 5.6:1 (#C62828), 9:1 (#8E1515).
constexpr const char* kStripStyle =
    "#dropProgressStrip { background: #263238; border: none; }"
    "#dropProgressStrip QLabel { color: #FFFFFF; background: transparent; padding: 0 4px; }"
    "#dropProgressStrip QToolButton { color: #FFFFFF; background: #B71C1C; border: none; padding: 0 7px; }"
    "#dropProgressStrip QToolButton:hover { background: #C62828; }"
    "#dropProgressStrip QToolButton:pressed { background: #8E1515; }";

constexpr const char* kContext = "DropProgress";

QString Tr(const char* text) { return QCoreApplication::translate(kContext, text); }

QString FilesText(std::size_t count) {
  return platform::CountText(kContext, "%1 file", QT_TRANSLATE_N_NOOP("DropProgress", "%1 files"), count,
                             GroupedCount(count));
}

}  // namespace

QString GroupedCount(std::size_t count) {
  QString digits = QString::number(count);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
  return digits;
}

QString DropProgressText(const input::DropState& state) {
  QString text;
  switch (state.phase) {
    case input::DropPhase::kCollectingFolders:
      text = Tr(QT_TRANSLATE_NOOP("DropProgress", "Collecting folders: %1")).arg(GroupedCount(state.folders));
      break;
    case input::DropPhase::kCollectingFiles:
      text = Tr(QT_TRANSLATE_NOOP("DropProgress", "Collecting files: %1")).arg(GroupedCount(state.filesFound));
      break;
    case input::DropPhase::kReadingFiles:
      text = Tr(QT_TRANSLATE_NOOP("DropProgress", "Reading files: %1 of %2"))
                 .arg(GroupedCount(state.filesRead), GroupedCount(state.filesFound));
      break;
    case input::DropPhase::kReadingText:
      text = Tr(QT_TRANSLATE_NOOP("DropProgress", "Reading the text: %1%"))
                 .arg(state.textSize ? state.textRead * 100 / state.textSize : 0);
      break;
  }
  return Tr(QT_TRANSLATE_NOOP("DropProgress", "%1 — Esc to stop")).arg(text);
}

namespace {

// "after 5 of 12 files", or "part-way through file 5 of 12" when the stop came
// inside the file.
QString WhereReadingStopped(const input::DropState& state) {
  if (state.fileCut)
    return Tr(QT_TRANSLATE_NOOP("DropProgress", "part-way through file %1 of %2"))
        .arg(GroupedCount(state.filesRead), GroupedCount(state.filesFound));
  return Tr(QT_TRANSLATE_NOOP("DropProgress", "after %1 of %2"))
      .arg(GroupedCount(state.filesRead), FilesText(state.filesFound));
}

}  // namespace

QString LoadStoppedNotice(const input::DropState& state) {
  return Tr(QT_TRANSLATE_NOOP("DropProgress", "Loading was stopped %1.")).arg(WhereReadingStopped(state));
}

QString DropStoppedNotice(const input::DropState& state) {
  if (state.phase == input::DropPhase::kReadingFiles)
    return Tr(QT_TRANSLATE_NOOP("DropProgress", "The drop was stopped %1.")).arg(WhereReadingStopped(state));
  const QString read =
      state.filesRead == 0
          ? Tr(QT_TRANSLATE_NOOP("DropProgress", "no files were read"))
          : platform::CountText(kContext, "%1 file was read", QT_TRANSLATE_N_NOOP("DropProgress", "%1 files were read"),
                                state.filesRead, GroupedCount(state.filesRead));
  if (state.phase == input::DropPhase::kCollectingFolders)
    return Tr(QT_TRANSLATE_NOOP("DropProgress", "The drop was stopped while collecting folders; %1.")).arg(read);
  return Tr(QT_TRANSLATE_NOOP("DropProgress", "The drop was stopped while collecting files; %1.")).arg(read);
}

// ---------------------------------------------------------------------------

// A child of the rows' viewport: a drag over the strip, which takes no drops,
// goes on to the viewport, where the window takes drops. Clicks on the strip
// stay with it, or they would select (or remove) the row underneath.
DropProgressStrip::DropProgressStrip(QAbstractScrollArea* list) : QFrame(list->viewport()), list_(list) {
  setObjectName(QStringLiteral("dropProgressStrip"));
  setAttribute(Qt::WA_StyledBackground, true);
  setAttribute(Qt::WA_NoMousePropagation, true);
  setStyleSheet(QString::fromLatin1(kStripStyle));
  setFocusPolicy(Qt::NoFocus);

  text_ = new QLabel(this);
  text_->setFocusPolicy(Qt::NoFocus);
  stop_ = new QToolButton(this);
  stop_->setText(QStringLiteral("\u00D7"));
  stop_->setToolTip(tr("Stop the drop (Esc)"));
  stop_->setAccessibleName(tr("Stop the drop"));
  stop_->setFocusPolicy(Qt::NoFocus);
  stop_->setAutoRaise(false);
  connect(stop_, &QToolButton::clicked, this, &DropProgressStrip::stopClicked);

  // A style sheet stops the list's font from reaching the strip's controls.
  for (QWidget* part : {static_cast<QWidget*>(text_), static_cast<QWidget*>(stop_)}) part->setFont(list->font());

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(text_, 1);
  row->addWidget(stop_, 0);
  hide();
}

QString DropProgressStrip::Text() const { return text_->text(); }

void DropProgressStrip::SetText(const QString& text) {
  if (text_->text() != text) text_->setText(text);
}

void DropProgressStrip::Place() {
  // The rows may have gained a scroll bar since the strip was last placed.
  const QRect rows = list_->viewport()->rect();
  const int height = std::min(sizeHint().height(), rows.height());
  const QRect place(rows.left(), rows.bottom() + 1 - height, rows.width(), height);
  if (geometry() != place) setGeometry(place);
}

void DropProgressStrip::moveEvent(QMoveEvent* event) {
  QFrame::moveEvent(event);
  // Scrolling the rows carries the viewport's children along: back to the edge.
  if (!isHidden()) Place();
}

// ---------------------------------------------------------------------------

DropProgress::DropProgress(QAbstractScrollArea* list, QWidget* window)
    : QObject(window), window_(window), strip_(new DropProgressStrip(list)), clock_([] { return Clock::now(); }) {
  connect(strip_, &DropProgressStrip::stopClicked, this, [this] { StopInnermost(); });
}

DropProgress::~DropProgress() {
  if (!drops_.empty()) qApp->removeEventFilter(this);
}

DropProgress::Drop::Drop(DropProgress& owner) : owner_(owner), started_(owner.clock_()) {
  // Esc is watched only while a drop runs: at other times it is the window's.
  if (owner_.drops_.empty()) qApp->installEventFilter(&owner_);
  owner_.drops_.push_back(this);
  owner_.Refresh(true);
}

DropProgress::Drop::~Drop() { End(); }

void DropProgress::Drop::End() {
  if (ended_) return;
  ended_ = true;
  owner_.Forget(this);
}

core::LetEventsRun DropProgress::Drop::EventPump() {
  std::function<void()> pump = owner_.makePump_ ? owner_.makePump_() : platform::MakeEventPump();
  // The strip changes before the events run, so it is painted in the same run.
  return [this, pump = std::move(pump)] {
    owner_.Refresh(false);
    pump();
  };
}

std::function<void(const input::DropState&)> DropProgress::Drop::Progress() {
  return [this](const input::DropState& state) {
    state_ = state;
    owner_.Refresh(false);
  };
}

std::function<bool()> DropProgress::Drop::ShouldStop() {
  return [this] { return stopAsked_; };
}

void DropProgress::Forget(Drop* drop) {
  drops_.erase(std::remove(drops_.begin(), drops_.end(), drop), drops_.end());
  if (drops_.empty()) qApp->removeEventFilter(this);
  Refresh(true);
}

void DropProgress::StopInnermost() {
  if (!drops_.empty()) drops_.back()->stopAsked_ = true;
}

void DropProgress::Refresh(bool now) {
  if (drops_.empty()) {
    strip_->hide();
    return;
  }
  // Shown once the outermost drop has run for long enough; a drop inside it
  // then shows at once, in its place.
  const Clock::time_point at = clock_();
  if (at - drops_.front()->started_ <= kShowAfter) {
    if (!strip_->isHidden()) strip_->hide();
    return;
  }
  if (!now && !strip_->isHidden() && at - textShown_ < kTextEvery) return;
  textShown_ = at;
  strip_->SetText(DropProgressText(drops_.back()->state_));
  strip_->Place();
  if (strip_->isHidden()) {
    strip_->show();
    strip_->raise();
  }
}

bool DropProgress::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (key->key() != Qt::Key_Escape || !widget || widget->window() != window_->window() || drops_.empty()) return false;
  if (type == QEvent::ShortcutOverride) {
    // Claimed as a plain key, so no shortcut of the window takes it first.
    event->accept();
    return true;
  }
  // Held down, Esc repeats: one press stops one drop, not the ones around it.
  if (!key->isAutoRepeat()) StopInnermost();
  return true;
}

}  // namespace tallowmere::app
