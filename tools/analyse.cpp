// tallowmere-analyse: the analysis of "Start Analysis" without a window, for
// scripting, benchmarks and tests. It runs the same code as the window.
//
//   tallowmere-analyse [options] --entries [FILE]
//   tallowmere-analyse [options] [PATH...]
//   tallowmere-analyse [options] --field N|NAME [PATH...]
//   tallowmere-analyse [options] --field A,B...|--all-fields [--group-by COL] [PATH...]
//
// With --entries each line of FILE (standard input when absent or "-") is one
// entry of the number list, verbatim, as if typed. Otherwise each PATH is read
// as if dropped on the number list (a file as a list file, a folder walked and
// its files read), "-" (or no PATH at all) being standard input read as one
// list file; with --field every file read is a table, of which one column
// is read. What could not be read is told on standard error, one line each,
// "tallowmere-analyse: PATH: what went wrong". The rows are written as the
// window shows them, or as TSV or JSON for scripts.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "AnalyseHelp.h"
#include "AnalyseRows.h"
#include "core/CommandOptions.h"
#include "core/MemoryFailures.h"
#include "core/Translation.h"
#include "input/AddFolder.h"
#include "input/ColumnFile.h"
#include "input/DelimitedFile.h"
#include "input/DropFiles.h"
#include "input/EntryLines.h"
#include "input/EntrySource.h"
#include "input/ListFile.h"
#include "input/ReadTally.h"
#include "input/SheetReading.h"
#include "input/SpreadsheetKind.h"
#include "input/TableColumns.h"
#include "input/TableStart.h"
#include "input/TextEncoding.h"
#include "input/TwoThreadTable.h"
#include "numtext/NumberText.h"
#include "platform/Language.h"
#include "results/Analysis.h"
#include "results/AnalysisEntries.h"
#include "results/ColumnFormats.h"
#include "results/RowFormats.h"
#include "results/RowLabels.h"
#include "stats/Statistics.h"
#include "system/HugePages.h"
#include "system/LocaleSeparators.h"

namespace tallowmere::tools {

using namespace core;
using namespace stats;
using namespace system;
using namespace input;
using namespace results;

namespace {

class CommandLineHost : public ErrorSink {
 public:
  // The user's separators, read once from the locale.
  numtext::Separators separators = SystemSeparators();
  // The number list: the lines of --entries, or what list files added. The
  // leading number of each plain entry is read while its text is at hand,
  // and the text itself is not kept.
  EntrySource entries;
  // The decimal places as the window would read them from its box.
  DecimalOptions decimals{.places = 3};
  std::vector<std::chrono::steady_clock::time_point> rowTimes;  // when each row came, for --time
  std::size_t reports = 0;
  // With --field: how the files are read as tables, and what was wrong with
  // them.
  std::optional<TableFormat> table;
  // --encoding's form of the tables' text; none: each file's by its first
  // block, as the window's table dialog detects it.
  std::optional<TextForm> encoding;
  std::size_t shortRecords = 0;
  // With several columns and --strict: the records too short for a column
  // are told (without, their fields that are there are read unremarked).
  bool tellShortRows = false;
  bool unclosedQuote = false;
  std::optional<std::string> columnMissingIn;  // the file whose header lacks the --field NAME
  std::string missingColumn;                   // that NAME
  // With several columns, or groups: where each column's entries go, file
  // after file.
  std::optional<TableColumns> columns;
  // With --sheet: the sheet of each spreadsheet read (else its first).
  SheetPick sheet;
  // With columns: the message of a run that found no numbers, said in its
  // column's block rather than on its own.
  bool holdMessages = false;
  std::string message;
  std::string blockName;  // the column (and group) being analysed, naming its reports
  // Without --field: the first files read as list files, to name a table
  // among them when no numbers came.
  std::vector<std::string> listFilesRead;

  std::size_t EntryCount() const { return entries.Count(); }

  // Whether the program failed to get memory anywhere (a reader, the
  // engine, a row) since it started: nothing it then computed is shown.
  bool OutOfMemory() const { return core::MemoryFailures() != memoryFailuresAtStart; }
  std::uint64_t memoryFailuresAtStart = core::MemoryFailures();
  // With several blocks analysed at once: where the lines for standard error
  // of the block in hand are kept, to be told once the blocks before it have
  // told theirs (else they are told at once).
  std::string* heldLines = nullptr;

  AnalysisHost Host() {
    return {.errors = *this,
            .entries = entries,
            .decimals = decimals,
            .setBusy = [](bool) {},
            .clearResults = [this] { rowTimes.clear(); },
            .addResultRow = [this](const std::string&) { rowTimes.push_back(std::chrono::steady_clock::now()); },
            .showMessage =
                [this](const std::string& text) {
                  // No numbers, for want of memory to hold them.
                  if (OutOfMemory()) return;
                  if (holdMessages)
                    message = core::Translated("Analysis", text.c_str());
                  else
                    std::cerr << core::Translated("Analysis", text.c_str()) << '\n';
                }};
  }

