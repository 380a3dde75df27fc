#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool IsPlainTextFormat(int format) {
  // 1, 7 and 13 are the classic clipboard's ANSI, OEM and Unicode texts; all
  // three are what Qt calls plain text.
  return format == kClipboardPlainText || format == 1 || format == 7 || format == 13;
}

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

QString ClipboardFormatMimeType(int format) { return QStringLiteral("application/x-clipboard-format-%1").arg(format); }

void ClipboardClear() {
  RetryClipboardAttempt([] {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    clipboard->clear(QClipboard::Clipboard);
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    return !held || held->formats().isEmpty();
  });
}

bool ClipboardSetText(const QString& text, int format) {
  return RetryClipboardAttempt([&] {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    if (IsPlainTextFormat(format)) {
      clipboard->setText(text, QClipboard::Clipboard);
      return clipboard->text(QClipboard::Clipboard) == text;
    }
    const QString type = ClipboardFormatMimeType(format);
    const QByteArray bytes = text.toUtf8();
    auto* data = new QMimeData;
    data->setData(type, bytes);
    clipboard->setMimeData(data, QClipboard::Clipboard);  // the clipboard owns it now
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    return held && held->data(type) == bytes;
  });
}
