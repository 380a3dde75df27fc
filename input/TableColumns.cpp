#include "input/TableColumns.h"

#include <algorithm>
#include <limits>

#include "numtext/NumberText.h"

namespace tallowmere::input {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The rule reads the leading numbers of plain texts only for a list that
// keeps values, as every block does; what it decides is kept by the batches,
// never appended here.
class ValuesWanted final : public ValueSink {
 public:
  void Append(std::string_view) override {}
  void AppendNumber(double) override {}
  void AppendNumbers(std::span<const double>) override {}
};

ValuesWanted& Wanted() {
  static ValuesWanted wanted;
  return wanted;
}

// A group's label: its cell's text; a stored number without one as the
// shortest text that reads back to it.
std::string GroupLabel(const TableCell& cell) {
  if (cell.kind != CellKind::kNumber || !cell.text.empty()) return std::string(cell.text);
  return numtext::RoundTripText(cell.number, numtext::Separators{".", ","});
}

}  // namespace

TableColumns::TableColumns(ColumnsChoice choice, const numtext::Separators& sep, bool twoThreads)
    : choice_(std::move(choice)), rule_(&Wanted(), sep), keeper_(rule_, otherConvention_, twoThreads) {
  for (const ColumnPick& pick : choice_.columns)
    slots_.push_back({.name = pick.name, .number = pick.number, .blockOfGroup = {}});
  // Without groups every row is of the one group, which has no label.
  if (!choice_.group) groups_.emplace_back();
}

TableColumns::~TableColumns() = default;

void TableColumns::BeginTable() {
  inHeader_ = choice_.header;
  headerCells_.clear();
  allSlotAt_.clear();
  shortRows_ = {};
  if (!inHeader_) ResolvePicks();
}