  void ReportError(const std::string& description, std::string_view location, int label) override;
};

constexpr const char* kProgram = "tallowmere-analyse";
constexpr const char* kStandardInput = QT_TRANSLATE_NOOP("Analyser", "standard input");
constexpr const char* kNotRegularFile = QT_TRANSLATE_NOOP("Analyser", "not a regular file");
// What the error report says of a std::bad_alloc.
constexpr std::string_view kOutOfMemoryReport = "Out of memory";
constexpr const char* kOutOfMemory = QT_TRANSLATE_NOOP("Analyser", "out of memory");

// The one line of a run that failed to get memory; it needs none itself.
// Its words are looked up at the start (OutOfMemoryWords), so that telling
// them allocates nothing.
void TellOutOfMemory() {
  std::fputs(kProgram, stderr);
  std::fputs(": ", stderr);
  std::fputs(core::Translated("Analyser", kOutOfMemory).data(), stderr);
  std::fputc('\n', stderr);
}

// A line for standard error with every control character (a file name may
// hold line ends and escape sequences) written as an escape.
std::string Printable(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

// The analyser's own words in the user's language; option names, file names
// and the keys of --format tsv and json never change.
std::string Tr(const char* text) { return std::string(core::Translated("Analyser", text)); }

std::string TrCount(const char* one, const char* many, std::size_t n) {
  return core::TranslatedCount("Analyser", one, many, n, std::to_string(n));
}

// One line on standard error: "tallowmere-analyse: WHAT".
void Tell(std::string_view what) { std::cerr << kProgram << ": " << Printable(what) << '\n'; }

// Tell, or the same line kept in `held` when it is given.
void TellOrHold(std::string* held, std::string_view what) {
  if (held == nullptr) return Tell(what);
  *held += kProgram;
  *held += ": ";
  *held += Printable(what);
  *held += '\n';
}

// Once per file: how many of its lines were read in the other decimal
// convention than the user's ("71,2" as 71.2 in an English locale), which a
// reader of the results would not otherwise know.
void TellOtherConvention(CommandLineHost& host, const std::string& name) {
  const ReadTally tally = host.columns ? host.columns->TakeOtherConvention() : host.entries.TakeOtherConvention();
  if (tally.otherConvention == 0) return;
  const std::string& first = tally.firstOtherConvention;
  const std::size_t last = first.find_last_of(",.");
  const bool comma = last != std::string::npos && first[last] == ',';
  const std::size_t n = tally.otherConvention;
  const std::string text =
      comma ? TrCount("%1 line was read with a decimal comma (first: \"%2\")",
                      QT_TRANSLATE_N_NOOP("Analyser", "%1 lines were read with a decimal comma (first: \"%2\")"), n)
            : TrCount("%1 line was read with a decimal point (first: \"%2\")",
                      QT_TRANSLATE_N_NOOP("Analyser", "%1 lines were read with a decimal point (first: \"%2\")"), n);
  Tell(name + ": " + core::Fill(text, {"%1", first.substr(0, 32)}));
}

// The twelve rows as a line of standard error names them, in row order.
constexpr const char* kRowSubjects[] = {
    QT_TRANSLATE_NOOP("Analyser", "the number of entries"),
    QT_TRANSLATE_NOOP("Analyser", "the sum"),
    QT_TRANSLATE_NOOP("Analyser", "the sum squared"),
    QT_TRANSLATE_NOOP("Analyser", "the sum of squares"),
    QT_TRANSLATE_NOOP("Analyser", "the mode"),
    QT_TRANSLATE_NOOP("Analyser", "the median"),
    QT_TRANSLATE_NOOP("Analyser", "the mean"),
    QT_TRANSLATE_NOOP("Analyser", "the variance"),
    QT_TRANSLATE_NOOP("Analyser", "the skew"),
    QT_TRANSLATE_NOOP("Analyser", "the average deviation"),
    QT_TRANSLATE_NOOP("Analyser", "the standard deviation"),
    QT_TRANSLATE_NOOP("Analyser", "the coefficient of variation"),
};
static_assert(std::size(kRowSubjects) == std::size(kRowSteps));

// What a report of the analysis was about, for a reader who has no window:
// an entry (the run's own step), or the row whose value failed.
std::string ReportSubject(std::string_view location, int label) {
  if (location == kStartAnalysisLocation)
    return label == kReadEntryStep ? Tr(QT_TRANSLATE_NOOP("Analyser", "an entry")) : std::string();
  if (location != kShowResultsLocation) return {};
  const std::optional<Row> row = RowOfStep(label);
  return row ? Tr(kRowSubjects[static_cast<std::size_t>(*row)]) : std::string();
}

void CommandLineHost::ReportError(const std::string& description, std::string_view location, int label) {
  ++reports;
  // A failure to get memory, and what failed after it, is told once, as the
  // run ends.
  if (description == kOutOfMemoryReport) core::NoteMemoryFailure();
  if (OutOfMemory()) return;
  // A file's failure names the file itself; the window's handlers and line
  // labels mean nothing here.
  const std::string subject = ReportSubject(location, label);
  const std::string what = subject.empty() ? description : subject + ": " + description;
  TellOrHold(heldLines, blockName.empty() ? what : blockName + ": " + what);
}

// What was wrong with one table file, told on standard error as it is met,
// naming the file and the line a record begins on; counted in the host.
// A column as the messages of short records name it: by its name when it
// was chosen by one, else by its number.
std::string ColumnWords(std::size_t number, const std::string& name) {
  return name.empty() ? core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "field %1")), {std::to_string(number)})
                      : core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "the column '%1'")), {name});
}

std::string LineWords(std::uint64_t line) {
  return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "line %1")), {std::to_string(line)});
}

class TableReport final : public input::TableProblems {
 public:
  TableReport(std::string name, CommandLineHost& host) : name_(std::move(name)), host_(host) {}
  void ShortRecord(std::uint64_t line, std::size_t fields) override {
    ++host_.shortRecords;
    if (++shortRecords_ > kToldShortRecords) return;
    const input::ColumnChoice& column = host_.table->column;
    const std::string text =
        TrCount("%1 field, too few for %2; the record is skipped",
                QT_TRANSLATE_N_NOOP("Analyser", "%1 fields, too few for %2; the record is skipped"), fields);
    Tell(name_ + ": " + LineWords(line) + ": " + core::Fill(text, {"%1", ColumnWords(column.number, column.name)}));
  }
  // Several columns': the short records of the table just read. Their
  // fields that are there were read, as without --strict.
  void ShortRows(const input::ShortRows& rows) {
    static_assert(TableColumns::kShortRowsKept == kToldShortRecords);
    host_.shortRecords += rows.count;
    for (const input::ShortRow& row : rows.first) {
      const std::string text =
          TrCount("%1 field, too few for %2; the fields it has are read",
                  QT_TRANSLATE_N_NOOP("Analyser", "%1 fields, too few for %2; the fields it has are read"), row.fields);
      Tell(name_ + ": " + LineWords(row.line) + ": " +
           core::Fill(text, {"%1", ColumnWords(row.lacking.number, row.lacking.name)}));
    }
    if (rows.count > rows.first.size())
      Tell(name_ + ": " +
           TrCount("%1 more record with too few fields",
                   QT_TRANSLATE_N_NOOP("Analyser", "%1 more records with too few fields"),
                   rows.count - rows.first.size()));
  }
  void NameNotInHeader() override {
    host_.columnMissingIn = name_;
    host_.missingColumn = host_.columns ? host_.columns->MissingName().value_or("") : host_.table->column.name;
  }
  void UnclosedQuote(std::uint64_t line) override {
    host_.unclosedQuote = true;
    Tell(name_ + ": " + LineWords(line) + ": " +
         Tr(QT_TRANSLATE_NOOP("Analyser",
                              "the quoted field begun here is not closed before the end of the file; it is left out")));
  }
  // Ends the file: how many more short records there were than were told.
  void End() {
    if (shortRecords_ > kToldShortRecords)
      Tell(name_ + ": " +
           TrCount("%1 more record with too few fields skipped",
                   QT_TRANSLATE_N_NOOP("Analyser", "%1 more records with too few fields skipped"),
                   shortRecords_ - kToldShortRecords));
  }

 private:
  // A table read with the wrong delimiter has nothing but short records:
  // the first few say what is wrong, a count says the rest.
  static constexpr std::size_t kToldShortRecords = 10;
  std::string name_;
  CommandLineHost& host_;
  std::size_t shortRecords_ = 0;
};

// Reads one table file's cells into its columns; as ReadTable.
template <class Read>
bool ReadColumns(CommandLineHost& host, const std::string& name, Read&& read) {
  TableReport report(name, host);
  host.columns->BeginTable();
  TwoThreadTableReader reader(host.table->delimiter, *host.columns);
  const bool whole = read(static_cast<TextPieceReader&>(reader));
  // In the order of the file: the quote left open ends it.
  if (host.tellShortRows) report.ShortRows(host.columns->TableShortRows());
  if (const std::uint64_t line = reader.UnclosedQuoteLine()) report.UnclosedQuote(line);
  if (host.columns->MissingName()) report.NameNotInHeader();
  return whole;
}

// Reads one table file's column, or standard input's with fd 0; `read` opens
// and reads the file through the reader it is given. Answers as `read` does.
template <class Read>
bool ReadTable(CommandLineHost& host, const std::string& name, Read&& read) {
  if (host.columns) return ReadColumns(host, name, read);
  TableReport report(name, host);
  ColumnTextReader reader(host.entries, host.separators, *host.table, report);
  bool whole = false;
  try {
    whole = read(static_cast<TextPieceReader&>(reader));
  } catch (...) {
    report.End();
    throw;
  }
  report.End();
  return whole;
}

