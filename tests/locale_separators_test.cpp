// How each locale writes numbers, as Qt has it, and the lines of each form
// read under each locale through a list file and a paste: which are numbers,
// what they are worth, and how many were read in the other convention.
#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <string>
#include <vector>

#include "input/ListFile.h"
#include "input/PastedText.h"
#include "numtext/EntryValue.h"
#include "system/LocaleSeparators.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::input;
using loadertest::RecordingEntrySink;
using loadertest::TempTree;

namespace {

numtext::Separators Of(const char* locale) { return system::LocaleSeparators(QLocale(QString::fromLatin1(locale))); }

TEST(LocaleSeparators, CarriesTheLocalesSeparatorsGroupsDigitsAndMinus) {
  const struct {
    const char* locale;
    numtext::Separators want;
  } rows[] = {
      {"en_US", {".", ",", 3, 3, U'0', "-"}},
      {"de_DE", {",", ".", 3, 3, U'0', "-"}},
      {"de_CH", {".", "\u2019", 3, 3, U'0', "-"}},
      {"fr_FR", {",", "\u202F", 3, 3, U'0', "-"}},
      {"hi_IN", {".", ",", 3, 2, U'0', "-"}},
      {"ar_EG", {"\u066B", "\u066C", 3, 3, U'\u0660', "\u061C-"}},
      {"fa_IR", {"\u066B", "\u066C", 3, 3, U'\u06F0', "\u200E\u2212"}},
      {"C", {".", ",", 3, 3, U'0', "-"}},
  };
  for (const auto& row : rows) {
    const numtext::Separators got = Of(row.locale);
    EXPECT_EQ(got.decimal, row.want.decimal) << row.locale;
    EXPECT_EQ(got.group, row.want.group) << row.locale;
    EXPECT_EQ(got.primaryGroup, row.want.primaryGroup) << row.locale;
    EXPECT_EQ(got.secondaryGroup, row.want.secondaryGroup) << row.locale;
    EXPECT_EQ(got.zero, row.want.zero) << row.locale;
    EXPECT_EQ(got.minus, row.want.minus) << row.locale;
  }
}

// The forms of lines: plain, grouped as English and as the locale writes it,
// the decimal comma, and each locale's own 1234567.5 and -2.5 as Qt writes them.
struct Form {
  const char* name;
  std::string text;
};

double Sum(const std::vector<std::string>& entries, const numtext::Separators& sep) {
  double sum = 0;
  for (const std::string& e : entries) sum += numtext::ListEntryValue(e, sep);
  return sum;
}

// The locale's own text of a value, as Qt writes it.
std::string Written(const char* locale, double value) {
  return QLocale(QString::fromLatin1(locale)).toString(value, 'f', 1).toStdString();
}

TEST(LocaleSeparators, EachFormReadsInEachLocaleThroughFilesAndPastes) {
  const Form plain{"plain", "2.5\n3.5\n"};
  const Form grouped{"English grouping", "1,234.5\n12,345.25\n"};
  const Form comma{"decimal comma", "71,2\n72,15\n1,2345\n"};
  const Form arabic{"Arabic-Indic digits", "\u0662\u066B\u0665\n\u061C-\u0661\u066B\u0665\n"};
  const struct {
    const char* locale;
    const Form& form;
    std::size_t count;
    double sum;
    std::size_t other;  // read in the other convention
  } rows[] = {
      {"en_US", plain, 2, 6, 0},          {"de_DE", plain, 2, 6, 2},
      {"de_CH", plain, 2, 6, 0},          {"fr_FR", plain, 2, 6, 2},
      {"hi_IN", plain, 2, 6, 0},          {"ar_EG", plain, 2, 6, 0},
      {"fa_IR", plain, 2, 6, 0},          {"C", plain, 2, 6, 0},
      {"en_US", grouped, 2, 13579.75, 0}, {"de_DE", grouped, 2, 13579.75, 2},
      {"de_CH", grouped, 0, 0, 0},        {"fr_FR", grouped, 2, 13579.75, 2},
      {"hi_IN", grouped, 2, 13579.75, 0}, {"ar_EG", grouped, 0, 0, 0},
      {"fa_IR", grouped, 0, 0, 0},        {"C", grouped, 2, 13579.75, 0},
      {"en_US", comma, 3, 144.5845, 3},   {"de_DE", comma, 3, 144.5845, 0},
      {"de_CH", comma, 3, 144.5845, 3},   {"fr_FR", comma, 3, 144.5845, 0},
      {"hi_IN", comma, 3, 144.5845, 3},   {"ar_EG", comma, 3, 144.5845, 3},
      {"fa_IR", comma, 3, 144.5845, 3},   {"C", comma, 3, 144.5845, 3},
      {"en_US", arabic, 0, 0, 0},         {"de_DE", arabic, 0, 0, 0},
      {"ar_EG", arabic, 2, 1, 0},         {"fa_IR", arabic, 0, 0, 0},
  };
  TempTree tree;
  for (const auto& row : rows) {
    const numtext::Separators sep = Of(row.locale);
    SCOPED_TRACE(std::string(row.locale) + ", " + row.form.name);
    RecordingEntrySink file;
    LoadListFile(file, tree.File("list.txt", row.form.text), sep, {});
    RecordingEntrySink paste;
    ReadPastedCharacters(paste, QString::fromStdString(row.form.text), sep);
    for (const RecordingEntrySink* sink : {&file, &paste}) {
      EXPECT_EQ(sink->entries.size(), row.count);
      EXPECT_NEAR(Sum(sink->entries, sep), row.sum, 1e-9);
      EXPECT_EQ(sink->tally.otherConvention, row.other);
    }
  }
}

TEST(LocaleSeparators, TheLocalesOwnNumbersReadAsItWritesThem) {
  TempTree tree;
  for (const char* locale : {"en_US", "de_DE", "de_CH", "fr_FR", "hi_IN", "ar_EG", "fa_IR", "C"}) {
    const numtext::Separators sep = Of(locale);
    const std::string text = Written(locale, 1234567.5) + "\n" + Written(locale, -2.5) + "\n";
    RecordingEntrySink file;
    LoadListFile(file, tree.File("own.txt", text), sep, {});
    ASSERT_EQ(file.entries.size(), 2u) << locale << ": " << text;
    EXPECT_EQ(numtext::ListEntryValue(file.entries[0], sep), 1234567.5) << locale;
    EXPECT_EQ(numtext::ListEntryValue(file.entries[1], sep), -2.5) << locale;
    EXPECT_EQ(file.tally.otherConvention, 0u) << locale;
  }
}

}  // namespace
