// Spreadsheet sheets parsed into cells: a worksheet part and an OpenDocument
// content.xml of 1,000,000 rows of three cells (a number, a number in a date
// style, a shared or plain text), held in memory and fed in the chunks a
// zip entry is inflated in. The XML is parsed as a stream: what the readers
// hold stays a row's worth, whatever the sheet's size. Each is read by one
// reader and, cut at a row, by two on two threads (what a large file's sheet
// is read with), which must count the same cells.
//
//   bench_sheets [ROWS] [REPEATS]
//
// Each reader runs REPEATS times (3 by default); the best time is shown,
// and beside it the time QXmlStreamReader alone takes to tokenize the same
// XML in the same chunks, nothing done with the tokens: what no reader built
// on it can go below.
#include <QByteArray>
#include <QXmlStreamReader>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/OdsContent.h"
#include "input/OdsContentSplit.h"
#include "input/XlsxSharedStrings.h"
#include "input/XlsxSheetSplit.h"
#include "input/XlsxSheetXml.h"

using namespace tallowmere::input;

namespace {

using Clock = std::chrono::steady_clock;

std::string Worksheet(long rows) {
  std::string xml = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
  char row[256];
  for (long r = 1; r <= rows; ++r) {
    const int n = std::snprintf(row, sizeof row,
                                "<row r=\"%ld\"><c r=\"A%ld\"><v>%ld.25</v></c><c r=\"B%ld\" s=\"1\"><v>45306</v></c>"
                                "<c r=\"C%ld\" t=\"s\"><v>%ld</v></c></row>",
                                r, r, r, r, r, r % 4);
    xml.append(row, static_cast<std::size_t>(n));
  }
  return xml + "</sheetData></worksheet>";
}

std::string Content(long rows) {
  std::string xml =
      "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
      "<table:table table:name=\"S\">";
  char row[512];
  for (long r = 1; r <= rows; ++r) {
    const int n = std::snprintf(
        row, sizeof row,
        "<table:table-row table:style-name=\"ro1\"><table:table-cell office:value-type=\"float\" "
        "office:value=\"%ld.25\"><text:p>%ld.25</text:p></table:table-cell><table:table-cell "
        "office:value-type=\"date\" office:date-value=\"2024-01-15\"><text:p>01/15/24</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"string\"><text:p>group %ld</text:p></table:table-cell>"
        "</table:table-row>",
        r, r, r % 4);
    xml.append(row, static_cast<std::size_t>(n));
  }
  return xml +
         "<table:table-row table:number-rows-repeated=\"47575\"><table:table-cell "
         "table:number-columns-repeated=\"16384\"/></table:table-row></table:table></office:spreadsheet>"
         "</office:body></office:document-content>";
}

class CountCells final : public CellSink {
 public:
  std::size_t cells = 0;
  void BeginRow(std::uint64_t /*line*/) override {}
  void Cell(const TableCell& /*cell*/) override { ++cells; }
};

template <class Run>
double Best(int repeats, const Run& run) {
  double best = 1e9;
  for (int i = 0; i < repeats; ++i) {
    const Clock::time_point start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

// Every token of `xml` read, fed 64 KiB at a time as the readers are.
std::size_t TokenizeOnly(const std::string& xml) {
  QXmlStreamReader reader;
  std::size_t at = 0, tokens = 0;
  for (;;) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && at < xml.size()) {
      const std::size_t n = std::min<std::size_t>(65536, xml.size() - at);
      reader.addData(QByteArray(xml.data() + at, static_cast<qsizetype>(n)));
      at += n;
      continue;
    }
    if (reader.hasError() || token == QXmlStreamReader::EndDocument) return tokens;
    ++tokens;
  }
}

void Show(const char* what, double seconds, double alone, const std::string& xml, std::size_t cells) {
  std::printf("%-12s %.3f s  %6.1f MB/s  (%zu cells, %.1f MB); the tokens alone %.3f s\n", what, seconds,
              xml.size() / 1e6 / seconds, cells, xml.size() / 1e6, alone);
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 1'000'000;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 3;
  const std::string worksheet = Worksheet(rows);
  const std::string content = Content(rows);
  SharedStrings strings;
  for (const char* s : {"A", "B", "C", "D"}) strings.Append(s);
  const std::vector<bool> dateStyles = {false, true};

  std::size_t cells = 0;
  const double xlsx = Best(repeats, [&] {
    MemoryChunks source(worksheet);
    CountCells sink;
    ReadXlsxSheetCells(source, "sheet", strings, dateStyles, sink);
    cells = sink.cells;
  });
  const double alone = Best(repeats, [&] { TokenizeOnly(worksheet); });
  Show("worksheet:", xlsx, alone, worksheet, cells);
  const std::size_t oneReader = cells;
  const PartOpener again = [&](std::unique_ptr<ChunkSource>& source) {
    source = std::make_unique<MemoryChunks>(worksheet);
    return SheetProblem{};
  };
  SheetSplit how = SheetSplit::kOneThread;
  const double split = Best(repeats, [&] {
    MemoryChunks source(worksheet);
    CountCells sink;
    ReadXlsxSheetCellsSplit(source, again, SplitTarget(worksheet.size()), "sheet", strings, dateStyles, sink, &how);
    cells = sink.cells;
  });
  Show(how == SheetSplit::kTwoThreads ? "two threads:" : "(one thread)", split, alone, worksheet, cells);
  if (cells != oneReader) {
    std::printf("the two threads counted %zu cells, one reader %zu\n", cells, oneReader);
    return 1;
  }
  const double ods = Best(repeats, [&] {
    MemoryChunks source(content);
    CountCells sink;
    ReadOdsSheetCells(source, 0, sink);
    cells = sink.cells;
  });
  const double contentAlone = Best(repeats, [&] { TokenizeOnly(content); });
  Show("content.xml:", ods, contentAlone, content, cells);
  const std::size_t oneContentReader = cells;
  const PartOpener contentAgain = [&](std::unique_ptr<ChunkSource>& source) {
    source = std::make_unique<MemoryChunks>(content);
    return SheetProblem{};
  };
  const double odsSplit = Best(repeats, [&] {
    MemoryChunks source(content);
    CountCells sink;
    ReadOdsChosenSheetSplit(source, contentAgain, SplitTarget(content.size()), 0, "", sink, &how);
    cells = sink.cells;
  });
  Show(how == SheetSplit::kTwoThreads ? "two threads:" : "(one thread)", odsSplit, contentAlone, content, cells);
  if (cells != oneContentReader) {
    std::printf("the two threads counted %zu cells, one reader %zu\n", cells, oneContentReader);
    return 1;
  }
  return 0;
}