// A list file of no numbers may be a table: the files looked at for one.
constexpr std::size_t kFilesLookedAt = 16;

// The delimiter every line of the first ones of a file holds (the tab, ';',
// ',' or '|', the first of them in that order), when it reads like a table:
// two lines or more.
std::optional<char> TableDelimiter(const std::string& path) {
  constexpr std::size_t kLookedAtBytes = 1 << 16;
  constexpr std::size_t kLookedAtLines = 20;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::string head(kLookedAtBytes, '\0');
  const ssize_t n = ::read(fd, head.data(), head.size());
  ::close(fd);
  head.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  std::vector<std::string_view> lines;
  for (std::string_view rest = head; !rest.empty() && lines.size() < kLookedAtLines;) {
    const std::size_t end = rest.find('\n');
    // A line cut by the end of what was read is not looked at.
    if (end == std::string_view::npos && head.size() == kLookedAtBytes) break;
    const std::string_view line = rest.substr(0, end);
    if (line.find_first_not_of(" \r") != std::string_view::npos) lines.push_back(line);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  // One line is no table, however it is split.
  if (lines.size() < 2) return std::nullopt;
  for (const char delimiter : {'\t', ';', ',', '|'}) {
    if (std::all_of(lines.begin(), lines.end(), [&](std::string_view l) { return l.find(delimiter) != l.npos; }))
      return delimiter;
  }
  return std::nullopt;
}

// Whether the file's first bytes are those of a spreadsheet or of a zip
// archive, which the spreadsheet readers then open or tell what is wrong
// with (a damaged one is never read as text). A file that cannot be read is
// read as text, which tells why.
bool IsSpreadsheet(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string first(kSpreadsheetKindBytes, '\0');
  file.read(first.data(), static_cast<std::streamsize>(first.size()));
  first.resize(static_cast<std::size_t>(file.gcount()));
  return SpreadsheetKindOfBytes(first) != SpreadsheetKind::kNotSpreadsheet;
}

// When no numbers came: names the first file read that looks like a table,
// and how to read a column of it.
void SuggestField(const CommandLineHost& host) {
  for (const std::string& path : host.listFilesRead) {
    if (IsSpreadsheet(path)) {
      Tell(path + ": " +
           Tr(QT_TRANSLATE_NOOP("Analyser",
                                "it is a spreadsheet; choose a column of its first sheet with --field N, "
                                "or --header and --field NAME (and --sheet for another sheet)")));
      return;
    }
    const std::optional<char> delimiter = TableDelimiter(path);
    if (!delimiter) continue;
    const std::string shown = *delimiter == '\t' ? "\\t" : std::string(1, *delimiter);
    //: %1 is the option to add, such as --delimiter ','.
    const std::string option = *delimiter == '\t' ? ""
                                                  : core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", " (and %1)")),
                                                               {"--delimiter '" + shown + "'"});
    Tell(path + ": " +
         core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser",
                                         "its lines hold fields separated by '%1'; choose a column "
                                         "with --field N, or --header and --field NAME")),
                    {shown}) +
         option);
    return;
  }
}

// Reads the PATHs in order, each run of ordinary paths as a drop would and
// each "-" as standard input read as one list file (or as tables, with
// --field); no PATH reads standard input. False when something could not be read (already told on standard
// error).
// Standard input ("-" among the PATHs) read as one list file, or as a table
// with --field. False when it could not be read whole.
bool ReadStandardInput(CommandLineHost& host) {
  try {
    if (host.table) {
      ReadTable(host, Tr(kStandardInput), [&host](TextPieceReader& reader) {
        // Standard input cannot be looked at twice: without --encoding it is
        // read as a list file's text is.
        ReadDescriptorText(reader, 0, "standard input", host.encoding);
        return true;
      });
    } else {
      ReadListDescriptor(host.entries, 0, host.separators);
    }
    TellOtherConvention(host, Tr(kStandardInput));
    return true;
  } catch (const std::bad_alloc&) {
    core::NoteMemoryFailure();
  } catch (const std::exception& e) {
    Tell(e.what());
  }
  return false;
}

// Why a spreadsheet could not be read, in the words of its message.
std::string SheetMessage(const SheetProblem& problem) {
  switch (problem.failure) {
    case SheetFailure::kLegacyXls:
      return Tr(
          QT_TRANSLATE_NOOP("Analyser", "a workbook of the old .xls form cannot be read; save it as .xlsx or .ods"));
    case SheetFailure::kEncrypted:
      return Tr(QT_TRANSLATE_NOOP("Analyser", "the workbook is protected by a password; save it without one"));
    case SheetFailure::kNoSuchSheet:
      return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "the spreadsheet has no sheet '%1'")), {problem.detail});
    case SheetFailure::kMissingPart:
      return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "the spreadsheet is damaged: it lacks %1")), {problem.detail});
    case SheetFailure::kCannotOpen:
      return problem.detail;
    case SheetFailure::kNotSpreadsheet:
      return Tr(QT_TRANSLATE_NOOP("Analyser", "a zip archive that holds no spreadsheet (.ods or .xlsx)"));
    default:
      // The archive names only the file: it is cut short or no zip at all.
      if (problem.detail.empty()) return Tr(QT_TRANSLATE_NOOP("Analyser", "the spreadsheet is damaged or cut short"));
      return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "the spreadsheet is damaged: %1")), {problem.detail});
  }
}

// The one column of --field as the several columns' reader takes it.
ColumnsChoice SingleColumn(const input::ColumnChoice& column) {
  return {.columns = {{.number = column.name.empty() ? column.number : 0, .name = column.name}},
          .all = false,
          .group = {},
          .header = column.header};
}

// One PATH's spreadsheet, its chosen sheet read as a table: into the
// columns, or with one column into the number list. False when it could
// not be read (told).
bool ReadSheetFile(CommandLineHost& host, const std::string& path) {
  std::optional<TableColumns> single;
  if (!host.columns) single.emplace(SingleColumn(host.table->column), host.separators);
  TableColumns& columns = host.columns ? *host.columns : *single;
  columns.BeginTable();
  SheetProblem problem = ReadSpreadsheet(path, host.sheet, columns);
  if (problem.detail == path) problem.detail.clear();
  if (!problem.Ok()) {
    Tell(path + ": " + SheetMessage(problem));
    return false;
  }
  TableReport report(path, host);
  if (columns.MissingName()) report.NameNotInHeader();
  if (single) {
    const ReadTally other = single->TakeOtherConvention();
    host.entries.NoteOtherConvention(other.firstOtherConvention, other.otherConvention);
    for (ColumnEntries& block : single->TakeBlocks()) host.entries.AppendAll(block.entries);
  }
  TellOtherConvention(host, path);
  return true;
}

// The form one table file's text is read in: --encoding's, else the one its
// first block shows (a CSV saved on Windows in a Western locale is no UTF-8,
// and its names and groups would come out garbled); none for a file that
// cannot be looked at, which the reading then reports.
std::optional<TextForm> TableTextForm(const CommandLineHost& host, const std::string& path) {
  if (host.encoding) return host.encoding;
  const std::optional<TableStart> start = ReadTableStart(path);
  if (!start) return std::nullopt;
  return DetectTextForm(start->bytes, start->whole);
}

