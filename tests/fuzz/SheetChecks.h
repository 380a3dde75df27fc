#pragma once
// The properties the sheet XML target holds the spreadsheet readers' XML
// parsing to, for any bytes read as any part: content.xml of an OpenDocument
// spreadsheet, and an Office Open XML workbook's worksheet, shared strings,
// styles, workbook and relationships. Like Checks.h, each check returns an
// empty text when every property holds, otherwise the first one broken; the
// normal suite runs it over the committed corpus.
//
// Header-only and free of Qt and GoogleTest (the readers themselves use Qt
// Core, which the fuzz build links).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/ChunkSource.h"
#include "input/OdsContent.h"
#include "input/OdsContentSplit.h"
#include "input/OdsNameScan.h"
#include "input/RowCells.h"
#include "input/XlsxSharedStrings.h"
#include "input/XlsxSheetSplit.h"
#include "input/XlsxSheetXml.h"
#include "input/XlsxStyles.h"
#include "input/XlsxWorkbook.h"

namespace fuzzcheck {

using tallowmere::input::CellKind;
using tallowmere::input::SheetFailure;
using tallowmere::input::SheetProblem;
using tallowmere::input::TableCell;

// Rows or cells told past these many end the reading: a full row repeated a
// million times is read in bounded time, and the stop is exercised.
inline constexpr std::size_t kSheetRowsRead = 2000;
inline constexpr std::size_t kSheetCellsRead = 20000;

// Every call as text, and the first breach of the sink's contract: rows
// begun and ended in pairs, lines from 1 within the sheet, columns
// increasing within the largest sheet, finite numbers, texts within their
// bound.
class SheetRecorder final : public tallowmere::input::CellSink {
 public:
  std::string calls;
  std::string broken;
  std::size_t rows = 0;
  std::size_t cells = 0;

  void BeginRow(std::uint64_t line) override {
    if (open_) Break("a row begun inside a row");
    if (line < 1 || line > tallowmere::input::kMaxSheetRows) Break("row line " + std::to_string(line));
    open_ = true;
    last_ = SIZE_MAX;
    ++rows;
    calls += "\nrow " + std::to_string(line);
  }
  void Cell(const TableCell& cell) override {
    if (!open_) Break("a cell outside a row");
    if (last_ != SIZE_MAX && cell.column <= last_) Break("columns not increasing");
    if (cell.column >= tallowmere::input::kMaxSheetColumns) Break("column " + std::to_string(cell.column));
    if (cell.kind == CellKind::kNumber && !std::isfinite(cell.number)) Break("a number that is not finite");
    if (cell.text.size() > tallowmere::input::kMaxCellTextBytes) Break("a text past its bound");
    if (cell.kind == CellKind::kText && cell.text.empty()) Break("an empty text told");
    last_ = cell.column;
    ++cells;
    calls += " " + std::to_string(cell.column) + ":" + std::to_string(static_cast<int>(cell.kind)) + ":" +
             std::string(cell.text.substr(0, 64));
  }
  void EndRow() override {
    if (!open_) Break("a row ended that was not begun");
    open_ = false;
  }
  bool Stopped() const override { return rows >= kSheetRowsRead || cells >= kSheetCellsRead; }
  bool Closed() const { return !open_; }

