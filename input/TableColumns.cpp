#include "input/TableColumns.h"

#include <algorithm>
#include <limits>

#include "numtext/NumberText.h"

namespace tallowmere::input {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The cells of a batch: enough that handing half to the other thread costs
// little beside deciding them, few enough that their texts stay in the cache.
constexpr std::size_t kBatchCells = std::size_t{1} << 16;
// Below this a batch is decided on this thread alone.
constexpr std::size_t kTwoThreadCells = 4096;
constexpr std::size_t kBatchPieces = 8;

// The rule reads the leading numbers of plain texts only for a list that
// keeps values, as every block does; what it decides is kept by the Keeper,
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

// Takes the rule's decision on one held text cell.
class TableColumns::Keeper {
 public:
  Keeper(Held& held, ReadTally& otherConvention) : held_(held), otherConvention_(otherConvention) {}
  void Number(double value) {
    held_.kind = Held::Kind::kNumber;
    held_.number = value;
  }
  // The text stays where it is held, to be kept as tested text.
  void Text(std::string_view) { held_.kind = Held::Kind::kText; }
  void Skip(std::string_view) { held_.kind = Held::Kind::kNotNumber; }
  void Other(std::string_view candidate) { otherConvention_.NoteOtherConvention(candidate, 1); }

 private:
  Held& held_;
  ReadTally& otherConvention_;
};

TableColumns::TableColumns(ColumnsChoice choice, const numtext::Separators& sep, bool twoThreads)
    : choice_(std::move(choice)), rule_(&Wanted(), sep), twoThreads_(twoThreads) {
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
}

void TableColumns::BeginRow(std::uint64_t) { rowGroup_.clear(); }

void TableColumns::Cell(const TableCell& cell) {
  if (inHeader_) {
    if (headerCells_.size() <= cell.column) headerCells_.resize(cell.column + 1);
    headerCells_[cell.column].assign(cell.text);
    return;
  }
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
  Held& held = held_.emplace_back();
  held.slot = slot;
  switch (cell.kind) {
    case CellKind::kNumber:
      held.kind = Held::Kind::kNumber;
      held.number = cell.number;
      break;
    case CellKind::kOther:
      held.kind = Held::Kind::kNotNumber;
      break;
    case CellKind::kText:
      held.kind = Held::Kind::kUndecided;
      held.textAt = heldText_.size();
      held.textSize = cell.text.size();
      heldText_.append(cell.text);
      break;
  }
}

void TableColumns::EndHeader() {
  inHeader_ = false;
  ResolvePicks();
}

std::size_t TableColumns::GroupIndex() {
  if (!choice_.group) return 0;
  const auto [at, made] = groupIndex_.try_emplace(rowGroup_, groups_.size());
  if (made) groups_.push_back(rowGroup_);
  return at->second;
}

EntrySource& TableColumns::Block(std::size_t slot, std::size_t group) {
  std::vector<std::size_t>& blocks = slots_[slot].blockOfGroup;
  if (blocks.size() <= group) blocks.resize(group + 1, kNone);
  if (blocks[group] == kNone) {
    blocks[group] = blocks_.size();
    blocks_.emplace_back();
  }
  return blocks_[blocks[group]].entries;
}

void TableColumns::EndRow() {
  if (inHeader_) return EndHeader();
  if (missing_) return;
  heldRows_.push_back({.cellsEnd = held_.size(), .group = GroupIndex()});
  if (held_.size() >= kBatchCells) KeepBatch();
}

void TableColumns::DecideRange(std::size_t begin, std::size_t end, ReadTally& otherConvention) {
  for (std::size_t i = begin; i < end; ++i) {
    Held& held = held_[i];
    if (held.kind != Held::Kind::kUndecided) continue;
    Keeper keeper(held, otherConvention);
    rule_.Decide(std::string_view(heldText_).substr(held.textAt, held.textSize), keeper);
  }
}

// The threads take pieces of the batch one at a time, so that on a busy
// machine this one decides what the helper has not taken; what each piece
// read in the other convention is told in cell order.
void TableColumns::DecideBatch() {
  const std::size_t n = held_.size();
  if (!twoThreads_ || n < kTwoThreadCells) return DecideRange(0, n, otherConvention_);
  if (!threads_) threads_ = std::make_unique<core::TwoThreads>();
  ReadTally pieces[kBatchPieces];
  threads_->Run(kBatchPieces,
                [&](std::size_t k) { DecideRange(k * n / kBatchPieces, (k + 1) * n / kBatchPieces, pieces[k]); });
  for (const ReadTally& piece : pieces)
    otherConvention_.NoteOtherConvention(piece.firstOtherConvention, piece.otherConvention);
}

void TableColumns::KeepBatch() {
  DecideBatch();
  std::size_t cell = 0;
  for (const HeldRow& row : heldRows_) {
    for (; cell < row.cellsEnd; ++cell) {
      const Held& held = held_[cell];
      EntrySource& entries = Block(held.slot, row.group);
      switch (held.kind) {
        case Held::Kind::kNumber:
          entries.AppendNumber(held.number);
          break;
        case Held::Kind::kText:
          entries.AppendTestedText(std::string_view(heldText_).substr(held.textAt, held.textSize));
          break;
        case Held::Kind::kNotNumber:
        case Held::Kind::kUndecided:
          entries.NoteSkipped({}, 1);
          break;
      }
    }
  }
  held_.clear();
  heldRows_.clear();
  heldText_.clear();
}

std::vector<ColumnEntries> TableColumns::TakeBlocks() {
  KeepBatch();
  std::vector<ColumnEntries> taken;
  for (Slot& slot : slots_) {
    auto entriesOf = [&](std::size_t group) -> ColumnEntries* {
      const bool made = group < slot.blockOfGroup.size() && slot.blockOfGroup[group] != kNone;
      return made ? &blocks_[slot.blockOfGroup[group]] : nullptr;
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
