#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tallowmere::platform {

namespace {

QClipboard* SystemClipboard() {
  // Without a GUI application there is no clipboard to talk to; every
  // attempt then fails quietly.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
  return QGuiApplication::clipboard();
}

}  // namespace

bool RetryClipboardAttempt(const std::function<bool()>& attempt) {
  // No pause between attempts: a program that holds the clipboard usually
  // lets go within microseconds.
  for (int made = 1; made <= kClipboardAttempts; ++made) {
    bool succeeded = false;
    try {
      succeeded = attempt();
    } catch (...) {
    }
    if (succeeded) return true;
  }
  return false;
}

void ClipboardClear() {
  RetryClipboardAttempt([] {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    clipboard->clear(QClipboard::Clipboard);
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    return !held || held->formats().isEmpty();
  });
}

bool ClipboardSetText(const QString& text) {
  return RetryClipboardAttempt([&] {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    clipboard->setText(text, QClipboard::Clipboard);
    return clipboard->text(QClipboard::Clipboard) == text;
  });
}

bool ClipboardSetImage(const QImage& image) {
  return RetryClipboardAttempt([&] {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    clipboard->setImage(image, QClipboard::Clipboard);
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    return held && held->hasImage() && clipboard->image(QClipboard::Clipboard).size() == image.size();
  });
}

QString ClipboardText() {
  QClipboard* clipboard = SystemClipboard();
  if (!clipboard) return {};
  try {
    return clipboard->text(QClipboard::Clipboard);
  } catch (...) {
    return {};
  }
}

bool ClipboardHasText() {
  QClipboard* clipboard = SystemClipboard();
  if (!clipboard) return false;
  try {
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    return held && held->hasText();
  } catch (...) {
    return false;
  }
}

}  // namespace tallowmere::platform
