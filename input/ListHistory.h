#pragma once
// The undo history of the number list: the steps that changed it, newest
// last, and the steps undone, ready to be done again. Plain C++ over the
// entry store; the list model records into it and tells the views.
//
// A step keeps only what its undo needs, and never a second copy of the
// list: an addition keeps the count it began at (its entries are cut off at
// undo and kept for redo), a removal the entry and its row, a move the swaps
// it made, a removal of several entries those entries and their rows, and a
// clear the whole store, handed over.
//
// Steps always undo in the reverse order of the changes, even when changes
// interleave: entries appended while an addition is open belong to it, but
// any other change recorded meanwhile (a clear during a drop, a drop inside
// another drop) closes the part appended so far as a step of its own, and
// what is appended afterwards starts a new part.
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/Translation.h"
#include "input/EntryStore.h"

namespace tallowmere::input {

// The names of the steps, as the window offers to undo them.
inline constexpr const char* kAddNumbersStep = QT_TRANSLATE_NOOP("ListHistory", "Add Numbers");
inline constexpr const char* kLoadNumbersStep = QT_TRANSLATE_NOOP("ListHistory", "Load Numbers");
inline constexpr const char* kDropStep = QT_TRANSLATE_NOOP("ListHistory", "Drop");
inline constexpr const char* kSampleNumbersStep = QT_TRANSLATE_NOOP("ListHistory", "Sample Numbers");
inline constexpr const char* kMoveEntryStep = QT_TRANSLATE_NOOP("ListHistory", "Move Entry");
inline constexpr const char* kRemoveEntryStep = QT_TRANSLATE_NOOP("ListHistory", "Remove Entry");
inline constexpr const char* kClearListStep = QT_TRANSLATE_NOOP("ListHistory", "Clear List");
inline constexpr const char* kRemoveNotNumbersStep =
    QT_TRANSLATE_NOOP("ListHistory", "Remove Entries That Are Not Numbers");
// Numbers pasted into the list (Ctrl+V, Shift+Insert, the menu's item, a
// dropped text).
inline constexpr const char* kPasteStep = QT_TRANSLATE_NOOP("ListHistory", "Paste");
// A column of a table appended through the table dialog.
inline constexpr const char* kOpenTableStep = QT_TRANSLATE_NOOP("ListHistory", "Open Table");

// What undoing or redoing a step does to the rows, told before the store
// changes (so that views can be told first).
struct RowChange {
  enum class Kind { kInserted, kRemoved, kEdited, kReset };
  Kind kind = Kind::kReset;
  std::size_t first = 0;  // the rows concerned, both ends included (kReset: none)
  std::size_t last = 0;
  std::optional<std::size_t> current;  // the row to show afterwards, if any
};

class ListHistory {
 public:
  static constexpr std::size_t kDefaultDepth = 100;
  using BeforeChange = std::function<void(const RowChange&)>;

  explicit ListHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

  // An addition: entries appended from here to its end form its step (or
  // its parts, see above). Returns its ticket for EndAddition; additions
  // may end in any order.
  std::size_t BeginAddition(std::string name, const EntryStore& list);
  void EndAddition(std::size_t ticket, const EntryStore& list);
  // Brings the history up to the list's count: entries appended since the
  // last call join the open addition (or, outside any, a step without a
  // name). Every other call does this first.
  void Settle(const EntryStore& list);

  // Other changes, recorded just before the list makes them.
  void RecordRemove(const EntryStore& list, std::size_t index);
  // Takes the whole list over; it is left empty. An empty list records nothing.
  void RecordClear(EntryStore& list);
  // Takes the entries at `rows` (ascending, each once) out of the list as
  // one step named `name`; the others keep their order. No rows record
  // nothing. A failure (no memory left) leaves the list as it was.
  void RemoveRows(std::string name, EntryStore& list, std::vector<std::size_t> rows);
  // Swaps of one move join its step until EndMove or any other step.
  void RecordSwap(const EntryStore& list, std::size_t a, std::size_t b);
  void EndMove() { moveOpen_ = false; }

  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  // The names of the steps that Undo and Redo would take ("" when none,
  // or for entries appended outside any addition).
  std::string UndoName() const;
  std::string RedoName() const;
  std::size_t UndoCount() const { return done_.size(); }
  std::size_t RedoCount() const { return undone_.size(); }

  // Undoes or redoes one step on `list` (the list the steps were recorded
  // on); `before` hears of the rows' change before the store changes.
  // False when there was nothing to undo or redo.
  bool Undo(EntryStore& list, const BeforeChange& before);
  bool Redo(EntryStore& list, const BeforeChange& before);

 private:
  struct Addition {
    std::size_t from;  // the count before it
    // While undone: its entries, or (`whole`) the whole list as it was after
    // it, when the entries before it were fewer and so cheaper to copy.
    EntryStore cut;
    bool whole = false;
    std::size_t Added() const { return whole ? cut.Size() - from : cut.Size(); }
  };
  struct Removal {
    std::size_t row;
    std::string text;
    bool passedNumberTest;
  };
  struct Move {
    std::vector<std::pair<std::size_t, std::size_t>> swaps;
  };
  struct Clearing {
    EntryStore list;  // the whole list, while done
  };
  struct Removals {
    std::vector<std::size_t> rows;  // ascending, as they were before the removal
    EntryStore entries;             // their texts and flags, in the same order
  };
  struct Step {
    std::string name;
    std::size_t ticket = 0;  // the addition it belongs to (0: none)
    std::variant<Addition, Removal, Move, Clearing, Removals> change;
  };
  struct OpenAddition {
    std::size_t ticket;
    std::string name;
  };

  // A new step: the undone ones are dropped, the oldest beyond the depth too.
  void Push(Step step);
  static RowChange UndoChange(const Step& step, const EntryStore& list);
  static RowChange RedoChange(const Step& step, const EntryStore& list);
  static void Unmake(Step& step, EntryStore& list);
  static void Make(Step& step, EntryStore& list);
  // The list without the rows of `r`, and the list with them back in place.
  static EntryStore Without(const Removals& r, const EntryStore& list);
  static EntryStore With(const Removals& r, const EntryStore& list);

  std::size_t depth_;
  std::deque<Step> done_;
  std::vector<Step> undone_;
  std::vector<OpenAddition> open_;  // innermost last
  std::size_t nextTicket_ = 1;
  std::size_t known_ = 0;  // the list's count as last recorded
  bool moveOpen_ = false;
};

}  // namespace tallowmere::input
