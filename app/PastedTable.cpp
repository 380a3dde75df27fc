#include "app/PastedTable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>

#include "app/TablePreview.h"
#include "input/PastedText.h"

namespace tallowmere::app {

namespace {

// Converts text[at, at + length) to UTF-8 onto `out`; a surrogate pair cut
// by the end is left for the next piece. Answers how much was taken.
qsizetype AppendUtf8(QStringView text, qsizetype at, qsizetype length, std::string& out) {
  if (at + length < text.size() && text[at + length - 1].isHighSurrogate()) --length;
  const QByteArray bytes = text.sliced(at, length).toUtf8();
  out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return length;
}

// A line end with more than line ends after it.
bool HasSecondLine(const std::string& text) {
  const std::size_t end = text.find_first_of("\r\n");
  return end != std::string::npos && text.find_first_not_of("\r\n", end) != std::string::npos;
}

}  // namespace

bool LooksLikePastedTable(QStringView text, const numtext::Separators& user) {
  TableStart start;
  const qsizetype taken = AppendUtf8(text, 0, std::min(text.size(), input::kPastedBlockCharacters), start.bytes);
  start.whole = taken == text.size();
  return HasSecondLine(start.bytes) && LooksLikeTable(start, user);
}

std::shared_ptr<const std::string> PastedTableText(QStringView text) {
  auto utf8 = std::make_shared<std::string>();
  // Most pasted tables are ASCII: one byte a character.
  utf8->reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype at = 0; at < text.size();)
    at += AppendUtf8(text, at, std::min(input::kPastedBlockCharacters, text.size() - at), *utf8);
  return utf8;
}

QString PastedTableName(AdditionSource source) {
  if (source == AdditionSource::kDroppedText) return QCoreApplication::translate("Form1", "the dropped table");
  return QCoreApplication::translate("Form1", "the pasted table");
}

}  // namespace tallowmere::app
