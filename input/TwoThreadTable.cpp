#include "input/TwoThreadTable.h"

#include <string.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <deque>
#include <exception>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "input/DelimitedSplit.h"
#include "input/KeptEntries.h"
#include "numtext/LeadingNumber.h"

namespace tallowmere::input {

namespace {

constexpr std::size_t kNoColumn = std::numeric_limits<std::size_t>::max();

// The rows of this much text tell how long a row is, and so about how many
// rows the whole file holds.
constexpr std::size_t kRowsMeasuredBytes = std::size_t{4} << 20;

// Past this many groups in one part, a part finds a label's group by a hash
// rather than by looking through them all.
constexpr std::size_t kGroupsLookedThrough = 8;

}  // namespace

struct TwoThreadTableReader::Plan {
  const CandidateRule* rule = nullptr;
  bool all = false;
  bool grouped = false;
  std::size_t groupColumn = kNoColumn;
  std::size_t fieldsNeeded = 0;  // a record of fewer is short
  std::vector<char> wanted;      // by column, without `all`: a chosen column
  char delimiter = ',';

  bool Wants(std::size_t column) const {
    if (column == groupColumn) return true;
    return all || (column < wanted.size() && wanted[column]);
  }
  bool Values(std::size_t column) const {
    if (all) return column != groupColumn;
    return column < wanted.size() && wanted[column];
  }
};

struct TwoThreadTableReader::Part {
  // A value cell of the row in hand, held until the row's group is known.
  struct Held {
    std::size_t column;
    bool text;
    double value;
    std::uint32_t offset, length;
  };
  std::vector<std::vector<KeptEntries>> kept;  // [column][group of the part]
  std::vector<std::size_t> firstMet;           // with `all`: the columns in the order first met
  std::vector<char> met;                       // by column
  std::vector<std::string_view> groups;        // the part's groups' labels, in the order they first appear
  std::unordered_map<std::string_view, std::size_t> groupOfLabel;  // past kGroupsLookedThrough groups
  std::vector<Held> row;
  std::size_t otherConvention = 0;
  std::uint32_t firstOtherOffset = 0, firstOtherLength = 0;
  std::uint64_t lines = 0;
  std::size_t records = 0;
  // The records too short for a chosen column or the group column: how
  // many, and the first few, each's line counted from the part's first.
  std::size_t shortRows = 0;
  std::vector<std::pair<std::uint64_t, std::size_t>> firstShortRows;  // (line, fields)
  // The part ended between records: else a quote was open at its end, and
  // the part after it began inside a field.
  bool clean = true;
  std::exception_ptr failure;
  // The texts of quoted fields, which the splitter hands on from a copy of
  // its own: a text's offset from `length` on is its place here.
  std::size_t length = 0;
  std::string copied;
  std::deque<std::string> copiedLabels;

  void Reset() {
    for (std::vector<KeptEntries>& column : kept)
      for (KeptEntries& entries : column) entries.Clear();
    for (const std::size_t column : firstMet) met[column] = 0;
    firstMet.clear();
    groups.clear();
    groupOfLabel.clear();
    row.clear();
    otherConvention = 0;
    lines = 0;
    records = 0;
    shortRows = 0;
    firstShortRows.clear();
    clean = true;
    failure = nullptr;
    length = 0;
    copied.clear();
    copiedLabels.clear();
  }
  std::string_view TextAt(const char* begin, std::uint32_t offset, std::uint32_t size) const {
    if (offset < length) return {begin + offset, size};
    return std::string_view(copied).substr(offset - length, size);
  }
  // Once per cell: the place is made once per part and column and group.
  KeptEntries& Entries(std::size_t column, std::size_t group) {
    if (column < kept.size() && group < kept[column].size()) [[likely]]
      return kept[column][group];
    return MakeEntries(column, group);
  }
  KeptEntries& MakeEntries(std::size_t column, std::size_t group) {
    if (kept.size() <= column) kept.resize(column + 1);
    std::vector<KeptEntries>& groupsOfColumn = kept[column];
    if (groupsOfColumn.size() <= group) groupsOfColumn.resize(group + 1);
    return groupsOfColumn[group];
  }
  void Meet(std::size_t column) {
    if (met.size() <= column) met.resize(column + 1, 0);
    if (met[column]) return;
    met[column] = 1;
    firstMet.push_back(column);
  }
  std::size_t Group(std::string_view label) {
    if (groups.size() <= kGroupsLookedThrough) {
      const auto at = std::find(groups.begin(), groups.end(), label);
      if (at != groups.end()) return static_cast<std::size_t>(at - groups.begin());
      if (groups.size() == kGroupsLookedThrough)
        for (std::size_t g = 0; g < groups.size(); ++g) groupOfLabel.emplace(groups[g], g);
    } else if (const auto known = groupOfLabel.find(label); known != groupOfLabel.end()) {
      return known->second;
    }
    groups.push_back(label);
    if (groups.size() > kGroupsLookedThrough) groupOfLabel.emplace(label, groups.size() - 1);
    return groups.size() - 1;
  }
};

namespace {

using Plan = TwoThreadTableReader::Plan;
using Part = TwoThreadTableReader::Part;

// The records of one part, split and decided into it: the cells told and
// kept as TableColumns keeps those DelimitedCells tells it, its rows' groups
// known at each row's end.
class PartRows {
 public:
  PartRows(const Plan& plan, const char* begin, const char* end, Part& part)
      : plan_(plan), begin_(begin), end_(end), part_(part) {}

