#pragma once
// The system clipboard, plain text. Another program may hold the clipboard
// for a moment, so every operation is tried again, at once, until it takes or
// until kClipboardAttempts attempts have been made; nothing is ever reported
// to the user.
#include <QString>
#include <functional>

inline constexpr int kClipboardAttempts = 1000;

// Format 0: the plain-text format.
inline constexpr int kClipboardPlainText = 0;

// Empties the clipboard. Never fails.
void ClipboardClear();

// Puts `text` on the clipboard in `format`, replacing what it held: 0 (and
// the platform's own text format numbers 1, 7 and 13) is plain text; any
// other number becomes a clipboard format of its own, named after the
// number. True when the last attempt succeeded, that is when the clipboard
// afterwards held exactly what was asked. Never fails.
bool ClipboardSetText(const QString& text, int format);

// The retry rule both operations share: runs `attempt` until it answers true
// or has run kClipboardAttempts times; answers what the last attempt answered.
// An attempt that throws counts as a failed attempt.
bool RetryClipboardAttempt(const std::function<bool()>& attempt);

// The MIME type that a non-text format number maps to.
QString ClipboardFormatMimeType(int format);
