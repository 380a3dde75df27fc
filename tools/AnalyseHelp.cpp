#include "AnalyseHelp.h"

#include <array>
#include <cstddef>

#include "core/HelpText.h"
#include "core/Translation.h"

namespace tallowmere::tools {

namespace {

constexpr const char* kProgram = "tallowmere-analyse";

std::string Piece(const char* source, std::initializer_list<std::string_view> args = {}) {
  return core::Fill(core::Translated("CommandLineHelp", source), args);
}

std::string Introduction() {
  //: %1 is the program's name, %2 an option. "Start Analysis" is the window's button. Wrap at 80 columns.
  std::string text = core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                              "Analyses a list of numbers as \"Start Analysis\" does in %1 and writes\n"
                              "the twelve results (with %2, further statistics after them)."),
            {"Tallowmere", "--more"}));
  text += '\n';
  //: %1 is PATH, %2 the name '-' for standard input, %3 the program's name. Wrap at 80 columns.
  text += core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                              "Each %1 is read as if dropped on the number list: a file as a list file (one\n"
                              "number per line, other lines skipped), a folder walked and its files read.\n"
                              "'%2' is standard input, read as one list file at its place among the %1s;\n"
                              "with no %1, standard input is read. What cannot be read (a file, or a folder\n"
                              "of a %1's tree that cannot be listed) is told on standard error, one line\n"
                              "each: '%3: %1: reason'; the rest is read, and the exit\n"
                              "status is 1."),
            {"PATH", "-", kProgram}));
  text += '\n';
  //: %1 and %4 are options, %2 the program's name, %3 PATH; "line N" as the program's own message says it.
  //: Wrap at 80 columns.
  text += core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                              "With %1, every file (and standard input) is read as a table instead:\n"
                              "the field of that column in each record is read as a line of a list file.\n"
                              "With any delimiter but the tab, fields may be quoted as in CSV (RFC 4180).\n"
                              "A record with too few fields is told, '%2: %3: line N: ...',\n"
                              "and skipped. %1 cannot be given with %4."),
            {"--field", kProgram, "PATH", "--entries"}));
  text += '\n';
  //: %1 to %3 are options. Wrap at 80 columns.
  text += core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                              "With several columns (%1 with commas, %2) or with %3,\n"
                              "each column and group is analysed on its own: text writes a block for each,\n"
                              "headed by its name ('weight', 'field 2', 'weight: A'), tsv a line per key with\n"
                              "a value for each, json an array of objects {\"column\", \"group\", keys...}. One\n"
                              "of no numbers says so in its place, and the exit status is 1."),
            {"--field", "--all-fields", "--group-by"}));
  return text;
}

// One option of the table: its names and argument words, and the
// description with what fills its placeholders.
struct OptionHelp {
  std::string_view names;
  const char* description;
  std::array<std::string_view, 4> args = {};
};

