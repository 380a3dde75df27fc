#pragma once
// The system clipboard, plain text. Another program may hold the clipboard
// for a moment, so every operation is tried again, at once, until it takes or
// until kClipboardAttempts attempts have been made; nothing is reported to
// the user here.
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace tallowmere::platform {

inline constexpr int kClipboardAttempts = 1000;

// Empties the clipboard. Never fails.
void ClipboardClear();

// Puts `text` on the clipboard as plain text, replacing what it held. True
// when the last attempt succeeded, that is when the clipboard afterwards held
// exactly `text`. Never fails.
bool ClipboardSetText(const QString& text);

// Puts `image` on the clipboard (offered as PNG and the other image types
// Qt knows), replacing what it held. True when the clipboard afterwards
// holds an image of the same size. Never fails.
bool ClipboardSetImage(const QImage& image);

// The clipboard's plain text; empty when it holds none or cannot be read.
// Never fails.
QString ClipboardText();
// The clipboard's plain text (empty when it holds none), or nothing when it
// could not be read: another program holds it but did not answer in time (it
// hangs, or it was stopped). Never fails.
std::optional<QString> ReadClipboardText();
// Whether the clipboard offers plain text, without fetching it. Never fails.
bool ClipboardHasText();

// The retry rule both operations share: runs `attempt` until it answers true
// or has run kClipboardAttempts times; answers what the last attempt answered.
// An attempt that throws counts as a failed attempt.
bool RetryClipboardAttempt(const std::function<bool()>& attempt);

}  // namespace tallowmere::platform
