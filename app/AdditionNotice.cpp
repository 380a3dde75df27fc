#include "app/AdditionNotice.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <string>

#include "app/DropProgress.h"
#include "numtext/NumberText.h"
#include "platform/Language.h"

namespace tallowmere::app {

namespace {

constexpr const char* kContext = "AdditionNotice";

// The count that picks a plural form.
int Forms(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

QString Tr(const char* text) { return QCoreApplication::translate(kContext, text); }

QString Counted(const char* one, const char* many, std::size_t count) {
  return platform::CountText(kContext, one, many, count, GroupedCount(count));
}

QString FilesCounted(std::size_t count) {
  return Counted("%1 file", QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 files"), count);
}

QString FirstSkipped(const input::ReadTally& tally) {
  return Tr(QT_TRANSLATE_NOOP("AdditionNotice", " (first: %1)")).arg(QuotedSkippedText(tally.firstSkipped));
}

// Lines that only the other common convention reads are numbers all the same,
// but the user should know they were not read as the locale writes numbers:
// "3 lines were read with a decimal comma (first: "71,2")". Which convention
// shows in the first of them: the last of its separators is the decimal one.
QString OtherConvention(const Addition& a) {
  const input::ReadTally& t = a.tally;
  const std::string& first = t.firstOtherConvention;
  const std::size_t last = first.find_last_of(",.");
  const bool comma = last != std::string::npos && first[last] == ',';
  const bool lines = a.source == AdditionSource::kFiles;
  QString text;
  if (a.source == AdditionSource::kTableColumn)
    text = comma ? Counted("%1 cell was read with a decimal comma (first: %2)",
                           QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 cells were read with a decimal comma (first: %2)"),
                           t.otherConvention)
                 : Counted("%1 cell was read with a decimal point (first: %2)",
                           QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 cells were read with a decimal point (first: %2)"),
                           t.otherConvention);
  else if (lines && comma)
    text = Counted("%1 line was read with a decimal comma (first: %2)",
                   QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 lines were read with a decimal comma (first: %2)"),
                   t.otherConvention);
  else if (lines)
    text = Counted("%1 line was read with a decimal point (first: %2)",
                   QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 lines were read with a decimal point (first: %2)"),
                   t.otherConvention);
  else if (comma)
    text = Counted("%1 item was read with a decimal comma (first: %2)",
                   QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 items were read with a decimal comma (first: %2)"),
                   t.otherConvention);
  else
    text = Counted("%1 item was read with a decimal point (first: %2)",
                   QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 items were read with a decimal point (first: %2)"),
                   t.otherConvention);
  return text.arg(QuotedSkippedText(first));
}

// A column by its header cell, quoted ("weight"), or else by its number.
QString ColumnShown(const Addition& a) {
  if (a.column.isEmpty()) return QString::number(a.columnNumber);
  return QuotedSkippedText(a.column.toStdString());
}

// "Added 4 numbers from weights.csv", "… from 3 files", "… from the clipboard".
QString AddedHead(const Addition& a) {
  const std::size_t n = a.tally.appended;
  switch (a.source) {
    case AdditionSource::kFiles: {
      const QString from = a.files == 1 && !a.fileName.isEmpty() ? a.fileName : FilesCounted(a.files);
      return Counted("Added %1 number from %2", QT_TRANSLATE_N_NOOP("AdditionNotice", "Added %1 numbers from %2"), n)
          .arg(from);
    }
    case AdditionSource::kClipboard:
      return Counted("Added %1 number from the clipboard",
                     QT_TRANSLATE_N_NOOP("AdditionNotice", "Added %1 numbers from the clipboard"), n);
    case AdditionSource::kDroppedText:
      return Counted("Added %1 number from the dropped text",
                     QT_TRANSLATE_N_NOOP("AdditionNotice", "Added %1 numbers from the dropped text"), n);
    case AdditionSource::kTableColumn:
      return Counted("Added %1 number from column %2 of %3",
                     QT_TRANSLATE_N_NOOP("AdditionNotice", "Added %1 numbers from column %2 of %3"), n)
          .arg(ColumnShown(a), a.fileName);
    case AdditionSource::kTyped:
    case AdditionSource::kSample:
      break;
  }
  return Counted("Added %1 number", QT_TRANSLATE_N_NOOP("AdditionNotice", "Added %1 numbers"), n);
}

QString SkippedClause(const Addition& a) {
  const std::size_t n = a.tally.skipped;
  if (a.source == AdditionSource::kFiles)
    return Counted("%1 line was not a number", QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 lines were not numbers"), n);
  if (a.source == AdditionSource::kTableColumn)
    return Counted("%1 cell was not a number", QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 cells were not numbers"), n);
  return Counted("%1 item was not a number", QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 items were not numbers"), n);
}

// The notice that nothing was added: "weights2.csv holds no numbers",
// "The 3 files hold no numbers", "The clipboard holds no numbers".
QString HoldsNothing(const Addition& a) {
  switch (a.source) {
    case AdditionSource::kFiles:
      if (a.files == 1 && !a.fileName.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "%1 holds no numbers")).arg(a.fileName);
      if (a.files == 1) return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "The file holds no numbers"));
      return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "The %1 hold no numbers")).arg(FilesCounted(a.files));
    case AdditionSource::kClipboard:
      return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "The clipboard holds no numbers"));
    case AdditionSource::kDroppedText:
      return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "The dropped text holds no numbers"));
    case AdditionSource::kTableColumn:
      return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "Column %1 of %2 holds no numbers"))
          .arg(ColumnShown(a), a.fileName);
    case AdditionSource::kTyped:
    case AdditionSource::kSample:
      break;
  }
  return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "The answer holds no numbers"));
}