// The descriptions start at column 21; their translators wrap them at 80
// columns, and every line is indented to the column.
constexpr OptionHelp kOptionHelp[] = {
    //: Options' descriptions start at column 21 (column 20 in the window's help); wrap them at 80 columns.
    //: %1 is FILE, %2 the name '-' for standard input, %3 PATH.
    {"--entries [FILE]",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "each line of %1 is one entry, verbatim, as if typed\n"
                       "(standard input when %1 is absent or '%2'); no %3s"),
     {"FILE", "-", "PATH"}},
    //: %1 and %2 are the argument words N and NAME, %3 an option.
    {"--field N|NAME",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "read column %1 (from 1) of table files, or the column\n"
                       "whose header cell is %2 (needs %3)"),
     {"N", "NAME", "--header"}},
    //: %1 and %2 are examples of the option's value, kept as they are.
    {"--field N,M,...",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "several columns, each analysed on its own\n"
                       "(%1 or %2, or the option given again);\n"
                       "a comma and a space belong to a name"),
     {"2,4", "weight,height"}},
    //: %1 is an option.
    {"--all-fields",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "every column that holds a number, each on its own\n"
                       "(but the column of %1)"),
     {"--group-by"}},
    //: %1 is the argument word COL, %2 to %4 options.
    {"--group-by COL",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "analyse each column's records by groups: one group\n"
                       "per text of column %1 (a number, or a name with %2),\n"
                       "in the order first met; with %3 or %4"),
     {"COL", "--header", "--field", "--all-fields"}},
    //: %1 is the argument word N, %2 an option.
    {"--sheet N|NAME",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "the sheet of spreadsheets (.ods, .xlsx) to read: its\n"
                       "number %1 from 1 or its name (default: the first);\n"
                       "with %2"),
     {"N", "--field"}},
    //: %1 is a backslash and the letter t (a tab), %2 an option.
    {"--delimiter C",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "the character between fields (default: tab; '%1' for a\n"
                       "tab); with %2"),
     {"\\t", "--field"}},
    //: %1 to %3 are the encodings' names, %4 an option.
    {"--encoding NAME",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "the encoding of delimited text: %1,\n"
                       "%2 or %3\n"
                       "(default: each file's by its first bytes, as the\n"
                       "window's table dialog chooses it); with %4"),
     {"utf-8", "utf-16le, utf-16be, utf-32le, utf-32be", "windows-1252", "--field"}},
    {"--header",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "the first line names the columns and is skipped;\n"
                       "with %1"),
     {"--field"}},
    //: %1 and %2 are options.
    {"--strict",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "with %1: exit status 1 when a record had too few\n"
                       "fields for a column (or for that of %2); with\n"
                       "several columns, such records are told only then,\n"
                       "and the fields they have are read"),
     {"--field", "--group-by"}},
    {"--sample", QT_TRANSLATE_NOOP("CommandLineHelp", "sample variance and deviations (the default)")},
    {"--population", QT_TRANSLATE_NOOP("CommandLineHelp", "population variance and deviations")},
    //: %1 and %2 are the formats tsv and json.
    {"--decimals TEXT",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "decimal places, as typed in the window, at most 10\n"
                       "(default 3, and every digit in %1 and %2)"),
     {"tsv", "json"}},
    //: %1 and %2 are the formats tsv and json, %3 an option.
    {"--all-decimals",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "show all decimals as the window does (a value its ten\n"
                       "decimals would show as 0 or with fewer than four\n"
                       "significant digits with 15); every digit in %1 and\n"
                       "%2 (%3 is ignored)"),
     {"tsv", "json", "--decimals"}},
    //: %1, %2 and %3 are the formats text, tsv and json, %4 an option.
    {"--format NAME",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "%1: the rows as the window shows them (the default);\n"
                       "%2: one 'key<TAB>value' line per row;\n"
                       "%3: one object of the rows;\n"
                       "%2 and %3 write '.' as the decimal separator and\n"
                       "every digit of each value (the shortest text that\n"
                       "reads back to the same double), unless %4\n"
                       "is given"),
     {"text", "tsv", "json", "--decimals"}},
    {"--more", QT_TRANSLATE_NOOP("CommandLineHelp",
                                 "after the twelve rows: the minimum, maximum, range,\n"
                                 "quartiles, interquartile range, kurtosis, standard\n"
                                 "error of the mean and (sample only) the mean's 95 %\n"
                                 "confidence interval, rounded as the mean is; then the\n"
                                 "geometric, harmonic and trimmed mean, the median\n"
                                 "absolute deviation (raw and times 1.4826) and the\n"
                                 "median's confidence interval with its actual coverage")},
    //: %1 is an option.
    {"--confidence LEVEL",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "the level of both confidence intervals, in percent,\n"
                       "from 50 to 99.9 (default 95); with %1"),
     {"--more"}},
    //: %1 is an option.
    {"--trim SHARE",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "the share the trimmed mean cuts from each end, at\n"
                       "least 0 and below 0.5 (default 0.05); with %1"),
     {"--more"}},
    //: %1 and %2 are examples of the option's value, kept as they are; %3 an option.
    {"--percentile P,...",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "a row for each percentile from 0 to 100 (%1, or\n"
                       "%2), by the method of %3"),
     {"5", "2.5,50,97.5", "--quantile-method"}},
    //: %1 and %2 are method names, kept as they are.
    {"--quantile-method NAME",
     QT_TRANSLATE_NOOP("CommandLineHelp",
                       "how percentiles and quartiles are placed: R's type\n"
                       "1 to 9, or its name (%1, the default, is type 7;\n"
                       "%2 is type 6); a row names the method"),
     {"inclusive", "exclusive"}},
    {"--normality", QT_TRANSLATE_NOOP("CommandLineHelp",
                                      "Shapiro-Wilk's W (3 to 5000 numbers) and D'Agostino\n"
                                      "and Pearson's K², each with its p-value and a plain\n"
                                      "reading at the 5 % level")},
    {"--frequencies", QT_TRANSLATE_NOOP("CommandLineHelp",
                                        "after the rows, how many numbers there are of each\n"
                                        "value (up to 50 values) or in each bin of a\n"
                                        "histogram, in percent and cumulated")},
    {"--time", QT_TRANSLATE_NOOP("CommandLineHelp", "the time taken to read and for each row, on standard error")},
    {"-h, --help", QT_TRANSLATE_NOOP("CommandLineHelp", "show this help and exit")},
    {"-V, --version", QT_TRANSLATE_NOOP("CommandLineHelp", "show the version and exit")},
    //: %1 is PATH.
    {"--", QT_TRANSLATE_NOOP("CommandLineHelp", "end of the options: every argument after it is a %1"), {"PATH"}},
};