// One PATH's file read as a table.
bool ReadTableFile(CommandLineHost& host, const std::string& path, const ShowNotReadFn& showNotRead,
                   const LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  if (IsSpreadsheet(path)) return ReadSheetFile(host, path);
  const std::optional<TextForm> form = TableTextForm(host, path);
  const bool whole = ReadTable(host, path, [&](TextPieceReader& reader) {
    // The columns' blocks get their room from the file's size once the
    // first rows show how long a row is.
    auto* const columns = dynamic_cast<TwoThreadTableReader*>(&reader);
    EntrySink& list = columns ? columns->FileList() : host.entries;
    return LoadFileText(list, reader, path, showNotRead, letEventsRun, shouldStop, form);
  });
  TellOtherConvention(host, path);
  return whole;
}

bool ReadListPaths(std::vector<std::string> paths, CommandLineHost& host) {
  EntrySink& sink = host.entries;
  bool ok = true;
  DropHost ctx{sink,
               host,
               [&ok](const std::string& path, NotRead why) {
                 ok = false;
                 Tell(path + ": " +
                      (why == NotRead::kMissing ? std::string(core::Translated("ListFile", kFileNotFoundMessage))
                                                : Tr(kNotRegularFile)));
               },
               {}};
  ctx.separators = host.separators;
  // The window leaves a folder it may not list out without a word; here the
  // numbers it holds would be missing from the results unseen.
  ctx.folderUnreadable = [&ok](const std::string& folder, const std::string& reason) {
    ok = false;
    std::cerr << kProgram << ": " << folder << ": " << Tr(QT_TRANSLATE_NOOP("Analyser", "cannot read the folder"))
              << ": " << reason << '\n';
  };
  if (host.table) {
    ctx.readFile = [&host](const std::string& path, const ShowNotReadFn& showNotRead, const LetEventsRun& letEventsRun,
                           const ShouldStopFn& shouldStop) {
      return ReadTableFile(host, path, showNotRead, letEventsRun, shouldStop);
    };
    // A header without the column is a mistake of the command line: nothing
    // more is read.
    ctx.shouldStop = [&host] { return host.columnMissingIn.has_value(); };
  } else {
    ctx.readFile = [&host](const std::string& path, const ShowNotReadFn& showNotRead, const LetEventsRun& letEventsRun,
                           const ShouldStopFn& shouldStop) {
      if (host.listFilesRead.size() < kFilesLookedAt) host.listFilesRead.push_back(path);
      const bool whole = LoadListFile(host.entries, path, host.separators, showNotRead, letEventsRun, shouldStop);
      TellOtherConvention(host, path);
      return whole;
    };
  }
  const std::size_t reportsBefore = host.reports;
  if (paths.empty()) paths.push_back("-");
  std::vector<std::string> run;
  auto dropRun = [&] {
    if (!run.empty()) ReadDroppedPaths(std::exchange(run, {}), ctx);
  };
  for (std::string& path : paths) {
    if (path != "-") {
      run.push_back(std::move(path));
      continue;
    }
    dropRun();
    if (host.columnMissingIn) break;
    if (!ReadStandardInput(host)) ok = false;
  }
  if (!host.columnMissingIn) dropRun();
  return ok && !host.unclosedQuote && host.reports == reportsBefore;
}

// Opens FILE of --entries as a PATH's file is opened: only a regular file
// (or a link to one) is read, as a device or a FIFO may never end. -1 when
// it is not read, told on standard error.
int OpenEntriesFile(const std::string& file) {
  auto fail = [&](int error) {
    Tell(file + ": " +
         (error == ENOENT ? std::string(core::Translated("ListFile", kFileNotFoundMessage)) : std::strerror(error)));
    return -1;
  };
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return fail(errno);
  if (!S_ISREG(st.st_mode)) {
    Tell(file + ": " + Tr(kNotRegularFile));
    return -1;
  }
  // Without waiting for a writer, should a FIFO have taken the file's place
  // since: reading a regular file never waits anyway.
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return fail(errno);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    Tell(file + ": " + Tr(kNotRegularFile));
    return -1;
  }
  return fd;
}

// Reads the lines of --entries: FILE, or standard input when it is empty or
// "-". False when it could not be read whole (already told on standard
// error); nothing is then analysed, as a half-read text would mislead.
bool ReadEntriesFile(const std::string& file, CommandLineHost& host) {
  const bool standardInput = file.empty() || file == "-";
  const std::string name = standardInput ? Tr(kStandardInput) : file;
  int fd = STDIN_FILENO;
  if (!standardInput) {
    fd = OpenEntriesFile(file);
    if (fd < 0) return false;
  }
  bool ok = true;
  try {
    const system::FileWatch watch(fd, name);
    const std::size_t cut = ReadEntryLines(host.entries, fd, watch);
    if (cut > 0) {
      const std::string most = std::to_string(kMaxCandidateBytes);
      const std::string text =
          TrCount("%1 line is longer than %2 bytes and is read as its first %2 bytes",
                  QT_TRANSLATE_N_NOOP("Analyser",
                                      "%1 lines are longer than %2 bytes and are each read as their first %2 bytes"),
                  cut);
      Tell(name + ": " + core::Fill(text, {"%1", most}));
    }
  } catch (const std::bad_alloc&) {
    core::NoteMemoryFailure();
    ok = false;
  } catch (const std::exception& e) {
    Tell(e.what());
    ok = false;
  }
  if (!standardInput) ::close(fd);
  return ok;
}

// The delimiter of --delimiter: one ASCII character, or "\t" for a tab.
// Empty with the reason when it cannot be one.
std::string ChooseDelimiter(const std::string& text, char& delimiter) {
  const std::string option = "--delimiter '" + text + "': ";
  if (text == "\\t") {
    delimiter = '\t';
    return {};
  }
  if (text.size() != 1) {
    // A character beyond ASCII takes several bytes, and a field of UTF-8
    // text could hold the first of them.
    const bool oneCharacter = !text.empty() && static_cast<unsigned char>(text[0]) >= 0xC0 &&
                              std::all_of(text.begin() + 1, text.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
    return option + (oneCharacter ? Tr(QT_TRANSLATE_NOOP("Analyser", "the delimiter must be an ASCII character"))
                                  : Tr(QT_TRANSLATE_NOOP("Analyser", "the delimiter must be one character")));
  }
  if (text[0] == '"') return option + Tr(QT_TRANSLATE_NOOP("Analyser", "the quote cannot be the delimiter"));
  if (text[0] == '\n' || text[0] == '\r')
    return option + Tr(QT_TRANSLATE_NOOP("Analyser", "a line end cannot be the delimiter"));
  if (static_cast<unsigned char>(text[0]) >= 0x80)
    return option + Tr(QT_TRANSLATE_NOOP("Analyser", "the delimiter must be an ASCII character"));
  delimiter = text[0];
  return {};
}

// The decimal places of --decimals, read as the window reads its box (the
// user's separators, rounded to a whole number, ties to the even one): at
// most ten, as the ten-decimal format step keeps no more, and no fewer than
// the box's 16 bits hold (negative places round to tens, hundreds, ...).
// Empty with the reason when the text is none of those.
std::string CheckDecimals(const std::string& text, const numtext::Separators& separators) {
  constexpr int kMostPlaces = 10;
  const std::string option = "--decimals '" + text + "': ";
  if (!numtext::IsNumeric(text, separators))
    return option + Tr(QT_TRANSLATE_NOOP("Analyser", "not a number of decimal places"));
  int places = 0;
  try {
    places = numtext::ToInteger16(text, separators);
  } catch (...) {
    places = std::numeric_limits<int>::min();
  }
  if (places < std::numeric_limits<std::int16_t>::min() || places > kMostPlaces)
    return option + core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "decimal places run from %1 to %2")),
                               {std::to_string(std::numeric_limits<std::int16_t>::min()), std::to_string(kMostPlaces)});
  return {};
}