 private:
  void Break(const std::string& what) {
    if (broken.empty()) broken = what;
  }
  bool open_ = false;
  std::size_t last_ = SIZE_MAX;
};

// What one reading came to: its problem's kind and every call told.
struct SheetOutcome {
  SheetFailure failure = SheetFailure::kNone;
  std::string detail;
  std::string calls;
  std::string broken;
};

inline std::string DescribeFailure(SheetFailure f) { return std::to_string(static_cast<int>(f)); }

// Bytes in memory can only be malformed or lack the sheet asked for.
inline std::string CheckProblem(const SheetProblem& problem, const char* reader) {
  if (problem.Ok() || problem.failure == SheetFailure::kMalformedXml || problem.failure == SheetFailure::kNoSuchSheet)
    return "";
  return std::string(reader) + " failed with reason " + DescribeFailure(problem.failure) + ": " + problem.detail;
}

// Reads `xml` with `read(source, sink)` in chunks of `chunk` bytes.
template <typename Read>
SheetOutcome ReadSheetXml(std::string_view xml, std::size_t chunk, const char* reader, Read&& read) {
  tallowmere::input::MemoryChunks source(xml, chunk);
  SheetRecorder sink;
  const SheetProblem problem = read(source, sink);
  SheetOutcome out{problem.failure, problem.detail, sink.calls, sink.broken};
  if (out.broken.empty()) out.broken = CheckProblem(problem, reader);
  if (out.broken.empty() && !sink.Closed()) out.broken = std::string(reader) + " left a row open";
  return out;
}

// Whether two readings of the same bytes agree. Qt's reader decodes the
// bytes it is given ahead of the token it is at, so bytes that are not
// UTF-8 may end a reading given them at once sooner than one fed in pieces
// (or one that stopped at the end of its sheet before them): where a
// reading stopped on such bytes, it told what the other told up to there.
inline bool Agree(const SheetOutcome& a, const SheetOutcome& b) {
  if (a.failure == b.failure && a.calls == b.calls) return true;
  auto cutShort = [](const SheetOutcome& cut, const SheetOutcome& other) {
    return cut.failure == SheetFailure::kMalformedXml && cut.detail.find("encoded") != std::string::npos &&
           other.calls.compare(0, cut.calls.size(), cut.calls) == 0;
  };
  return cutShort(a, b) || cutShort(b, a);
}

// The same reading whole and in small chunks: the same calls, the same
// outcome (see Agree), every property held.
template <typename Read>
std::string CheckChunkings(std::string_view xml, std::size_t chunk, const char* reader, Read&& read) {
  const SheetOutcome whole = ReadSheetXml(xml, xml.size() + 1, reader, read);
  if (!whole.broken.empty()) return std::string(reader) + ": " + whole.broken;
  const SheetOutcome pieces = ReadSheetXml(xml, chunk, reader, read);
  if (!pieces.broken.empty())
    return std::string(reader) + " in chunks of " + std::to_string(chunk) + ": " + pieces.broken;
  if (!Agree(pieces, whole)) {
    std::size_t at = 0;
    while (at < pieces.calls.size() && at < whole.calls.size() && pieces.calls[at] == whole.calls[at]) ++at;
    at -= std::min<std::size_t>(at, 40);
    return std::string(reader) + " in chunks of " + std::to_string(chunk) + " read otherwise than whole: reason " +
           DescribeFailure(pieces.failure) + " against " + DescribeFailure(whole.failure) + ", calls ..." +
           pieces.calls.substr(at, 120) + " against ..." + whole.calls.substr(at, 120);
  }
  return "";
}

// Where the names read well, a sheet chosen by its number or its name in one
// pass is read as the names and then the sheet read it.
inline std::string CheckOdsChosenSheet(std::string_view xml, std::size_t chunk, const std::vector<std::string>& names) {
  namespace in = tallowmere::input;
  if (names.empty()) return "";
  const std::string& name = names.back();
  const std::size_t named = static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
  const struct {
    const char* how;
    std::size_t index;  // what is asked for, beside the name
    std::string name;
    std::size_t sheet;  // the sheet that is meant
  } picks[] = {{"by number", 0, "", 0}, {"by name", 0, name, named}};
  for (const auto& pick : picks) {
    // A table without a name cannot be chosen by one: an empty name asks
    // for the sheet by its number.
    if (pick.how == std::string_view("by name") && pick.name.empty()) continue;
    const SheetOutcome chosen = ReadSheetXml(xml, chunk, "ReadOdsChosenSheet", [&](auto& source, auto& sink) {
      return in::ReadOdsChosenSheet(source, pick.index, pick.name, sink);
    });
    const SheetOutcome two = ReadSheetXml(xml, chunk, "ReadOdsSheetCells", [&](auto& source, auto& sink) {
      return in::ReadOdsSheetCells(source, pick.sheet, sink);
    });
    if (!chosen.broken.empty()) return chosen.broken;
    if (chosen.failure != SheetFailure::kNone || chosen.calls != two.calls)
      return std::string("the sheet chosen ") + pick.how + " in one pass read otherwise: reason " +
             DescribeFailure(chosen.failure) + ", calls " + chosen.calls.substr(0, 120) + " against " +
             two.calls.substr(0, 120);
  }
  return "";
}

// content.xml cut for two threads near a place the chunk size chooses reads
// its first sheet as one reader reads it.
inline std::string CheckOdsSplit(std::string_view xml, std::size_t chunk) {
  namespace in = tallowmere::input;
  const std::uint64_t target = xml.size() * (chunk % 7 + 1) / 8;
  const in::PartOpener again = [&](std::unique_ptr<in::ChunkSource>& source) {
    source = std::make_unique<in::MemoryChunks>(xml, chunk);
    return SheetProblem{};
  };
  const SheetOutcome split = ReadSheetXml(xml, chunk, "ReadOdsChosenSheetSplit", [&](auto& source, auto& sink) {
    return in::ReadOdsChosenSheetSplit(source, again, target, 0, "", sink);
  });
  const SheetOutcome one = ReadSheetXml(xml, chunk, "ReadOdsChosenSheet", [&](auto& source, auto& sink) {
    return in::ReadOdsChosenSheet(source, 0, "", sink);
  });
  if (!split.broken.empty()) return split.broken;
  if (Agree(split, one)) return "";
  return "content.xml cut at " + std::to_string(target) + " read otherwise: reason " + DescribeFailure(split.failure) +
         " against " + DescribeFailure(one.failure) + ", calls " + split.calls.substr(0, 120) + " against " +
         one.calls.substr(0, 120);
}

inline std::string CheckOdsContent(std::string_view xml, std::size_t chunk) {
  namespace in = tallowmere::input;
  std::vector<std::string> names;
  auto readNames = [&](in::ChunkSource& source, in::CellSink&) { return in::ReadOdsSheetNames(source, names); };
  std::string broken = CheckChunkings(xml, chunk, "ReadOdsSheetNames", readNames);
  for (std::size_t sheet = 0; broken.empty() && sheet < 2; ++sheet) {
    broken = CheckChunkings(xml, chunk, "ReadOdsSheetCells", [&](in::ChunkSource& source, in::CellSink& sink) {
      return in::ReadOdsSheetCells(source, sheet, sink);
    });
  }
  if (broken.empty()) broken = CheckOdsSplit(xml, chunk);
  if (!broken.empty()) return broken;
  // Where the names were read whole, exactly that many sheets are there.
  tallowmere::input::MemoryChunks source(xml, chunk);
  if (!in::ReadOdsSheetNames(source, names).Ok()) return "";
  // Where the scan of the markup answers, it names what the reader names.
  tallowmere::input::MemoryChunks scanSource(xml, chunk);
  std::vector<std::string> scanned;
  if (const auto answer = in::ScanOdsSheetNames(scanSource, scanned); answer && answer->Ok() && scanned != names)
    return "the scan of the markup named " + std::to_string(scanned.size()) + " sheets, the reader " +
           std::to_string(names.size());
  SheetRecorder sink;
  tallowmere::input::MemoryChunks again(xml, chunk);
  if (in::ReadOdsSheetCells(again, names.size(), sink).failure != SheetFailure::kNoSuchSheet)
    return "a sheet past the " + std::to_string(names.size()) + " named was read";
  return CheckOdsChosenSheet(xml, chunk, names);
}

// The worksheet cut for two threads near a place the chunk size chooses
// reads as one reader reads it.
inline std::string CheckXlsxSplit(std::string_view xml, std::size_t chunk,
                                  const tallowmere::input::SharedStrings& strings,
                                  const std::vector<bool>& dateStyles) {
  namespace in = tallowmere::input;
  const std::uint64_t target = xml.size() * (chunk % 7 + 1) / 8;
  const in::PartOpener again = [&](std::unique_ptr<in::ChunkSource>& source) {
    source = std::make_unique<in::MemoryChunks>(xml, chunk);
    return SheetProblem{};
  };
  const SheetOutcome split = ReadSheetXml(xml, chunk, "ReadXlsxSheetCellsSplit", [&](auto& source, auto& sink) {
    return in::ReadXlsxSheetCellsSplit(source, again, target, "sheet", strings, dateStyles, sink);
  });
  const SheetOutcome one = ReadSheetXml(xml, chunk, "ReadXlsxSheetCells", [&](auto& source, auto& sink) {
    return in::ReadXlsxSheetCells(source, "sheet", strings, dateStyles, sink);
  });
  if (!split.broken.empty()) return split.broken;
  if (Agree(split, one)) return "";
  return "the worksheet cut at " + std::to_string(target) + " read otherwise: reason " +
         DescribeFailure(split.failure) + " against " + DescribeFailure(one.failure) + ", calls " +
         split.calls.substr(0, 120) + " against " + one.calls.substr(0, 120);
}

inline std::string CheckXlsxParts(std::string_view xml, std::size_t chunk) {
  namespace in = tallowmere::input;
  // The bytes stand for the shared strings and styles as well, so that the
  // sheet's indices find something.
  in::SharedStrings strings;
  std::vector<bool> dateStyles;
  std::vector<in::WorkbookSheet> sheets;
  in::Relationships relationships;
  std::string broken = CheckChunkings(xml, chunk, "ReadSharedStrings", [&](in::ChunkSource& s, in::CellSink&) {
    return in::ReadSharedStrings(s, strings);
  });
  if (broken.empty())
    broken = CheckChunkings(xml, chunk, "ReadDateStyles",
                            [&](in::ChunkSource& s, in::CellSink&) { return in::ReadDateStyles(s, dateStyles); });
  if (broken.empty())
    broken = CheckChunkings(xml, chunk, "ReadWorkbookSheets",
                            [&](in::ChunkSource& s, in::CellSink&) { return in::ReadWorkbookSheets(s, sheets); });
  if (broken.empty())
    broken = CheckChunkings(xml, chunk, "ReadRelationships", [&](in::ChunkSource& s, in::CellSink&) {
      return in::ReadRelationships(s, "rels", relationships);
    });
  if (broken.empty())
    broken = CheckChunkings(xml, chunk, "ReadXlsxSheetCells", [&](in::ChunkSource& s, in::CellSink& sink) {
      return in::ReadXlsxSheetCells(s, "sheet", strings, dateStyles, sink);
    });
  if (broken.empty()) broken = CheckXlsxSplit(xml, chunk, strings, dateStyles);
  return broken;
}

// The first byte chooses the chunk size the second reading is fed in (1 to
// 64 bytes); the rest is the XML, read by every reader.
inline std::string CheckSheetXml(std::string_view data) {
  if (data.empty()) return "";
  const std::size_t chunk = 1 + static_cast<unsigned char>(data[0]) % 64;
  const std::string_view xml = data.substr(1);
  std::string broken = CheckOdsContent(xml, chunk);
  if (broken.empty()) broken = CheckXlsxParts(xml, chunk);
  return broken;
}

}  // namespace fuzzcheck