std::string Options() {
  constexpr std::size_t kColumn = 20;
  std::string text = core::HelpParagraph(Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "Options:")));
  for (const OptionHelp& option : kOptionHelp) {
    const auto& a = option.args;
    text += core::HelpItem(option.names, Piece(option.description, {a[0], a[1], a[2], a[3]}), kColumn);
  }
  return text;
}

// The keys of the rows the options beyond --more's add.
std::string FurtherKeys() {
  //: %1, %3, %5 and %7 are options, %2, %4, %6 and %8 lists of keys (LEVEL and P stand for the figures
  //: given, as in ci90_low and p97.5). Wrap at 80 columns.
  return core::HelpParagraph(Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                                                     "After them, with %1: %2;\n"
                                                     "with %3: %4;\n"
                                                     "with %5: %6;\n"
                                                     "with %7: %8.\n"
                                                     "At a level other than 95 %, ci95_low and ci95_high are "
                                                     "ciLEVEL_low and\n"
                                                     "ciLEVEL_high."),
                                   {"--more",
                                    "geometric_mean, harmonic_mean, trimmed_mean, mad,\n"
                                    "mad_scaled, median_ciLEVEL_low, median_ciLEVEL_high, median_ciLEVEL_coverage",
                                    "--percentile, --quantile-method", "method, pP...", "--normality",
                                    "shapiro_wilk_w, shapiro_wilk_p,\n"
                                    "shapiro_wilk_reading, k2, k2_p, k2_reading",
                                    "--frequencies", "frequencies"}));
}

std::string KeysAndExitStatus(std::string_view outOfMemory) {
  //: %1 and %2 are options, %3 and %4 format names, %6 and %8 options, %9 the manual page. %5 and %7 are
  //: the lists of keys, three lines each as in English: start a line before them when they do not fit. Wrap
  //: at 80 columns.
  std::string text = core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                              "%1 and %2 are accepted\n"
                              "too. The keys of %3 and %4: %5, and with %6 %7 (the last two not with %8);\n"
                              "see %9."),
            {"--decimals=TEXT, --format=NAME, --field=N|NAME", "--delimiter=C", "tsv", "json",
             "count, sum, sum_squared, sum_of_squares, mode,\n"
             "median, mean, variance, skew, average_deviation, standard_deviation,\n"
             "coefficient_of_variation",
             "--more",
             "minimum, maximum, range,\n"
             "first_quartile, third_quartile, interquartile_range, kurtosis,\n"
             "standard_error, ci95_low, ci95_high",
             "--population", "tallowmere-analyse(1)"}));
  text += '\n';
  text += FurtherKeys();
  text += '\n';
  text += core::HelpParagraph(Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "Exit status:")));
  constexpr std::size_t kColumn = 5;
  //: An exit status's description: it starts at column 6; wrap at 80 columns.
  text += core::HelpItem("0", Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "done")), kColumn);
  //: Starts at column 6; wrap at 80 columns. %1 is an option, %2 the program's name, %3 its message when out
  //: of memory.
  text += core::HelpItem("1",
                         Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                                                 "no numbers, a path that could not be read, or the output failed\n"
                                                 "(also a quoted field left open at the end of a table, and with %1\n"
                                                 "a record with too few fields; the results are still written);\n"
                                                 "out of memory ('%2: %3', and no results)"),
                               {"--strict", kProgram, outOfMemory}),
                         kColumn);
  text += core::HelpItem("2", Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "usage error")), kColumn);
  return text;
}

}  // namespace

std::string AnalyseHelpText(std::string_view outOfMemory) {
  std::string text(kAnalyseUsage);
  text += '\n';
  text += Introduction();
  text += '\n';
  text += Options();
  text += '\n';
  text += KeysAndExitStatus(outOfMemory);
  return text;
}

}  // namespace tallowmere::tools