// The columns of this table where the chosen ones are, once its header (if
// any) is known.
void TableColumns::ResolvePicks() {
  auto find = [this](const ColumnPick& pick) -> std::size_t {
    if (pick.name.empty()) return pick.number - 1;
    const auto at = std::find(headerCells_.begin(), headerCells_.end(), pick.name);
    if (at == headerCells_.end()) {
      if (!missing_) missing_ = pick.name;
      return kNone;
    }
    return static_cast<std::size_t>(at - headerCells_.begin());
  };
  at_.clear();
  for (std::size_t s = 0; s < choice_.columns.size(); ++s) {
    const std::size_t column = find(choice_.columns[s]);
    if (column == kNone) continue;
    at_.emplace_back(column, s);
    Slot& slot = slots_[s];
    if (slot.number == 0) slot.number = column + 1;
    // A column chosen by number is headed by its header cell, as the first
    // table names it.
    if (slot.name.empty() && column < headerCells_.size()) slot.name = headerCells_[column];
  }
  std::stable_sort(at_.begin(), at_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  groupColumn_ = choice_.group ? find(*choice_.group) : kNone;
  fieldsNeeded_ = choice_.all ? headerCells_.size() : 0;
  for (const auto& [column, slot] : at_) fieldsNeeded_ = std::max(fieldsNeeded_, column + 1);
  if (groupColumn_ != kNone) fieldsNeeded_ = std::max(fieldsNeeded_, groupColumn_ + 1);
}

void TableColumns::BeginRow(std::uint64_t line) {
  rowLine_ = line;
  rowFields_.reset();
  rowGroup_.clear();
  rowSlots_.clear();
  rowStart_ = keeper_.Filling().Size();
}

void TableColumns::Cell(const TableCell& cell) {
  if (inHeader_) {
    if (headerCells_.size() <= cell.column) headerCells_.resize(cell.column + 1);
    headerCells_[cell.column].assign(cell.text);
    return;
  }
  // Once a header lacks a chosen name nothing is kept.
  if (missing_) return;
  if (cell.column == groupColumn_) rowGroup_ = GroupLabel(cell);
  if (choice_.all) {
    if (cell.column != groupColumn_) TakeValue(AllSlot(cell.column), cell);
    return;
  }
  const auto first = std::lower_bound(at_.begin(), at_.end(), cell.column,
                                      [](const auto& entry, std::size_t column) { return entry.first < column; });
  for (auto at = first; at != at_.end() && at->first == cell.column; ++at) TakeValue(at->second, cell);
}

// With `all`: the slot of a column of this table, made when it is first met.
std::size_t TableColumns::AllSlot(std::size_t column) {
  if (allSlotAt_.size() <= column) allSlotAt_.resize(column + 1, kNone);
  std::size_t& slot = allSlotAt_[column];
  if (slot != kNone) return slot;
  const std::string name = column < headerCells_.size() ? headerCells_[column] : std::string();
  if (!name.empty()) {
    const auto [known, made] = slotOfName_.try_emplace(name, slots_.size());
    slot = known->second;
    if (!made) return slot;
  } else {
    // A column without a header cell is known by its number.
    const auto known = std::find_if(slots_.begin(), slots_.end(),
                                    [&](const Slot& s) { return s.name.empty() && s.number == column + 1; });
    slot = static_cast<std::size_t>(known - slots_.begin());
    if (known != slots_.end()) return slot;
  }
  slots_.push_back({.name = name, .number = column + 1, .blockOfGroup = {}});
  return slot;
}

void TableColumns::TakeValue(std::size_t slot, const TableCell& cell) {
  CellBatch& batch = keeper_.Filling();
  switch (cell.kind) {
    case CellKind::kNumber:
      batch.AddNumber(cell.number);
      break;
    case CellKind::kOther:
      batch.AddNotNumber();
      break;
    case CellKind::kText:
      batch.AddText(cell.text);
      break;
  }
  rowSlots_.push_back(slot);
}

void TableColumns::EndHeader() {
  inHeader_ = false;
  ResolvePicks();
}

std::size_t TableColumns::GroupIndex(const std::string& label) {
  if (!choice_.group) return 0;
  const auto [at, made] = groupIndex_.try_emplace(label, groups_.size());
  if (made) groups_.push_back(label);
  return at->second;
}

EntrySource& TableColumns::Block(std::size_t slot, std::size_t group) {
  std::vector<std::size_t>& blocks = slots_[slot].blockOfGroup;
  if (blocks.size() <= group) blocks.resize(group + 1, kNone);
  if (blocks[group] == kNone) {
    blocks[group] = blocks_.size();
    blocks_.push_back(std::make_unique<ColumnEntries>());
  }
  return blocks_[blocks[group]]->entries;
}

void TableColumns::ExpectRows(std::size_t rows) {
  if (rows <= rows_ || rows_ == 0) return;
  // Each block is taken to go on as it began: a group of a tenth of the
  // rows so far gets room for a tenth of those to come.
  const double more = static_cast<double>(rows - rows_) / static_cast<double>(rows_);
  for (std::size_t b = 0; b < blocks_.size() && b < kBlocksWithRoom; ++b) {
    EntrySource& entries = blocks_[b]->entries;
    if (entries.Count() > 0)
      entries.ExpectEntries(static_cast<std::size_t>(static_cast<double>(entries.Count()) * more));
  }
}

// Counts the row as short, and keeps the first few: the column it lacks
// first is the one a reader looking for the gap needs.
void TableColumns::NoteShortRow(std::uint64_t line, std::size_t fields) {
  ++shortRows_.count;
  if (shortRows_.first.size() >= kShortRowsKept) return;
  std::size_t first = kNone;
  ColumnPick lacking;
  auto consider = [&](std::size_t column, const std::string& name) {
    if (column < fields || column >= first) return;
    first = column;
    lacking = {.number = column + 1, .name = name};
  };
  for (const auto& [column, slot] : at_) consider(column, choice_.columns[slot].name);
  if (choice_.group) consider(groupColumn_, choice_.group->name);
  if (choice_.all && fields < headerCells_.size()) consider(fields, headerCells_[fields]);
  shortRows_.first.push_back({.line = line, .fields = fields, .lacking = std::move(lacking)});
}

// The row's cells get their blocks once its group is known. The rows read in
// parts (input/TwoThreadTable) never come here: what is counted of each row
// is counted of theirs where a part is taken (TwoThreadTableReader::TakePart).
void TableColumns::EndRow() {
  if (inHeader_) return EndHeader();
  if (missing_) return;
  if (rowFields_ && *rowFields_ < fieldsNeeded_) NoteShortRow(rowLine_, *rowFields_);
  ++rows_;
  const std::size_t group = GroupIndex(rowGroup_);
  CellBatch& batch = keeper_.Filling();
  for (std::size_t k = 0; k < rowSlots_.size(); ++k) batch.SetList(rowStart_ + k, Block(rowSlots_[k], group));
  if (batch.Size() >= kBatchCells) keeper_.Hand();
}

std::vector<ColumnEntries> TableColumns::TakeBlocks() {
  keeper_.Finish();
  std::vector<ColumnEntries> taken;
  for (Slot& slot : slots_) {
    auto entriesOf = [&](std::size_t group) -> ColumnEntries* {
      const bool made = group < slot.blockOfGroup.size() && slot.blockOfGroup[group] != kNone;
      return made ? blocks_[slot.blockOfGroup[group]].get() : nullptr;
    };
    if (choice_.all) {
      bool numbers = false;
      for (std::size_t g = 0; g < groups_.size() && !numbers; ++g)
        numbers = entriesOf(g) && entriesOf(g)->entries.Count() > 0;
      if (!numbers) continue;
    }
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      ColumnEntries block;
      if (ColumnEntries* made = entriesOf(g)) block.entries = std::move(made->entries);
      block.name = slot.name;
      block.number = slot.number;
      if (choice_.group) block.group = groups_[g];
      taken.push_back(std::move(block));
    }
  }
  blocks_.clear();
  return taken;
}

}  // namespace tallowmere::input
