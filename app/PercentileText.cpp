#include "app/PercentileText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <string>

#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"
#include "numtext/NumberText.h"

namespace tallowmere::app {

namespace {

const numtext::Separators kPoint{".", ","};

QString Tr(const char* text) { return QCoreApplication::translate("PercentileText", text); }

bool CommaIsDecimal(const numtext::Separators& sep) { return sep.decimal == ","; }

// A part's value: in the user's numbers, else with a decimal point (what
// most people type whatever their locale).
std::optional<double> PartValue(QString part, const numtext::Separators& sep) {
  if (part.endsWith(QLatin1Char('%'))) part = part.chopped(1).trimmed();
  const std::string utf8 = part.toStdString();
  std::string buffer;
  const std::string_view ascii = numtext::WithAsciiDigits(utf8, sep, buffer);
  for (const numtext::Separators* way : {&sep, &kPoint})
    if (numtext::IsStrictlyNumeric(ascii, *way)) return numtext::NumericValue(ascii, *way);
  return std::nullopt;
}

}  // namespace

PercentileEntry ReadPercentiles(const QString& text, const numtext::Separators& sep) {
  QString parted = text;
  if (!CommaIsDecimal(sep)) parted.replace(QLatin1Char(','), QLatin1Char(';'));
  PercentileEntry entry;
  for (const QString& raw : parted.split(QLatin1Char(';'))) {
    const QString part = raw.trimmed();
    if (part.isEmpty()) continue;
    const std::optional<double> value = PartValue(part, sep);
    if (!value) return {{}, Tr(QT_TRANSLATE_NOOP("PercentileText", "“%1” is not a number")).arg(part)};
    if (!(*value >= 0.0 && *value <= 100.0))
      return {{}, Tr(QT_TRANSLATE_NOOP("PercentileText", "%1: percentiles run from 0 to 100")).arg(part)};
    const double percent = *value + 0.0;
    if (std::find(entry.percentiles.begin(), entry.percentiles.end(), percent) == entry.percentiles.end())
      entry.percentiles.push_back(percent);
  }
  return entry;
}

QString PercentilesText(std::span<const double> percentiles, const numtext::Separators& sep) {
  QStringList parts;
  for (const double percent : percentiles) parts << QString::fromStdString(numtext::NumberText(percent, sep));
  return parts.join(CommaIsDecimal(sep) ? QStringLiteral("; ") : QStringLiteral(", "));
}

QString StoredPercentiles(std::span<const double> percentiles) {
  QStringList parts;
  for (const double percent : percentiles) parts << QString::fromStdString(numtext::RoundTripText(percent, kPoint));
  return parts.join(QLatin1Char(';'));
}

std::vector<double> ReadStoredPercentiles(const QString& stored) {
  PercentileEntry entry = ReadPercentiles(stored, kPoint);
  if (!entry.Good()) entry = ReadPercentiles(QString::fromLatin1(kDefaultStoredPercentiles), kPoint);
  return entry.percentiles;
}

}  // namespace tallowmere::app
