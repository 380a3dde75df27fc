#include "input/OdsContentSplit.h"

#include <exception>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "input/HelperJoin.h"
#include "input/OdsContent.h"
#include "input/OdsTableRows.h"
#include "input/PartHead.h"
#include "input/RowCells.h"
#include "input/SheetCut.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

namespace {

constexpr const char* kContentPart = "content.xml";

// The tables of the spreadsheet body met as ReadOdsChosenSheet meets them.
class TableWalk {
 public:
  TableWalk() = default;
  TableWalk(std::size_t depth, std::size_t body) : depth_(depth), body_(body) {}
  // Reads on to the next table:table of the body (its start the current
  // token); false at the part's end or a problem. `head` notes each token.
  bool NextTable(XmlPart& part, PartHead* head) {
    while (part.Next()) {
      if (head) head->Note(part.xml());
      if (part.IsEnd()) {
        if (depth_-- == body_) body_ = 0;
        continue;
      }
      if (!part.IsStart()) continue;
      if (body_ > 0 && depth_ == body_ && part.Is(kTableNs, u"table")) return true;
      ++depth_;
      if (body_ == 0 && part.Is(kOfficeNs, u"spreadsheet")) body_ = depth_;
    }
    return false;
  }
  // Reads the part to its end, every table left.
  void ToEnd(XmlPart& part) {
    while (NextTable(part, nullptr))
      if (!part.SkipElement()) return;
  }
  std::size_t Body() const { return body_; }