  // What the splitter asks and tells.
  bool Wants(std::size_t field) const { return plan_.Wants(field); }
  void BeginRecord(std::uint64_t) {
    label_ = {};
    part_.row.clear();
  }
  void Field(std::size_t field, std::string_view text, bool overlong) {
    // An empty field is no cell.
    if (text.empty() && !overlong) return;
    if (field == plan_.groupColumn) label_ = Lasting(text);
    if (!plan_.Values(field)) return;
    if (plan_.all) part_.Meet(field);
    // A field too long to be a number keeps nothing.
    if (overlong) return;
    column_ = field;
    const bool inPart = Within(text);
    double value;
    // A quoted field's text lies in the splitter's copy, readable only to its end.
    const char* const readable = inPart ? end_ : text.data() + text.size();
    if (plan_.rule->QuickValues() && numtext::PlainLeadingNumberIn(text.data(), text.size(), readable, value))
      return Number(value);
    // Labels and words repeat down a column: a text that failed the test a
    // moment ago fails it again.
    // (Mostly short, so their first bytes tell most apart.)
    if (std::any_of(failed_.begin(), failed_.end(), [text](std::string_view failed) {
          return failed.size() == text.size() && failed.front() == text.front() && failed == text;
        }))
      return;
    skipped_ = false;
    plan_.rule->Decide(text, *this, [](double&) { return false; });
    if (!skipped_ || !inPart) return;
    failed_[nextFailed_] = text;
    nextFailed_ = (nextFailed_ + 1) % failed_.size();
  }
  bool EndRecord(std::uint64_t line, std::size_t fields) {
    ++part_.records;
    if (fields < plan_.fieldsNeeded && part_.shortRows++ < TableColumns::kShortRowsKept)
      part_.firstShortRows.emplace_back(line, fields);
    if (!plan_.grouped) return true;
    const std::size_t groupsBefore = part_.groups.size();
    const std::size_t group = part_.Group(label_);
    // A new label from a quoted field is kept for as long as the part.
    if (part_.groups.size() > groupsBefore && !Within(label_)) {
      part_.groups.back() = part_.copiedLabels.emplace_back(label_);
      if (part_.groups.size() > kGroupsLookedThrough) {
        part_.groupOfLabel.erase(label_);
        part_.groupOfLabel.emplace(part_.groups.back(), group);
      }
    }
    for (const Part::Held& held : part_.row) {
      KeptEntries& entries = part_.Entries(held.column, group);
      if (held.text)
        entries.AddText(held.offset, held.length);
      else
        entries.values.push_back(held.value);
    }
    return true;
  }
  void UnclosedQuote(std::uint64_t) {}

  // What the rule tells of the cell in hand.
  void Number(double value) {
    if (plan_.grouped)
      part_.row.push_back({.column = column_, .text = false, .value = value, .offset = 0, .length = 0});
    else
      part_.Entries(column_, 0).values.push_back(value);
  }
  void Text(std::string_view candidate) {
    const std::uint32_t offset = Offset(candidate);
    const auto length = static_cast<std::uint32_t>(candidate.size());
    if (plan_.grouped)
      part_.row.push_back({.column = column_, .text = true, .value = 0, .offset = offset, .length = length});
    else
      part_.Entries(column_, 0).AddText(offset, length);
  }
  void Skip(std::string_view) { skipped_ = true; }
  void Other(std::string_view candidate) {
    if (part_.otherConvention++ > 0) return;
    part_.firstOtherOffset = Offset(candidate);
    part_.firstOtherLength = static_cast<std::uint32_t>(candidate.size());
  }

