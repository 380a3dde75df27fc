#include "app/AdditionNotice.h"

#include <QCoreApplication>
#include <algorithm>
#include <string>

#include "app/DropProgress.h"
#include "numtext/NumberText.h"

namespace tallowmere::app {

namespace {

QString Counted(std::size_t count, const char* one, const char* many) {
  return GroupedCount(count) + QLatin1Char(' ') + QString::fromLatin1(count == 1 ? one : many);
}

// What one skipped candidate is called: a line of a file; a piece of a text,
// where tabs separate them too.
const char* SkippedUnit(AdditionSource source, std::size_t count) {
  if (source == AdditionSource::kFiles) return count == 1 ? "line" : "lines";
  return count == 1 ? "item" : "items";
}

QString FirstSkipped(const input::ReadTally& tally) {
  return QStringLiteral(" (first: %1)").arg(QuotedSkippedText(tally.firstSkipped));
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
  const char* text =
      t.otherConvention == 1
          ? (comma ? "%1 was read with a decimal comma (first: %2)" : "%1 was read with a decimal point (first: %2)")
          : (comma ? "%1 were read with a decimal comma (first: %2)" : "%1 were read with a decimal point (first: %2)");
  return QCoreApplication::translate("AdditionNotice", text)
      .arg(Counted(t.otherConvention, SkippedUnit(a.source, 1), SkippedUnit(a.source, 2)), QuotedSkippedText(first));
}

// "from weights.csv", "from 3 files", "from the clipboard"; empty for typed
// pieces.
QString Origin(const Addition& a) {
  switch (a.source) {
    case AdditionSource::kFiles:
      if (a.files == 1 && !a.fileName.isEmpty()) return QStringLiteral(" from ") + a.fileName;
      return QStringLiteral(" from ") + Counted(a.files, "file", "files");
    case AdditionSource::kClipboard:
      return QStringLiteral(" from the clipboard");
    case AdditionSource::kDroppedText:
      return QStringLiteral(" from the dropped text");
    case AdditionSource::kTyped:
    case AdditionSource::kSample:
      break;
  }
  return {};
}

// The subject of a notice that nothing was added: "weights2.csv holds",
// "The 3 files hold", "The clipboard holds".
QString Holder(const Addition& a) {
  switch (a.source) {
    case AdditionSource::kFiles:
      if (a.files == 1 && !a.fileName.isEmpty()) return a.fileName + QStringLiteral(" holds");
      if (a.files == 1) return QStringLiteral("The file holds");
      return QStringLiteral("The %1 hold").arg(Counted(a.files, "file", "files"));
    case AdditionSource::kClipboard:
      return QStringLiteral("The clipboard holds");
    case AdditionSource::kDroppedText:
      return QStringLiteral("The dropped text holds");
    case AdditionSource::kTyped:
    case AdditionSource::kSample:
      break;
  }
  return QStringLiteral("The answer holds");
}

QString NothingAdded(const Addition& a) {
  const input::ReadTally& t = a.tally;
  QString text = Holder(a) + QStringLiteral(" no numbers");
  if (t.skipped == 0) return text + QLatin1Char('.');
  const bool severalFiles = a.source == AdditionSource::kFiles && a.files > 1;
  const QString whose = severalFiles ? QStringLiteral("their") : QStringLiteral("its");
  const QString what = t.skipped == 1
                           ? QStringLiteral("only %1 is not a number").arg(SkippedUnit(a.source, 1))
                           : QStringLiteral("%1 are not numbers")
                                 .arg(Counted(t.skipped, SkippedUnit(a.source, 1), SkippedUnit(a.source, 2)));
  return text + QStringLiteral(": %1 %2 in this locale%3.").arg(whose, what, FirstSkipped(t));
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

QString EntriesText(std::size_t count) { return Counted(count, "entry", "entries"); }

QString AdditionNoticeText(const Addition& a) {
  const input::ReadTally& t = a.tally;
  if (a.source == AdditionSource::kSample)
    return QStringLiteral("Added the %1.").arg(Counted(t.appended, "sample number", "sample numbers"));
  if (t.appended == 0) return NothingAdded(a);
  QString text = QStringLiteral("Added ") + Counted(t.appended, "number", "numbers") + Origin(a);
  if (t.skipped > 0) {
    const char* verb = t.skipped == 1 ? " was not a number" : " were not numbers";
    text += QStringLiteral("; ") + Counted(t.skipped, SkippedUnit(a.source, 1), SkippedUnit(a.source, 2)) +
            QString::fromLatin1(verb) + FirstSkipped(t);
  }
  if (t.otherConvention > 0) text += QStringLiteral("; ") + OtherConvention(a);
  return text + QLatin1Char('.');
}

QString TextStoppedNotice(AdditionSource source, std::size_t appended) {
  const QString what = source == AdditionSource::kDroppedText ? QStringLiteral("The drop") : QStringLiteral("Pasting");
  const QString added = appended == 1 ? QStringLiteral("1 number was added")
                                      : GroupedCount(appended) + QStringLiteral(" numbers were added");
  return QStringLiteral("%1 was stopped part-way through the text; %2.").arg(what, added);
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
    return QCoreApplication::translate("AdditionNotice", "%1 entries are not numbers and count as %2: %3.")
        .arg(GroupedCount(found.count), values, texts);
  return QCoreApplication::translate("AdditionNotice", "%1 entries are not numbers; the first %2 count as %3: %4.")
      .arg(GroupedCount(found.count), QString::number(found.first.size()), values, texts);
}

}  // namespace tallowmere::app