 private:
  std::size_t depth_ = 0;
  std::size_t body_ = 0;  // the depth of office:spreadsheet; 0 outside it
};

struct ContentJob {
  const PartOpener& open;
  std::size_t index;
  std::string_view name;
};

SheetProblem ReadSecondPart(const ContentJob& job, CutPoint& point, std::size_t body, SecondRows& out) {
  std::unique_ptr<ChunkSource> source;
  if (!job.open(source).Ok() || !source) return {};
  std::uint64_t cut = 0;
  std::string fromCut;
  if (!FindCut(*source, point, cut, fromCut)) return {};
  SecondPartSource bytes(point.HeadMarkup(), std::move(fromCut), *source, point);
  XmlPart part(bytes, kContentPart);
  for (std::size_t opened = 0; opened < point.HeadDepth();) {
    if (!part.Next() || part.IsEnd()) return {};
    if (part.IsStart()) ++opened;
  }
  if (!part.Next() || !part.IsStart() || !part.Is(kTableNs, u"table-row") || !point.Offer(cut)) return {};
  BlockSink sink(out);
  OdsTableRows rows(part, sink, true);
  if (rows.ReadFromRow()) {
    sink.Flush();
    TableWalk(body, body).ToEnd(part);
  }
  sink.Flush();
  std::uint64_t lines = 0;
  if (!out.AwaitLines(lines)) return {};
  return part.ProblemAfterLines(lines);
}

void RunSecondPart(const ContentJob& job, CutPoint& point, const std::size_t& body, SecondRows& out) {
  SheetProblem problem;
  std::exception_ptr failure;
  try {
    // The body's depth is known with the head, before the helper needs it.
    if (point.AwaitHead()) problem = ReadSecondPart(job, point, body, out);
  } catch (...) {
    failure = std::current_exception();
  }
  point.NoCut();
  out.End(std::move(problem), std::move(failure));
}

// The cut was a row's start: the second part's rows follow this thread's,
// numbered on from `nextLine`, unless this thread's telling stopped; the
// helper read the part to its end.
SheetProblem TellSecondPart(SecondRows& second, std::uint64_t linesBefore, std::uint64_t nextLine, bool stopped,
                            CellSink& sink) {
  second.PostLines(linesBefore);
  if (stopped) second.HoldNoMore();
  HeldRows block;
  while (second.Pop(block)) {
    if (stopped) continue;
    stopped = !block.TellTo(sink, nextLine - 1, kMaxSheetRows);
    if (stopped) second.HoldNoMore();
  }
  return second.Outcome();
}

bool IsChosen(XmlPart& part, std::size_t at, const ContentJob& job) {
  if (job.name.empty()) return at == job.index;
  std::string tableName;
  AppendUtf8(tableName, part.Attribute(kTableNs, u"name"));
  return tableName == job.name;
}

// Reads to the chosen table's start, noting the head; false where there is
// none (or a problem).
bool ToChosenTable(XmlPart& part, const ContentJob& job, TableWalk& walk, PartHead& head) {
  for (std::size_t seen = 0; walk.NextTable(part, &head); ++seen) {
    if (IsChosen(part, seen, job)) return true;
    if (!part.SkipElement()) return false;
    head.Left();
  }
  return false;
}

std::string RowTag(const std::string& tableName) {
  const std::size_t colon = tableName.find(':');
  return "<" + (colon == std::string::npos ? std::string() : tableName.substr(0, colon + 1)) + "table-row";
}

struct Shared {
  CutPoint& point;
  SecondRows& second;
  std::size_t& body;  // set before the head is known
};

SheetProblem ReadFirstPart(ChunkSource& first, const ContentJob& job, Shared shared, CellSink& sink, SheetSplit& how) {
  FirstPartSource source(first, shared.point);
  XmlPart part(source, kContentPart);
  TableWalk walk;
  PartHead head;
  if (!ToChosenTable(part, job, walk, head)) {
    shared.point.Abandon();
    if (!part.Problem().Ok()) return part.Problem();
    return {SheetFailure::kNoSuchSheet, job.name.empty() ? std::to_string(job.index + 1) : std::string(job.name)};
  }
  const std::string probe = "</" + head.InnerName() + ">";
  if (head.Splittable()) {
    source.SetProbe(probe);
    shared.body = walk.Body();
    shared.point.KnowHead(head.Markup(), head.Depth(), RowTag(head.InnerName()));
  } else {
    shared.point.Abandon();
  }
  OdsTableRows rows(part, sink, true);
  const bool ended = rows.Read();
  if (!source.PastCut()) {
    source.ReadOnAlone();
    shared.point.Abandon();
    if (ended) walk.ToEnd(part);
    return part.Problem();
  }
  const auto read = static_cast<std::uint64_t>(part.xml().characterOffset());
  if (ended && part.Problem().Ok() && read == source.UnitsToProbeEnd()) {
    how = SheetSplit::kTwoThreads;
    return TellSecondPart(shared.second, static_cast<std::uint64_t>(part.xml().lineNumber()) - 1, rows.Line(),
                          rows.Stopped(), sink);
  }
  shared.point.Abandon();
  shared.second.Abandon();
  how = SheetSplit::kReadAgain;
  std::unique_ptr<ChunkSource> again;
  if (SheetProblem problem = job.open(again); !problem.Ok() || !again) return problem;
  SkipRows skipping(sink, rows.RowsTold());
  return ReadOdsChosenSheet(*again, job.index, job.name, skipping);
}

}  // namespace

SheetProblem ReadOdsChosenSheetSplit(ChunkSource& first, const PartOpener& openAgain, std::uint64_t cutTarget,
                                     std::size_t index, std::string_view name, CellSink& sink, SheetSplit* how) {
  SheetSplit way = SheetSplit::kOneThread;
  if (how) *how = way;
  const ContentJob job{openAgain, index, name};
  CutPoint point(cutTarget);
  SecondRows second;
  std::size_t body = 0;
  std::thread helper;
  try {
    helper = std::thread([&] { RunSecondPart(job, point, body, second); });
  } catch (const std::system_error&) {
    return ReadOdsChosenSheet(first, index, name, sink);
  }
  const HelperJoin join(point, second, helper);
  SheetProblem problem = ReadFirstPart(first, job, {point, second, body}, sink, way);
  if (how) *how = way;
  return problem;
}

}  // namespace tallowmere::input