 private:
  bool Within(std::string_view text) const {
    return std::less_equal<>()(begin_, text.data()) && std::less<>()(text.data(), end_);
  }
  // Where a text is kept: its place in the part, or in the part's copies.
  std::uint32_t Offset(std::string_view text) {
    if (Within(text)) return static_cast<std::uint32_t>(text.data() - begin_);
    const std::size_t at = part_.length + part_.copied.size();
    part_.copied.append(text);
    return static_cast<std::uint32_t>(at);
  }
  // The row's label, valid until the row ends: a quoted one is copied, as
  // the splitter's copy is the next field's.
  std::string_view Lasting(std::string_view text) {
    if (Within(text)) return text;
    rowLabel_.assign(text);
    return rowLabel_;
  }

  const Plan& plan_;
  const char* begin_;
  const char* end_;  // the bytes up to here may be read with a field
  Part& part_;
  std::string_view label_;
  std::string rowLabel_;
  std::size_t column_ = 0;
  // The last texts that failed the number test (an empty one never comes).
  std::array<std::string_view, 8> failed_{};
  std::size_t nextFailed_ = 0;
  bool skipped_ = false;
};

void PreparePart(const Plan& plan, const char* begin, const char* end, Part& part) {
  part.Reset();
  part.length = static_cast<std::size_t>(end - begin);
  try {
    PartRows rows(plan, begin, end, part);
    DelimitedSplitter<PartRows> split(plan.delimiter, rows, kMaxCandidateBytes);
    split.Feed(begin, part.length);
    part.lines = split.Line() - 1;
    part.clean = split.AtRecordStart();
  } catch (...) {
    part.failure = std::current_exception();
  }
}

// Appends what a part kept of one column and group to its block, in text
// order: the runs of numbers at once.
void HandOver(const KeptEntries& entries, const Part& part, const char* begin, EntrySource& block) {
  std::size_t taken = 0;
  for (const KeptEntries::Text& t : entries.texts) {
    if (t.valuesBefore > taken)
      block.AppendNumbers(std::span<const double>(entries.values.data() + taken, t.valuesBefore - taken));
    block.AppendTestedText(part.TextAt(begin, t.offset, t.length));
    taken = t.valuesBefore;
  }
  if (entries.values.size() > taken)
    block.AppendNumbers(std::span<const double>(entries.values.data() + taken, entries.values.size() - taken));
}

// Cuts [begin, end), which ends just after a LF, after a LF about every
// `partBytes`.
std::vector<const char*> CutIntoParts(const char* begin, const char* end, std::size_t partBytes) {
  std::vector<const char*> cuts{begin};
  while (static_cast<std::size_t>(end - cuts.back()) > partBytes) {
    const char* from = cuts.back() + partBytes;
    const auto* at = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
    if (at == nullptr || at >= end - 1) break;
    cuts.push_back(at + 1);
  }
  cuts.push_back(end);
  return cuts;
}

}  // namespace

TwoThreadTableReader::TwoThreadTableReader(char delimiter, TableColumns& columns, std::size_t partBytes)
    : delimiter_(delimiter),
      columns_(columns),
      partBytes_(std::max<std::size_t>(partBytes, 1)),
      plain_(delimiter, columns) {}

TwoThreadTableReader::~TwoThreadTableReader() = default;

void TwoThreadTableReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  Meanwhile pending(meanwhile);
  const char* const end = data + size;
  const char* rows = data;
  // The record begun in the piece before (or the header) ends at the first
  // line end; it is read here.
  if (const auto* first = static_cast<const char*>(std::memchr(data, '\n', size))) {
    plain_.Feed(data, static_cast<std::size_t>(first + 1 - data));
    rows = first + 1;
    const auto* last = static_cast<const char*>(::memrchr(rows, '\n', static_cast<std::size_t>(end - rows)));
    if (last != nullptr && columns_.TakesRowsElsewhere() && plain_.AtRecordStart()) {
      columns_.KeepHeld();
      if (!roomMade_) MakeRoom(fedBytes_ + static_cast<std::size_t>(rows - data));
      ShareRows(rows, last + 1, pending.Hand());
      rows = last + 1;
    }
  }
  plain_.Feed(rows, static_cast<std::size_t>(end - rows));
  fedBytes_ += size;
}

// Once enough rows are read to tell how long a row is, and with nothing held
// that is not kept in its block yet.
void TwoThreadTableReader::MakeRoom(std::size_t bytesRead) {
  const std::size_t rows = columns_.RowsRead();
  if (fileBytes_ == 0 || bytesRead < kRowsMeasuredBytes || rows == 0) return;
  roomMade_ = true;
  if (fileBytes_ <= bytesRead) return;
  // A quarter more than the rows so far promise: room not filled costs no
  // memory, and entries beyond it only go on in blocks.
  const double promised = static_cast<double>(rows) * static_cast<double>(fileBytes_) / static_cast<double>(bytesRead);
  columns_.ExpectRows(static_cast<std::size_t>(promised * 1.25) + 1024);
}