// A column of `name` (--field, --group-by): a number from 1, or, with
// --header, the name of its header cell. A sign and digits are a number.
// Empty with the reason when it is neither.
std::string ChooseColumn(const char* name, const std::string& text, bool header, input::ColumnChoice& column) {
  const std::string option = std::string(name) + " '" + text + "': ";
  column.header = header;
  const std::size_t digits = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data() + digits, text.data() + text.size(), number);
    if (error == std::errc::result_out_of_range)
      return option + Tr(QT_TRANSLATE_NOOP("Analyser", "no table has that many columns"));
    if (text[0] == '-' || number == 0) return option + Tr(QT_TRANSLATE_NOOP("Analyser", "columns are numbered from 1"));
    column.number = number;
    return {};
  }
  if (text.empty())
    return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "option '%1' needs a column number or name")), {name});
  if (!header) return option + Tr(QT_TRANSLATE_NOOP("Analyser", "not a column number; a column name needs --header"));
  column.name = text;
  return {};
}

enum Option {
  kDecimals,
  kFormat,
  kField,
  kAllFields,
  kGroupBy,
  kSheet,
  kDelimiter,
  kEncoding,
  kPopulation,
  kSample,
  kAllDecimals,
  kMore,
  kConfidence,
  kTrim,
  kPercentile,
  kQuantileMethod,
  kNormality,
  kFrequencies,
  kTime,
  kHeader,
  kStrict,
  kEntries,
  kHelp,
  kVersion,
};

constexpr OptionRow kOptions[] = {
    {.id = kDecimals, .name = "--decimals", .value = OptionValue::kRequired},
    {.id = kFormat, .name = "--format", .value = OptionValue::kRequired},
    {.id = kField, .name = "--field", .value = OptionValue::kRequired},
    {.id = kAllFields, .name = "--all-fields"},
    {.id = kGroupBy, .name = "--group-by", .value = OptionValue::kRequired},
    {.id = kSheet, .name = "--sheet", .value = OptionValue::kRequired},
    {.id = kDelimiter, .name = "--delimiter", .value = OptionValue::kRequired},
    {.id = kEncoding, .name = "--encoding", .value = OptionValue::kRequired},
    {.id = kPopulation, .name = "--population"},
    {.id = kSample, .name = "--sample"},
    {.id = kAllDecimals, .name = "--all-decimals"},
    {.id = kMore, .name = "--more"},
    {.id = kConfidence, .name = "--confidence", .value = OptionValue::kRequired},
    {.id = kTrim, .name = "--trim", .value = OptionValue::kRequired},
    {.id = kPercentile, .name = "--percentile", .value = OptionValue::kRequired},
    {.id = kQuantileMethod, .name = "--quantile-method", .value = OptionValue::kRequired},
    {.id = kNormality, .name = "--normality"},
    {.id = kFrequencies, .name = "--frequencies"},
    {.id = kTime, .name = "--time"},
    {.id = kHeader, .name = "--header"},
    {.id = kStrict, .name = "--strict"},
    // Each line of FILE is an entry; FILE is standard input when left out.
    {.id = kEntries, .name = "--entries", .value = OptionValue::kOptional},
    {.id = kHelp, .name = "--help", .shortName = "-h"},
    {.id = kVersion, .name = "--version", .shortName = "-V"},
};

// A mistake on the command line: what was wrong, then how to call.
int UsageError(const std::string& what) {
  std::cerr << kProgram << ": " << what << '\n'
            << kAnalyseUsage
            << core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "Try '%1 --help' for more information.")), {kProgram})
            << '\n';
  return 2;
}

// A reader that went away (a closed pipe) ends the program the way a write
// to it ends any filter, even when SIGPIPE was ignored by whoever started it.
[[noreturn]] void DieOfBrokenPipe() {
  ::signal(SIGPIPE, SIG_DFL);
  sigset_t pipeOnly;
  sigemptyset(&pipeOnly);
  sigaddset(&pipeOnly, SIGPIPE);
  pthread_sigmask(SIG_UNBLOCK, &pipeOnly, nullptr);
  ::raise(SIGPIPE);
  std::_Exit(128 + SIGPIPE);
}

// Writes the whole text to standard output and closes it, so that an error
// the system only reports at close (a full disk behind a network file
// system) is seen too. False, told on standard error, when output was lost.
bool WriteOut(std::string_view text, const char* what) {
  int error = 0;
  for (std::size_t done = 0; done < text.size() && error == 0;) {
    const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
    if (n >= 0) {
      done += static_cast<std::size_t>(n);
    } else if (errno != EINTR) {
      error = errno;
    }
  }
  if (error == 0 && ::close(STDOUT_FILENO) != 0 && errno != EINTR) error = errno;
  if (error == EPIPE) DieOfBrokenPipe();
  if (error == 0) return true;
  std::cerr << kProgram << ": " << core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "cannot write %1")), {Tr(what)}) << ": "
            << std::strerror(error) << '\n';
  return false;
}

// The words in the user's language; numbers keep the locale's separators.
void StartLanguage() {
  static platform::Translations translations;
  platform::StartTranslations(translations, false);
  // Looked up now, so that telling it later needs no memory.
  core::Translated("Analyser", kOutOfMemory);
}

// What the command line asked for, once read.
struct RunOptions {
  bool sample = true;
  bool time = false;
  bool entriesMode = false;
  std::string entriesFile;
  std::vector<std::string> paths;
  results::Format format = results::Format::kText;
  std::optional<std::string> decimalsText, delimiterText, encodingText, groupText, sheetText;
  std::vector<std::string> fieldTexts;  // each --field as given
  bool allFields = false;
  bool allDecimals = false;
  bool header = false;
  bool strict = false;
  // The rows beyond --more's, as given and then as chosen.
  RowOptions rowOptions;
  results::RowChoices rows;
};

// The format of --format; false when it is none.
bool ChooseFormat(const std::string& text, results::Format& format) {
  static constexpr std::pair<std::string_view, results::Format> kFormats[] = {
      {"text", results::Format::kText}, {"tsv", results::Format::kTsv}, {"json", results::Format::kJson}};
  for (const auto& [name, chosen] : kFormats) {
    if (text != name) continue;
    format = chosen;
    return true;
  }
  return false;
}

// One of the options of the rows beyond the twelve.
void TakeRowOption(Option option, std::string& value, RowOptions& rows) {
  switch (option) {
    case kMore:
      rows.more = true;
      return;
    case kConfidence:
      rows.level = std::move(value);
      return;
    case kTrim:
      rows.share = std::move(value);
      return;
    case kPercentile:
      rows.percentiles.push_back(std::move(value));
      return;
    case kQuantileMethod:
      rows.method = std::move(value);
      return;
    case kNormality:
      rows.normality = true;
      return;
    default:
      rows.frequencies = option == kFrequencies;
      return;
  }
}