// ": its only line is not a number in this locale", ": their 5 lines are not
// numbers in this locale".
QString NoneAreNumbers(const Addition& a) {
  const std::size_t n = a.tally.skipped;
  const bool severalFiles = a.source == AdditionSource::kFiles && a.files > 1;
  const bool lines = a.source == AdditionSource::kFiles;
  if (a.source == AdditionSource::kTableColumn && n == 1)
    return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "its only cell is not a number in this locale"));
  if (a.source == AdditionSource::kTableColumn)
    return QCoreApplication::translate(
               kContext, QT_TRANSLATE_N_NOOP("AdditionNotice", "its %1 cells are not numbers in this locale"), nullptr,
               Forms(n))
        .arg(GroupedCount(n));
  if (n == 1) {
    if (severalFiles) return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "their only line is not a number in this locale"));
    if (lines) return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "its only line is not a number in this locale"));
    return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "its only item is not a number in this locale"));
  }
  const int forms = Forms(n);
  const char* text = severalFiles
                         ? QT_TRANSLATE_N_NOOP("AdditionNotice", "their %1 lines are not numbers in this locale")
                     : lines ? QT_TRANSLATE_N_NOOP("AdditionNotice", "its %1 lines are not numbers in this locale")
                             : QT_TRANSLATE_N_NOOP("AdditionNotice", "its %1 items are not numbers in this locale");
  return QCoreApplication::translate(kContext, text, nullptr, forms).arg(GroupedCount(n));
}

QString NothingAdded(const Addition& a) {
  const input::ReadTally& t = a.tally;
  const QString text = HoldsNothing(a);
  if (t.skipped == 0) return text + QLatin1Char('.');
  return text + QStringLiteral(": ") + NoneAreNumbers(a) + FirstSkipped(t) + QLatin1Char('.');
}

}  // namespace

QString QuotedSkippedText(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (shown.size() > kQuotedCharacters) {
    shown.truncate(kQuotedCharacters - 1);
    // Never half of a pair.
    if (!shown.isEmpty() && shown.back().isHighSurrogate()) shown.chop(1);
    shown += QChar(0x2026);
  }
  for (QChar& c : shown)
    if (!c.isPrint() && !c.isSurrogate()) c = QChar(QChar::ReplacementCharacter);
  return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString EntriesText(std::size_t count) {
  return Counted("%1 entry", QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 entries"), count);
}

QString AdditionNoticeText(const Addition& a) {
  const input::ReadTally& t = a.tally;
  if (a.source == AdditionSource::kSample)
    return Counted("Added the %1 sample number.", QT_TRANSLATE_N_NOOP("AdditionNotice", "Added the %1 sample numbers."),
                   t.appended);
  if (t.appended == 0) return NothingAdded(a);
  QString text = AddedHead(a);
  if (t.skipped > 0) text += QStringLiteral("; ") + SkippedClause(a) + FirstSkipped(t);
  if (t.otherConvention > 0) text += QStringLiteral("; ") + OtherConvention(a);
  return text + QLatin1Char('.');
}

QString TextStoppedNotice(AdditionSource source, std::size_t appended) {
  const QString added =
      Counted("%1 number was added", QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 numbers were added"), appended);
  if (source == AdditionSource::kDroppedText)
    return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "The drop was stopped part-way through the text; %1.")).arg(added);
  return Tr(QT_TRANSLATE_NOOP("AdditionNotice", "Pasting was stopped part-way through the text; %1.")).arg(added);
}

namespace {

// "0", "0 and 42", "0, 1.5 and 42"; one value when they all read the same.
QString NamedValues(const std::vector<results::NotNumber>& named, const numtext::Separators& sep) {
  std::vector<QString> values;
  for (const results::NotNumber& n : named) values.push_back(QString::fromStdString(numtext::NumberText(n.value, sep)));
  if (std::all_of(values.begin(), values.end(), [&](const QString& v) { return v == values.front(); }))
    values.resize(1);
  QString text = values.front();
  for (std::size_t i = 1; i < values.size(); ++i)
    text += (i + 1 == values.size() ? QCoreApplication::translate("AdditionNotice", " and ") : QStringLiteral(", ")) +
            values[i];
  return text;
}

}  // namespace

QString NotNumbersText(const results::NotNumbers& found, const numtext::Separators& sep) {
  if (found.count == 0 || found.first.empty()) return {};
  QStringList quoted;
  for (const results::NotNumber& n : found.first) quoted << QuotedSkippedText(n.text);
  const QString values = NamedValues(found.first, sep);
  const QString texts = quoted.join(QStringLiteral(", "));
  if (found.count == 1)
    return QCoreApplication::translate("AdditionNotice", "1 entry is not a number and counts as %1: %2.")
        .arg(values, texts);
  if (found.count == found.first.size())
    return QCoreApplication::translate("AdditionNotice", "%1 entries are not numbers and count as %2: %3.", nullptr,
                                       Forms(found.count))
        .arg(GroupedCount(found.count), values, texts);
  return QCoreApplication::translate("AdditionNotice", "%1 entries are not numbers; the first %2 count as %3: %4.",
                                     nullptr, Forms(found.count))
      .arg(GroupedCount(found.count), QString::number(found.first.size()), values, texts);
}

}  // namespace tallowmere::app