void TwoThreadTableReader::Finish() { plain_.Finish(); }

void TwoThreadTableReader::ShareRows(const char* begin, const char* end, const std::function<void()>& meanwhile) {
  Plan plan;
  plan.rule = &columns_.rule_;
  plan.all = columns_.choice_.all;
  plan.grouped = columns_.choice_.group.has_value();
  plan.groupColumn = columns_.groupColumn_;
  plan.fieldsNeeded = columns_.fieldsNeeded_;
  plan.delimiter = delimiter_;
  for (const auto& [column, slot] : columns_.at_) {
    if (plan.wanted.size() <= column) plan.wanted.resize(column + 1, 0);
    plan.wanted[column] = 1;
  }
  const std::vector<const char*> cuts = CutIntoParts(begin, end, partBytes_);
  const std::size_t count = cuts.size() - 1;
  if (parts_.size() < count) parts_.resize(count);
  if (!threads_) threads_ = std::make_unique<core::TwoThreads>();
  std::uint64_t lines = 0;
  const std::uint64_t firstLine = plain_.Line();
  // A part is cut at a line end that may lie inside a quoted field: then
  // the part before it ends in that field, and from there on the parts
  // began in the wrong place. Those are never taken (nor, once seen, read):
  // the one splitter reads the rest.
  std::size_t stopAt = count;
  std::atomic<bool> stopping{false};
  auto prepare = [&](std::size_t k) {
    Part& part = parts_[k];
    if (stopping.load(std::memory_order_relaxed)) {
      part.Reset();
      part.clean = false;
      return;
    }
    PreparePart(plan, cuts[k], cuts[k + 1], part);
    if (!part.clean) stopping.store(true, std::memory_order_relaxed);
  };
  auto take = [&](std::size_t k) {
    if (k >= stopAt) return;
    if (!parts_[k].clean) {
      stopAt = k;
      return;
    }
    TakePart(plan, cuts[k], parts_[k], firstLine + lines);
    lines += parts_[k].lines;
  };
  core::RunInOrder(
      *threads_, count, prepare, take,
      [&](std::size_t k) {
        prepare(k);
        take(k);
      },
      meanwhile);
  plain_.SkipLines(lines);
  sharedBytes_ += static_cast<std::uint64_t>(cuts[stopAt] - begin);
  plain_.Feed(cuts[stopAt], static_cast<std::size_t>(end - cuts[stopAt]));
}

// Takes a part's groups, columns and entries into the columns, as the rows
// it read would have been told one cell at a time; what TableColumns::EndRow
// counts of each row is counted here of the part's.
void TwoThreadTableReader::TakePart(const Plan& plan, const char* begin, const Part& part, std::uint64_t firstLine) {
  columns_.CountRows(part.records);
  for (const auto& [line, fields] : part.firstShortRows) columns_.NoteShortRow(firstLine + line - 1, fields);
  columns_.shortRows_.count += part.shortRows - part.firstShortRows.size();
  if (plan.all)
    for (const std::size_t column : part.firstMet) columns_.AllSlot(column);
  std::vector<std::size_t> groupOf(plan.grouped ? part.groups.size() : 1, 0);
  if (plan.grouped)
    for (std::size_t g = 0; g < part.groups.size(); ++g) groupOf[g] = columns_.GroupIndex(std::string(part.groups[g]));
  auto handOver = [&](std::size_t slot, const std::vector<KeptEntries>& byGroup) {
    for (std::size_t g = 0; g < byGroup.size(); ++g) {
      const KeptEntries& entries = byGroup[g];
      if (entries.values.empty() && entries.texts.empty()) continue;
      HandOver(entries, part, begin, columns_.Block(slot, groupOf[g]));
    }
  };
  for (std::size_t column = 0; column < part.kept.size(); ++column) {
    if (part.kept[column].empty()) continue;
    if (plan.all) {
      handOver(columns_.allSlotAt_[column], part.kept[column]);
      continue;
    }
    const auto& at = columns_.at_;
    auto pick = std::lower_bound(at.begin(), at.end(), column,
                                 [](const auto& entry, std::size_t c) { return entry.first < c; });
    for (; pick != at.end() && pick->first == column; ++pick) handOver(pick->second, part.kept[column]);
  }
  if (part.otherConvention > 0)
    columns_.otherConvention_.NoteOtherConvention(part.TextAt(begin, part.firstOtherOffset, part.firstOtherLength),
                                                  part.otherConvention);
  if (part.failure) std::rethrow_exception(part.failure);
}

}  // namespace tallowmere::input