// One of the options of tables.
void TakeTableOption(Option option, std::string& value, RunOptions& run) {
  switch (option) {
    case kField:
      run.fieldTexts.push_back(std::move(value));
      return;
    case kAllFields:
      run.allFields = true;
      return;
    case kGroupBy:
      run.groupText = std::move(value);
      return;
    case kSheet:
      run.sheetText = std::move(value);
      return;
    case kDelimiter:
      run.delimiterText = std::move(value);
      return;
    case kEncoding:
      run.encodingText = std::move(value);
      return;
    case kHeader:
      run.header = true;
      return;
    default:
      run.strict = option == kStrict;
      return;
  }
}

// Takes one option into `run`. The exit code when the program ends with it
// (--help, --version, a mistake), else nothing.
std::optional<int> TakeOption(Option option, ReadArgument& argument, RunOptions& run) {
  std::string& value = argument.text;
  switch (option) {
    case kDecimals:
      run.decimalsText = std::move(value);
      break;
    case kFormat:
      if (!ChooseFormat(value, run.format))
        return UsageError(
            core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "unknown format '%1' (use text, tsv or json)")), {value}));
      break;
    case kField:
    case kAllFields:
    case kGroupBy:
    case kSheet:
    case kDelimiter:
    case kEncoding:
    case kHeader:
    case kStrict:
      TakeTableOption(option, value, run);
      break;
    case kPopulation:
    case kSample:
      run.sample = option == kSample;
      break;
    case kAllDecimals:
      run.allDecimals = true;
      break;
    default:
      TakeRowOption(option, value, run.rowOptions);
      break;
    case kTime:
      run.time = true;
      break;
    case kEntries:
      run.entriesMode = true;
      if (argument.hasValue) run.entriesFile = std::move(value);
      break;
    case kHelp:
      return WriteOut(AnalyseHelpText(Tr(kOutOfMemory)), QT_TRANSLATE_NOOP("Analyser", "the help")) ? 0 : 1;
    case kVersion:
      return WriteOut(std::string(kProgram) + " " TALLOWMERE_VERSION "\n", QT_TRANSLATE_NOOP("Analyser", "the version"))
                 ? 0
                 : 1;
  }
  return std::nullopt;
}

// Reads the arguments into `run`, in order. The exit code when the program
// ends with them, else nothing.
std::optional<int> ReadCommandLine(int argc, char** argv, RunOptions& run) {
  const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
  for (ReadArgument& argument : ReadArguments(args, kOptions)) {
    switch (argument.kind) {
      case ReadArgument::Kind::kOperand:
        run.paths.push_back(std::move(argument.text));
        continue;
      case ReadArgument::Kind::kUnknown:
        return UsageError(core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "unknown option '%1'")), {argument.text}));
      case ReadArgument::Kind::kMissingValue:
        return UsageError(core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "option '%1' needs a value")), {argument.text}));
      case ReadArgument::Kind::kOption:
        break;
    }
    if (std::optional<int> end = TakeOption(static_cast<Option>(argument.id), argument, run)) return end;
  }
  return std::nullopt;
}

// The columns of one --field, a comma between two. A comma followed by a
// space belongs to a name ("weight, kg"), as people write header cells.
std::vector<std::string> SplitColumns(const std::string& text) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',' && (i + 1 == text.size() || text[i + 1] != ' '))
      parts.emplace_back();
    else
      parts.back() += text[i];
  }
  return parts;
}

ColumnPick PickOf(const input::ColumnChoice& column) {
  return {.number = column.name.empty() ? column.number : 0, .name = column.name};
}

// Several columns, or groups: each read into its own list. The reason when
// the options do not go with them, else empty.
std::string ChooseColumns(const RunOptions& run, const std::vector<std::string>& parts, TableFormat table,
                          CommandLineHost& host) {
  ColumnsChoice choice{.columns = {}, .all = run.allFields, .group = {}, .header = run.header};
  for (const std::string& part : parts) {
    input::ColumnChoice column;
    if (std::string why = ChooseColumn("--field", part, run.header, column); !why.empty()) return why;
    choice.columns.push_back(PickOf(column));
  }
  if (run.groupText) {
    input::ColumnChoice column;
    if (std::string why = ChooseColumn("--group-by", *run.groupText, run.header, column); !why.empty()) return why;
    choice.group = PickOf(column);
  }
  if (run.entriesMode)
    return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "%1 takes no %2")),
                      {"--entries", run.allFields ? "--all-fields" : "--field"});
  host.tellShortRows = run.strict;
  host.table = std::move(table);
  host.columns.emplace(std::move(choice), host.separators);
  return {};
}

// The table options, when any is given: they go together with --field (or
// --all-fields), and not with --entries. The reason when they do not, else
// empty.
std::string ChooseTable(const RunOptions& run, CommandLineHost& host) {
  const bool columns = !run.fieldTexts.empty() || run.allFields;
  if (!columns && !run.groupText && !run.delimiterText && !run.encodingText && !run.header && !run.strict &&
      !run.sheetText)
    return {};
  if (run.sheetText && !ChooseSheet(*run.sheetText, host.sheet))
    return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "%1 '%2': sheets are numbered from 1")),
                      {"--sheet", *run.sheetText});
  TableFormat table;
  if (run.delimiterText) {
    if (std::string why = ChooseDelimiter(*run.delimiterText, table.delimiter); !why.empty()) return why;
  }
  if (run.encodingText) {
    host.encoding = TextFormNamed(*run.encodingText);
    if (!host.encoding)
      return core::Fill(
          Tr(QT_TRANSLATE_NOOP("Analyser", "%1 '%2': the encoding must be one of %3")),
          {"--encoding", *run.encodingText, "utf-8, utf-16le, utf-16be, utf-32le, utf-32be, windows-1252"});
  }
  if (!columns) {
    // The option that most needs the columns is named.
    const char* given = run.groupText       ? "--group-by"
                        : run.delimiterText ? "--delimiter"
                        : run.encodingText  ? "--encoding"
                        : run.sheetText     ? "--sheet"
                        : run.header        ? "--header"
                                            : "--strict";
    return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "option '%1' needs %2")), {given, "--field"});
  }
  if (run.allFields && !run.fieldTexts.empty())
    return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "%1 takes no %2")), {"--all-fields", "--field"});
  std::vector<std::string> parts;
  for (const std::string& text : run.fieldTexts)
    for (std::string& part : SplitColumns(text)) parts.push_back(std::move(part));
  if (run.allFields || run.groupText || parts.size() != 1) return ChooseColumns(run, parts, std::move(table), host);
  if (std::string why = ChooseColumn("--field", parts[0], run.header, table.column); !why.empty()) return why;
  // Each line of --entries is one typed entry: there are no fields.
  if (run.entriesMode) return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "%1 takes no %2")), {"--entries", "--field"});
  host.table = std::move(table);
  return {};
}

// Checks the options against each other and gives the host what the run
// needs of them. The reason when they do not go together, else empty.
std::string ApplyOptions(RunOptions& run, CommandLineHost& host) {
  if (run.entriesMode && !run.paths.empty())
    return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "%1 takes no PATH")), {"--entries"});
  if (run.decimalsText) {
    if (std::string why = CheckDecimals(*run.decimalsText, host.separators); !why.empty()) return why;
    host.decimals.places = numtext::ToInteger16(*run.decimalsText, host.separators);
  }
  if (std::string why = ChooseTable(run, host); !why.empty()) return why;
  if (std::string why = ChooseRows(run.rowOptions, host.separators, run.rows); !why.empty()) return why;
  // Scripts read tsv and json as numbers, to be worked on further: they get
  // every digit of the engine's doubles unless they asked for a rounding.
  if (run.format != results::Format::kText && !run.decimalsText) run.allDecimals = true;
  host.decimals.showAll = run.allDecimals;
  // "Show all decimals" shows 10 in the disabled decimal-places box.
  if (run.allDecimals) host.decimals.places = 10;
  return {};
}

