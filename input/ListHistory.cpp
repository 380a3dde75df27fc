#include "input/ListHistory.h"

#include <algorithm>
#include <stdexcept>

namespace tallowmere::input {

namespace {
template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;
}  // namespace

std::size_t ListHistory::BeginAddition(std::string name, const EntryStore& list) {
  Settle(list);
  open_.push_back({nextTicket_, std::move(name)});
  return nextTicket_++;
}

void ListHistory::EndAddition(std::size_t ticket, const EntryStore& list) {
  // Closed even when the last part cannot be recorded (no memory left):
  // later entries must not join an addition that has ended.
  struct Close {
    std::vector<OpenAddition>& open;
    std::size_t ticket;
    ~Close() {
      std::erase_if(open, [this](const OpenAddition& a) { return a.ticket == ticket; });
    }
  } close{open_, ticket};
  Settle(list);
}

void ListHistory::Settle(const EntryStore& list) {
  const std::size_t count = list.Size();
  if (count == known_) return;
  if (count < known_) {
    // Entries went without being recorded: no step can be trusted to undo
    // onto this list any more.
    done_.clear();
    undone_.clear();
    moveOpen_ = false;
    known_ = count;
    return;
  }
  const std::size_t ticket = open_.empty() ? 0 : open_.back().ticket;
  const bool joins =
      !done_.empty() && done_.back().ticket == ticket && std::holds_alternative<Addition>(done_.back().change);
  if (joins) {
    undone_.clear();
  } else {
    Push({.name = open_.empty() ? std::string() : open_.back().name,
          .ticket = ticket,
          .change = Addition{known_, EntryStore()}});
  }
  known_ = count;
}

void ListHistory::RecordRemove(const EntryStore& list, std::size_t index) {
  Settle(list);
  Removal removal{index, std::string(list.Text(index)), list.PassedNumberTest(index)};
  Push({.name = kRemoveEntryStep, .change = std::move(removal)});
  known_ = list.Size() - 1;
}

void ListHistory::RecordClear(EntryStore& list) {
  Settle(list);
  if (list.Size() == 0) return;
  Push({.name = kClearListStep, .change = Clearing{std::move(list)}});
  known_ = 0;
}

void ListHistory::RemoveRows(std::string name, EntryStore& list, std::vector<std::size_t> rows) {
  Settle(list);
  if (rows.empty()) return;
  for (std::size_t k = 0; k < rows.size(); ++k)
    if (rows[k] >= list.Size() || (k > 0 && rows[k] <= rows[k - 1])) throw std::out_of_range("Invalid entry index");
  Removals removals{std::move(rows), EntryStore()};
  for (const std::size_t row : removals.rows) removals.entries.Append(list.Text(row), list.PassedNumberTest(row));
  EntryStore kept = Without(removals, list);
  Push({.name = std::move(name), .change = std::move(removals)});
  list = std::move(kept);
  known_ = list.Size();
}

EntryStore ListHistory::Without(const Removals& r, const EntryStore& list) {
  EntryStore kept;
  std::size_t k = 0;
  for (std::size_t i = 0; i < list.Size(); ++i) {
    if (k < r.rows.size() && r.rows[k] == i) {
      ++k;
      continue;
    }
    kept.Append(list.Text(i), list.PassedNumberTest(i));
  }
  return kept;
}

EntryStore ListHistory::With(const Removals& r, const EntryStore& list) {
  EntryStore whole;
  std::size_t k = 0, j = 0;
  const std::size_t total = list.Size() + r.rows.size();
  for (std::size_t i = 0; i < total; ++i) {
    if (k < r.rows.size() && r.rows[k] == i) {
      whole.Append(r.entries.Text(k), r.entries.PassedNumberTest(k));
      ++k;
    } else {
      whole.Append(list.Text(j), list.PassedNumberTest(j));
      ++j;
    }
  }
  return whole;
}

void ListHistory::RecordSwap(const EntryStore& list, std::size_t a, std::size_t b) {
  Settle(list);
  if (a >= list.Size() || b >= list.Size()) throw std::out_of_range("Invalid entry index");
  if (a == b) return;
  if (moveOpen_ && !done_.empty()) {
    if (auto* move = std::get_if<Move>(&done_.back().change)) {
      move->swaps.emplace_back(a, b);
      return;
    }
  }
  Push({.name = kMoveEntryStep, .change = Move{{{a, b}}}});
  moveOpen_ = true;
}

void ListHistory::Push(Step step) {
  undone_.clear();
  moveOpen_ = false;
  done_.push_back(std::move(step));
  while (done_.size() > depth_) done_.pop_front();
}

std::string ListHistory::UndoName() const { return done_.empty() ? std::string() : done_.back().name; }

std::string ListHistory::RedoName() const { return undone_.empty() ? std::string() : undone_.back().name; }

bool ListHistory::Undo(EntryStore& list, const BeforeChange& before) {
  Settle(list);
  moveOpen_ = false;
  if (done_.empty()) return false;
  Step& step = done_.back();
  before(UndoChange(step, list));
  Unmake(step, list);
  undone_.push_back(std::move(step));
  done_.pop_back();
  known_ = list.Size();
  return true;
}

bool ListHistory::Redo(EntryStore& list, const BeforeChange& before) {
  Settle(list);
  moveOpen_ = false;
  if (undone_.empty()) return false;
  Step& step = undone_.back();
  before(RedoChange(step, list));
  Make(step, list);
  done_.push_back(std::move(step));
  undone_.pop_back();
  known_ = list.Size();
  return true;
}

namespace {
std::pair<std::size_t, std::size_t> RowsOf(const std::vector<std::pair<std::size_t, std::size_t>>& swaps) {
  std::size_t first = swaps.front().first, last = first;
  for (const auto& [a, b] : swaps) {
    first = std::min({first, a, b});
    last = std::max({last, a, b});
  }
  return {first, last};
}
}  // namespace

RowChange ListHistory::UndoChange(const Step& step, const EntryStore& list) {
  using Kind = RowChange::Kind;
  return std::visit(Overloaded{
                        [&](const Addition& a) {
                          return RowChange{Kind::kRemoved, a.from, list.Size() - 1,
                                           a.from > 0 ? std::optional<std::size_t>(a.from - 1) : std::nullopt};
                        },
                        [](const Removal& r) {
                          return RowChange{Kind::kInserted, r.row, r.row, r.row};
                        },
                        [](const Move& m) {
                          const auto [first, last] = RowsOf(m.swaps);
                          return RowChange{Kind::kEdited, first, last, m.swaps.front().first};
                        },
                        [](const Clearing&) {
                          return RowChange{Kind::kReset, 0, 0, std::size_t{0}};
                        },
                        [](const Removals& r) {
                          return RowChange{Kind::kReset, 0, 0, r.rows.front()};
                        },
                    },
                    step.change);
}

RowChange ListHistory::RedoChange(const Step& step, const EntryStore& list) {
  using Kind = RowChange::Kind;
  return std::visit(Overloaded{
                        [](const Addition& a) {
                          return RowChange{Kind::kInserted, a.from, a.from + a.Added() - 1, a.from};
                        },
                        [&](const Removal& r) {
                          const std::size_t left = list.Size() - 1;
                          return RowChange{
                              Kind::kRemoved, r.row, r.row,
                              left > 0 ? std::optional<std::size_t>(std::min(r.row, left - 1)) : std::nullopt};
                        },
                        [](const Move& m) {
                          const auto [first, last] = RowsOf(m.swaps);
                          return RowChange{Kind::kEdited, first, last, m.swaps.back().second};
                        },
                        [](const Clearing&) {
                          return RowChange{Kind::kReset, 0, 0, std::nullopt};
                        },
                        [&](const Removals& r) {
                          const std::size_t left = list.Size() - r.rows.size();
                          std::optional<std::size_t> current;
                          if (left > 0) current = std::min(r.rows.front(), left - 1);
                          return RowChange{Kind::kReset, 0, 0, current};
                        },
                    },
                    step.change);
}

void ListHistory::Unmake(Step& step, EntryStore& list) {
  std::visit(Overloaded{
                 [&](Addition& a) {
                   // Whichever part is smaller is copied; the larger stays
                   // where it is. Redo finds the list as undo left it (any
                   // change between would have dropped the redo), so the
                   // whole list can simply be handed back.
                   a.whole = a.from <= list.Size() - a.from;
                   if (a.whole) {
                     EntryStore head = list.Head(a.from);
                     a.cut = std::move(list);
                     list = std::move(head);
                   } else {
                     a.cut = list.CutTail(a.from);
                   }
                 },
                 [&](const Removal& r) { list.Insert(r.row, r.text, r.passedNumberTest); },
                 [&](const Move& m) {
                   for (auto swap = m.swaps.rbegin(); swap != m.swaps.rend(); ++swap)
                     list.SwapTexts(swap->first, swap->second);
                 },
                 [&](Clearing& c) { list = std::move(c.list); },
                 [&](const Removals& r) { list = With(r, list); },
             },
             step.change);
}

void ListHistory::Make(Step& step, EntryStore& list) {
  std::visit(Overloaded{
                 [&](Addition& a) {
                   if (a.whole)
                     list = std::move(a.cut);
                   else
                     list.AppendAll(std::move(a.cut));
                 },
                 [&](const Removal& r) { list.Remove(r.row); },
                 [&](const Move& m) {
                   for (const auto& [a, b] : m.swaps) list.SwapTexts(a, b);
                 },
                 [&](Clearing& c) { c.list = std::move(list); },
                 [&](const Removals& r) { list = Without(r, list); },
             },
             step.change);
}

}  // namespace tallowmere::input
