#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdlib>

#ifdef TALLOWMERE_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace tallowmere::platform {

namespace {

QClipboard* SystemClipboard() {
  // Without a GUI application there is no clipboard to talk to; every
  // attempt then fails quietly.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
  return QGuiApplication::clipboard();
}

// True when another program holds the X clipboard. Qt answers an owner that
// did not answer its request in time as a clipboard that offers nothing; the
// owner is still known to the X server. Without X (Wayland, offscreen) no
// owner can be asked: false.
bool AnotherProgramHoldsTheClipboard() {
#ifdef TALLOWMERE_HAVE_XCB
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return false;
  xcb_connection_t* connection = x11->connection();
  const char name[] = "CLIPBOARD";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
  if (!atom) return false;
  const xcb_atom_t selection = atom->atom;
  std::free(atom);
  if (selection == XCB_ATOM_NONE) return false;
  xcb_get_selection_owner_reply_t* owner =
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
  const bool held = owner && owner->owner != XCB_WINDOW_NONE;
  std::free(owner);
  return held;
#else
  return false;
#endif
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

std::optional<QString> ReadClipboardText() {
  QClipboard* clipboard = SystemClipboard();
  if (!clipboard) return QString();
  try {
    const QMimeData* held = clipboard->mimeData(QClipboard::Clipboard);
    if (!held) return QString();
    // Asked once: each question to an owner that does not answer waits for
    // Qt's timeout. What the program put there itself always answers.
    if (held->formats().isEmpty())
      return !clipboard->ownsClipboard() && AnotherProgramHoldsTheClipboard() ? std::nullopt
                                                                              : std::optional<QString>(QString());
    return held->text();
  } catch (...) {
    return QString();
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