// Started in the background by a shell without job control, the program
// finds SIGINT ignored, and a reading that never ends (a file of /proc)
// could then not be interrupted: an interrupt always ends it.
void LetInterruptsEnd() {
  ::signal(SIGINT, SIG_DFL);
  sigset_t interruptOnly;
  sigemptyset(&interruptOnly);
  sigaddset(&interruptOnly, SIGINT);
  pthread_sigmask(SIG_UNBLOCK, &interruptOnly, nullptr);
}

// Fills the number list as the command line says. The exit code when the
// program ends there, else nothing; `readAll` false when something could not
// be read (already told): the list is still analysed, as in the window, but
// the exit code tells.
std::optional<int> ReadNumberList(RunOptions& run, CommandLineHost& host, bool& readAll) {
  readAll = true;
  if (run.entriesMode) {
    if (!ReadEntriesFile(run.entriesFile, host)) {
      if (host.OutOfMemory()) TellOutOfMemory();
      return 1;
    }
    const NotNumbers notNumbers = NotNumbersAmong(host.entries, 0, host.entries.Count(), host.separators);
    if (const std::string sentence = NotNumbersSentence(notNumbers, host.separators); !sentence.empty()) Tell(sentence);
    return std::nullopt;
  }
  readAll = ReadListPaths(std::move(run.paths), host);
  if (host.columnMissingIn)
    return UsageError(Printable(*host.columnMissingIn + ": the header has no column '" + host.missingColumn + "'"));
  return std::nullopt;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// With --time: each row's time, counted from the one before (the first from
// `since`, the start of its analysis, so it includes reading the entries and
// sorting).
void TellRowTimes(const std::vector<Clock::time_point>& rows, Clock::time_point since) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::fprintf(stderr, "  row %2zu: %7.1f ms\n", i + 1, Seconds(rows[i] - since) * 1000.0);
    since = rows[i];
  }
}

// With --time: how long reading and the analysis took, and each row.
void TellTimes(const CommandLineHost& host, Clock::time_point start, Clock::time_point read,
               Clock::time_point analysed) {
  std::fprintf(stderr, "read %.3f s, analyse %.3f s, entries %zu\n", Seconds(read - start), Seconds(analysed - read),
               host.EntryCount());
  TellRowTimes(host.rowTimes, read);
}

// One column's (or group's) analysis, for --time.
struct BlockTimes {
  std::string name;  // as the text format heads its block
  std::size_t entries = 0;
  Clock::time_point begun, ended;
  std::vector<Clock::time_point> rows;
};

// With --time and several blocks: the reading, once, then each block under
// its heading. `read` is when the last cells were kept in their lists.
void TellBlockTimes(const std::vector<BlockTimes>& blocks, Clock::time_point start, Clock::time_point read) {
  std::fprintf(stderr, "read %.3f s\n", Seconds(read - start));
  for (const BlockTimes& block : blocks) {
    std::fprintf(stderr, "%s\n  analyse %.3f s, entries %zu\n", Printable(block.name).c_str(),
                 Seconds(block.ended - block.begun), block.entries);
    TellRowTimes(block.rows, block.begun);
  }
}

// Runs the analysis of the list the host holds.
RunOutcome Analyse(const RunOptions& run, CommandLineHost& host, results::Analysis& analysis) {
  analysis.Statistics().SetMethodIsSample(run.sample);
  // Nothing reads the sorted copy after the run: a large list is then sorted
  // a part at a time instead of being held twice.
  analysis.Statistics().SetSortedCopyKept(false);
  analysis.SetMoreStatistics(run.rowOptions.more);
  analysis.SetRowChoices(run.rows);
  return analysis.StartAnalysis(host.Host());
}

// The heading of a column's block: its header cell, or "field N" as the
// messages name a column.
std::string ColumnHeading(const ColumnEntries& block) {
  if (!block.name.empty()) return block.name;
  return core::Fill(Tr(QT_TRANSLATE_NOOP("Analyser", "field %1")), {std::to_string(block.number)});
}

// Blocks are analysed two at a time only where none holds more than this
// share of the numbers (1 / kSortsAtOnceShare): the second sort's copy then
// adds at most an eighth to the memory the numbers take. (Five groups of a
// column of 10,000,000 were a fifth quicker two at a time, and took a fifth
// more memory.)
constexpr std::size_t kSortsAtOnceShare = 8;

// One block's analysis, as it came out on whichever thread ran it.
struct BlockOutcome {
  results::ColumnResults column;
  bool noNumbers = false;
  std::string told;  // its lines for standard error
  std::size_t reports = 0;
  EntrySource entries;  // what is left of its entries once analysed
  BlockTimes times;
};

// What analyses blocks one after another: a host of its own, with the
// user's separators and decimals and the run's count of memory failures so
// far, and an engine of its own (which lends its own helper thread to its
// sort and sums).
struct Lane {
  explicit Lane(const CommandLineHost& run) : analysis(run.separators) {
    host.separators = run.separators;
    host.decimals = run.decimals;
    host.memoryFailuresAtStart = run.memoryFailuresAtStart;
    host.holdMessages = true;
  }
  CommandLineHost host;
  results::Analysis analysis;
};

BlockOutcome AnalyseBlock(const RunOptions& run, Lane& lane, ColumnEntries& block) {
  CommandLineHost& host = lane.host;
  BlockOutcome outcome;
  host.heldLines = &outcome.told;
  const std::size_t reportsBefore = host.reports;
  host.entries = std::move(block.entries);
  host.message.clear();
  outcome.column = {.column = ColumnHeading(block), .group = std::move(block.group), .results = {}, .noNumbers = {}};
  const results::ColumnResults& column = outcome.column;
  host.blockName = column.group ? column.column + ": " + *column.group : column.column;
  outcome.times.name = host.blockName;
  outcome.times.begun = Clock::now();
  if (Analyse(run, host, lane.analysis) == RunOutcome::kNoNumbers) {
    outcome.noNumbers = true;
    outcome.column.noNumbers = host.message;
    if (!host.OutOfMemory()) TellOrHold(&outcome.told, host.blockName + ": " + host.message);
  } else {
    outcome.column.results = lane.analysis.LastResults();
    outcome.column.results.sorted = {};
  }
  outcome.times.ended = Clock::now();
  outcome.times.entries = host.EntryCount();
  outcome.times.rows = host.rowTimes;
  host.heldLines = nullptr;
  outcome.reports = host.reports - reportsBefore;
  outcome.entries = std::move(host.entries);
  return outcome;
}

// Whether blocks are analysed two at a time: two sorts then hold their
// copies at once, which costs little beside the numbers held only where no
// block holds much of them (a column's many groups, never a few columns of
// the same rows, which were slower so too).
bool TwoAtATime(const std::vector<ColumnEntries>& blocks) {
  std::size_t total = 0, largest = 0;
  for (const ColumnEntries& block : blocks) {
    total += block.entries.Count();
    largest = std::max(largest, block.entries.Count());
  }
  return blocks.size() > 1 && largest <= total / kSortsAtOnceShare;
}

