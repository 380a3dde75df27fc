#include "app/HelpWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ManualText.h"

namespace tallowmere::app {

namespace {

QString ManualDocument() {
  return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>%1</body></html>")
      .arg(ManualHtml(QStringLiteral("qrc") + QLatin1String(kManualImageResources)));
}

QUrl ManualAddress() { return QUrl(QStringLiteral("%1:index").arg(QLatin1String(kManualScheme))); }

QPointer<HelpWindow>& ManualInstance() {
  static QPointer<HelpWindow> window;
  return window;
}

}  // namespace

ManualBrowser::ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenExternalLinks(false);
  setOpenLinks(true);
}

QVariant ManualBrowser::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String(kManualScheme)) return ManualDocument();
  if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("qrc")) {
    QFile file(QLatin1Char(':') + name.path());
    if (file.open(QIODevice::ReadOnly)) return file.readAll();
  }
  return {};
}

void ManualBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  // Links inside the manual keep its scheme; anything else leads outside.
  if (name.scheme() != QLatin1String(kManualScheme)) return;
  QTextBrowser::doSetSource(name, type);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new ManualBrowser(this)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Tallowmere Manual"));
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QWidget(this);
  BuildToolBar(*bar);
  layout->addWidget(bar);
  layout->addWidget(browser_, 1);
  browser_->setObjectName(QStringLiteral("ManualText"));
  browser_->setSource(ManualAddress(), QTextDocument::HtmlResource);
  AddKeys();
  QSize size(760, 680);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
}

void HelpWindow::BuildToolBar(QWidget& bar) {
  auto* row = new QHBoxLayout(&bar);
  row->setContentsMargins(0, 0, 0, 0);
  back_ = new QToolButton(&bar);
  back_->setText(tr("Back"));
  back_->setIcon(QIcon::fromTheme(QStringLiteral("go-previous")));
  back_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_->setEnabled(false);
  forward_ = new QToolButton(&bar);
  forward_->setText(tr("Forward"));
  forward_->setIcon(QIcon::fromTheme(QStringLiteral("go-next")));
  forward_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  forward_->setEnabled(false);
  auto* contents = new QToolButton(&bar);
  contents->setText(tr("Contents"));
  contents->setIcon(QIcon::fromTheme(QStringLiteral("go-home")));
  contents->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents, &QToolButton::clicked, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  search_ = new QLineEdit(&bar);
  search_->setObjectName(QStringLiteral("ManualSearch"));
  search_->setPlaceholderText(tr("Find in the manual"));
  search_->setAccessibleName(tr("Find in the manual"));
  search_->setClearButtonEnabled(true);
  notFound_ = new QLabel(tr("Not found"), &bar);
  notFound_->setVisible(false);
  connect(search_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
  connect(search_, &QLineEdit::textEdited, this, [this] { MarkNotFound(false); });
  row->addWidget(back_);
  row->addWidget(forward_);
  row->addWidget(contents);
  row->addStretch(1);
  row->addWidget(notFound_);
  row->addWidget(search_);
}

void HelpWindow::AddKeys() {
  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, [this] {
    search_->setFocus(Qt::ShortcutFocusReason);
    search_->selectAll();
  });
  connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, [this] { FindNext(); });
  connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this, [this] { FindNext(true); });
  connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_, &QTextBrowser::backward);
  connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, browser_, &QTextBrowser::forward);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { close(); });
}

bool HelpWindow::FindNext(bool backward) {
  const QString text = search_->text();
  if (text.isEmpty()) {
    MarkNotFound(false);
    return false;
  }
  const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  bool found = browser_->find(text, flags);
  if (!found) {
    // Round the end (or the start) of the manual, as editors' searches do.
    const QTextCursor before = browser_->textCursor();
    QTextCursor edge(browser_->document());
    edge.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(edge);
    found = browser_->find(text, flags);
    if (!found) browser_->setTextCursor(before);
  }
  MarkNotFound(!found);
  return found;
}

bool HelpWindow::ShowsNotFound() const { return notFound_->isVisibleTo(this); }

void HelpWindow::MarkNotFound(bool notFound) {
  // Dark text on a pale red reads in light and dark themes alike.
  search_->setStyleSheet(notFound ? QStringLiteral("QLineEdit { background: #f7d4d4; color: #000000; }") : QString());
  search_->setAccessibleDescription(notFound ? notFound_->text() : QString());
  notFound_->setVisible(notFound);
}

void ShowManual(QWidget* parent) {
  QPointer<HelpWindow>& window = ManualInstance();
  if (!window) {
    window = new HelpWindow(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

HelpWindow* OpenManualWindow() { return ManualInstance().data(); }

}  // namespace tallowmere::app
