#include "system/LocaleSeparators.h"

#include <QLocale>
#include <QStringList>

namespace tallowmere::system {

namespace {

// Qt keeps the sizes of a locale's digit groups to itself; they show in how it
// writes a long integer: the last group is the primary one, the one before it
// the secondary.
void ReadGroupSizes(const QLocale& locale, numtext::Separators& sep) {
  QLocale grouping(locale);
  grouping.setNumberOptions(grouping.numberOptions() & ~QLocale::OmitGroupSeparator);
  const QStringList groups = grouping.toString(Q_INT64_C(1234567890123)).split(locale.groupSeparator());
  if (groups.size() < 3) return;
  sep.primaryGroup = static_cast<std::size_t>(groups.back().size());
  sep.secondaryGroup = static_cast<std::size_t>(groups[groups.size() - 2].size());
}

}  // namespace

numtext::Separators LocaleSeparators(const QLocale& locale) {
  numtext::Separators sep;
  sep.decimal = locale.decimalPoint().toStdString();
  sep.group = locale.groupSeparator().toStdString();
  ReadGroupSizes(locale, sep);
  const QString zero = locale.zeroDigit();
  if (!zero.isEmpty()) sep.zero = static_cast<char32_t>(zero.toUcs4().value(0, U'0'));
  sep.minus = locale.negativeSign().toStdString();
  return sep;
}

numtext::Separators SystemSeparators() { return LocaleSeparators(QLocale::system()); }

}  // namespace tallowmere::system