// The blocks that wait while the first `begun` are analysed hold their
// numbers packed where every one comes back exactly (input::PackedNumbers),
// so that the first ones' sorts find their room beside them; a helper packs
// every other one meanwhile. All are packed: a sort takes scratch beside its
// copy, the more of it the smaller the block, and packing only some left a
// block of a fifth of the numbers peaking above the reading. Only a block of
// a big array's worth is tried, since a smaller one gives no pages back.
// Each is unpacked as its analysis takes its numbers.
void PackWaitingBlocks(std::vector<ColumnEntries>& blocks, std::size_t begun) noexcept {
  std::vector<EntrySource*> big;
  try {
    for (std::size_t k = begun; k < blocks.size(); ++k)
      if (blocks[k].entries.Count() * sizeof(double) >= core::kBigBytes) big.push_back(&blocks[k].entries);
  } catch (...) {
    return;  // no room for the list: nothing packed, and the blocks analysed as they are
  }
  auto pack = [&big](std::size_t first, std::size_t step) {
    for (std::size_t k = first; k < big.size(); k += step) big[k]->HoldPacked();
  };
  if (big.size() < 2) return pack(0, 1);
  try {
    const std::jthread helper([&] { pack(1, 2); });
    pack(0, 2);
  } catch (...) {
    pack(0, 1);  // no thread to be had (HoldPacked never fails, and packs a block once)
  }
}

// The blocks analysed on this thread, and where TwoAtATime says so on a
// helper too, each taking the next block not begun whenever it is free, so
// that both cores work between the sorts and sums that each engine shares
// with its own helper. Once memory ran short no further block is begun.
std::vector<BlockOutcome> AnalyseInLanes(const RunOptions& run, const CommandLineHost& host,
                                         std::vector<ColumnEntries>& blocks) {
  std::vector<BlockOutcome> outcomes(blocks.size());
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stop{false};
  auto analyseBlocks = [&](Lane& lane) {
    for (std::size_t k = next++; k < blocks.size() && !stop; k = next++) {
      outcomes[k] = AnalyseBlock(run, lane, blocks[k]);
      if (lane.host.OutOfMemory()) stop = true;
    }
  };
  Lane mine(host);
  std::optional<Lane> other;
  std::exception_ptr otherFailure;
  std::jthread helper;  // last: joined before what it uses goes
  const bool twoAtATime = TwoAtATime(blocks);
  PackWaitingBlocks(blocks, twoAtATime ? 2 : 1);
  if (twoAtATime) {
    other.emplace(host);
    try {
      helper = std::jthread([&] {
        try {
          analyseBlocks(*other);
        } catch (...) {
          otherFailure = std::current_exception();
          stop = true;
        }
      });
    } catch (const std::system_error&) {
      // No thread to be had: every block is analysed here.
    }
  }
  analyseBlocks(mine);
  if (helper.joinable()) helper.join();
  if (otherFailure) std::rethrow_exception(otherFailure);
  return outcomes;
}

// The columns' (or groups') analyses: the results of each, and for --time
// when each took place.
struct ColumnsRun {
  std::vector<results::ColumnResults> done;
  bool noNumbers = false;   // one of them had none: told on standard error, naming it, and in its block
  Clock::time_point taken;  // the blocks were taken, the last of the cells kept in them
  std::vector<BlockTimes> times;
};

// Analyses each column's (or group's) list. What each block tells is told
// in the order of the blocks, as if they were analysed one after another.
ColumnsRun AnalyseColumns(const RunOptions& run, CommandLineHost& host) {
  std::vector<ColumnEntries> blocks = host.columns->TakeBlocks();
  ColumnsRun columns{.done = {}, .noNumbers = blocks.empty(), .taken = Clock::now(), .times = {}};
  // No column at all: as for one column of no numbers.
  if (columns.noNumbers) {
    results::Analysis analysis(host.separators);
    Analyse(run, host, analysis);
    return columns;
  }
  for (BlockOutcome& outcome : AnalyseInLanes(run, host, blocks)) {
    std::cerr << outcome.told;
    host.reports += outcome.reports;
    columns.noNumbers = columns.noNumbers || outcome.noNumbers;
    host.entries = std::move(outcome.entries);
    host.rowTimes = outcome.times.rows;
    if (run.time) columns.times.push_back(std::move(outcome.times));
    columns.done.push_back(std::move(outcome.column));
    if (host.OutOfMemory()) break;
  }
  return columns;
}

// With several columns or groups: each analysed, and the results written side
// by side. The exit code.
int RunColumns(const RunOptions& run, CommandLineHost& host, bool readAll, Clock::time_point start,
               Clock::time_point read) {
  const ColumnsRun columns = AnalyseColumns(run, host);
  const auto analysed = Clock::now();
  if (host.OutOfMemory()) {
    TellOutOfMemory();
    return 1;
  }
  const results::Digits digits = run.allDecimals ? results::Digits::kEvery : results::Digits::kAsShown;
  const bool written =
      WriteOut(results::FormatColumns(columns.done, run.format, digits), QT_TRANSLATE_NOOP("Analyser", "the results"));
  // One block is timed as one column always was.
  if (run.time && columns.times.size() > 1)
    TellBlockTimes(columns.times, start, columns.taken);
  else if (run.time)
    TellTimes(host, start, read, analysed);
  const bool strictFailed = run.strict && host.shortRecords > 0;
  return columns.noNumbers || !readAll || strictFailed || !written ? 1 : 0;
}

int Main(int argc, char** argv) {
  StartLanguage();
  LetInterruptsEnd();
  core::CountMemoryFailures();
  CommandLineHost host;
  RunOptions run;
  if (std::optional<int> end = ReadCommandLine(argc, argv, run)) return *end;
  if (std::string why = ApplyOptions(run, host); !why.empty()) return UsageError(why);

  const auto start = Clock::now();
  bool readAll = true;
  if (std::optional<int> end = ReadNumberList(run, host, readAll)) return *end;
  const auto read = Clock::now();
  if (host.columns) return RunColumns(run, host, readAll, start, read);
  results::Analysis analysis(host.separators);
  const RunOutcome outcome = Analyse(run, host, analysis);
  const auto analysed = Clock::now();
  // Rows worked out short of memory may be wrong ("#Div/0!", a row left
  // out, a list read in part): none is shown.
  if (host.OutOfMemory()) {
    TellOutOfMemory();
    return 1;
  }
  const bool noNumbers = outcome == RunOutcome::kNoNumbers;
  if (noNumbers && !host.table) SuggestField(host);

  const results::Digits digits = run.allDecimals ? results::Digits::kEvery : results::Digits::kAsShown;
  const bool written = WriteOut(results::FormatResults(analysis.LastResults(), run.format, digits),
                                QT_TRANSLATE_NOOP("Analyser", "the results"));
  if (run.time) TellTimes(host, start, read, analysed);
  const bool strictFailed = run.strict && host.shortRecords > 0;
  return noNumbers || !readAll || strictFailed || !written ? 1 : 0;
}

}  // namespace

}  // namespace tallowmere::tools

int main(int argc, char** argv) {
  // The large arrays on huge pages, from before the first of them exists.
  tallowmere::system::UseHugePages();
  try {
    return tallowmere::tools::Main(argc, argv);
  } catch (const std::bad_alloc&) {
    tallowmere::tools::TellOutOfMemory();
    return 1;
  }
}
