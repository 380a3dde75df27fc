#include "app/HelpWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ManualText.h"

namespace tallowmere::app {

namespace {

QString ManualDocument() {
  return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>%1</body></html>")
      .arg(ManualHtml(QStringLiteral("qrc") + QLatin1String(kManualImageResources)));
}

QUrl ManualAddress() { return QUrl(QStringLiteral("%1:index").arg(QLatin1String(kManualScheme))); }

// The document keeps a picture as it was loaded, or as it was drawn.
QImage ResourceImage(const QVariant& resource) {
  if (resource.canConvert<QPixmap>() && resource.typeId() == QMetaType::QPixmap)
    return resource.value<QPixmap>().toImage();
  if (resource.typeId() == QMetaType::QImage) return resource.value<QImage>();
  return QImage::fromData(resource.toByteArray());
}

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
  FitImages();
}

void ManualBrowser::resizeEvent(QResizeEvent* event) {
  QTextBrowser::resizeEvent(event);
  FitImages();
}

void ManualBrowser::FitImages() {
  const qreal room = viewport()->width() - 2 * document()->documentMargin() - 8;
  if (room <= 0) return;
  // Changing a fragment's format changes the fragments: gather them first.
  struct Change {
    int position;
    int length;
    QTextImageFormat format;
  };
  std::vector<Change> changes;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat image = fragment.charFormat().toImageFormat();
      if (!image.isValid()) continue;
      const QImage picture = ResourceImage(document()->resource(QTextDocument::ImageResource, QUrl(image.name())));
      if (picture.isNull()) continue;
      const qreal width = std::min<qreal>(picture.deviceIndependentSize().width(), room);
      if (qFuzzyCompare(image.width(), width)) continue;
      image.setWidth(width);
      image.setHeight(width * picture.height() / picture.width());
      changes.push_back({fragment.position(), fragment.length(), image});
    }
  }
  if (changes.empty()) return;
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  for (const Change& change : changes) {
    cursor.setPosition(change.position);
    cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(change.format);
  }
  cursor.endEditBlock();
  // After a picture's size changes Qt 6.4 lays out the page only down to
  // somewhere in the middle, leaving the rest blank: lay it all out again.
  document()->markContentsDirty(0, document()->characterCount());
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
