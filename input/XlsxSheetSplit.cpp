#include "input/XlsxSheetSplit.h"

#include <exception>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "input/HeldRows.h"
#include "input/HelperJoin.h"
#include "input/PartHead.h"
#include "input/SheetCut.h"
#include "input/XlsxSheetRows.h"
#include "input/XlsxSheetXml.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

// What both parts' readers read with.
struct PartJob {
  const PartOpener& open;
  std::string_view partName;
  const SharedStrings& strings;
  const std::vector<bool>& dateStyles;
};

// The second part's reader, past its head, at the cut: a row with its number.
bool AtNumberedRow(XmlPart& part, std::size_t headDepth) {
  for (std::size_t opened = 0; opened < headDepth;) {
    if (!part.Next() || part.IsEnd()) return false;
    if (part.IsStart()) ++opened;
  }
  std::uint64_t line = 0;
  return part.Next() && part.IsStart() && part.Is(u"row") && StoredCount(part.Attribute(u"r"), UINT64_MAX, line) &&
         line > 0;
}

SheetProblem ReadSecondPart(const PartJob& job, CutPoint& point, SecondRows& out) {
  std::unique_ptr<ChunkSource> source;
  if (!job.open(source).Ok() || !source) return {};
  std::uint64_t cut = 0;
  std::string fromCut;
  if (!FindCut(*source, point, cut, fromCut)) return {};
  SecondPartSource bytes(point.HeadMarkup(), std::move(fromCut), *source, point);
  XmlPart part(bytes, std::string(job.partName));
  if (!AtNumberedRow(part, point.HeadDepth()) || !point.Offer(cut)) return {};
  BlockSink sink(out);
  XlsxSheetRows rows(part, job.strings, job.dateStyles, sink);
  rows.ReadFromRow();
  sink.Flush();
  std::uint64_t lines = 0;
  if (!out.AwaitLines(lines)) return {};
  return part.ProblemAfterLines(lines);
}

// The helper's thread: whatever ends its reading, the first part's reader
// hears of it.
void RunSecondPart(const PartJob& job, CutPoint& point, SecondRows& out) {
  SheetProblem problem;
  std::exception_ptr failure;
  try {
    problem = ReadSecondPart(job, point, out);
  } catch (...) {
    failure = std::current_exception();
  }
  point.NoCut();
  out.End(std::move(problem), std::move(failure));
}

// The cut was a row's start: the second part's rows follow this thread's.
SheetProblem TellSecondPart(SecondRows& second, std::uint64_t linesBefore, CellSink& sink) {
  second.PostLines(linesBefore);
  HeldRows block;
  while (second.Pop(block)) {
    if (!block.TellTo(sink)) return {};
  }
  return second.Outcome();
}

SheetProblem ReadAgain(const PartJob& job, std::uint64_t told, CellSink& sink) {
  std::unique_ptr<ChunkSource> source;
  if (SheetProblem problem = job.open(source); !problem.Ok() || !source) return problem;
  SkipRows skipping(sink, told);
  return ReadXlsxSheetCells(*source, job.partName, job.strings, job.dateStyles, skipping);
}

// Reads to sheetData's start, noting the head; false where there is none.
bool ToSheetData(XmlPart& part, PartHead& head) {
  while (part.Next()) {
    head.Note(part.xml());
    if (part.IsStart() && part.Is(u"sheetData")) return true;
  }
  return false;
}

std::string RowTag(const std::string& sheetDataName) {
  const std::size_t colon = sheetDataName.find(':');
  return "<" + (colon == std::string::npos ? std::string() : sheetDataName.substr(0, colon + 1)) + "row";
}

SheetProblem ReadFirstPart(ChunkSource& first, const PartJob& job, CutPoint& point, SecondRows& second, CellSink& sink,
                           SheetSplit& how) {
  FirstPartSource source(first, point);
  XmlPart part(source, std::string(job.partName));
  PartHead head;
  if (!ToSheetData(part, head)) return part.Problem();
  const std::string probe = "</" + head.InnerName() + ">";
  if (head.Splittable()) {
    source.SetProbe(probe);
    point.KnowHead(head.Markup(), head.Depth(), RowTag(head.InnerName()));
  } else {
    point.Abandon();
  }
  XlsxSheetRows rows(part, job.strings, job.dateStyles, sink);
  const bool ended = rows.Read();
  if (rows.Stopped() || !source.PastCut()) return part.Problem();
  // Only a reader between two rows of sheetData reads the probe as its end,
  // and only then does it end where the probe does.
  const auto read = static_cast<std::uint64_t>(part.xml().characterOffset());
  if (ended && part.Problem().Ok() && read == source.UnitsToProbeEnd()) {
    how = SheetSplit::kTwoThreads;
    return TellSecondPart(second, static_cast<std::uint64_t>(part.xml().lineNumber()) - 1, sink);
  }
  point.Abandon();
  second.Abandon();
  how = SheetSplit::kReadAgain;
  return ReadAgain(job, rows.RowsTold(), sink);
}

}  // namespace

SheetProblem ReadXlsxSheetCellsSplit(ChunkSource& first, const PartOpener& openAgain, std::uint64_t cutTarget,
                                     std::string_view partName, const SharedStrings& strings,
                                     const std::vector<bool>& dateStyles, CellSink& sink, SheetSplit* how) {
  SheetSplit way = SheetSplit::kOneThread;
  if (how) *how = way;
  const PartJob job{openAgain, partName, strings, dateStyles};
  CutPoint point(cutTarget);
  SecondRows second;
  std::thread helper;
  try {
    helper = std::thread([&] { RunSecondPart(job, point, second); });
  } catch (const std::system_error&) {
    // No thread to be had: one reader.
    return ReadXlsxSheetCells(first, partName, strings, dateStyles, sink);
  }
  const HelperJoin join(point, second, helper);
  SheetProblem problem = ReadFirstPart(first, job, point, second, sink, way);
  if (how) *how = way;
  return problem;
}

}  // namespace tallowmere::input
