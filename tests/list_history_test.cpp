// The number list's undo history over the entry store: every kind of change
// undone gives back the list exactly as it was (texts, number-test flags and
// order) and redone gives the list after it; steps interleaved with an open
// addition still undo in order; the depth, the dropping of redo steps and
// the changes that record nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "input/EntryStore.h"
#include "input/ListHistory.h"

using namespace tallowmere;
using namespace tallowmere::input;

namespace {

struct Entry {
  std::string text;
  bool tested = false;
  bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* os) { *os << '"' << e.text << '"' << (e.tested ? "+" : ""); }

std::vector<Entry> Contents(const EntryStore& store) {
  std::vector<Entry> out;
  for (std::size_t i = 0; i < store.Size(); ++i) out.push_back({std::string(store.Text(i)), store.PassedNumberTest(i)});
  return out;
}

// The list and its history, changed in the order the list model changes
// them: each change is recorded just before it is made.
struct List {
  EntryStore store;
  ListHistory history;

  explicit List(std::size_t depth = ListHistory::kDefaultDepth) : history(depth) {}

  void Add(const char* name, const std::vector<Entry>& entries) {
    const std::size_t ticket = history.BeginAddition(name, store);
    AppendRaw(entries);
    history.EndAddition(ticket, store);
  }
  void AppendRaw(const std::vector<Entry>& entries) {
    for (const Entry& e : entries) store.Append(e.text, e.tested);
  }
  void Remove(std::size_t row) {
    history.RecordRemove(store, row);
    store.Remove(row);
  }
  void Swap(std::size_t a, std::size_t b) {
    history.RecordSwap(store, a, b);
    store.SwapTexts(a, b);
  }
  void Clear() {
    history.RecordClear(store);
    store.Clear();
  }
  // Returns what undo or redo said about the rows before it changed them,
  // checking that it spoke once and before the change.
  RowChange Undo() { return Take(true); }
  RowChange Redo() { return Take(false); }

 private:
  RowChange Take(bool undo) {
    RowChange told;
    int calls = 0;
    const std::vector<Entry> before = Contents(store);
    const auto hear = [&](const RowChange& c) {
      ++calls;
      told = c;
      EXPECT_EQ(Contents(store), before) << "told after the change";
    };
    EXPECT_TRUE(undo ? history.Undo(store, hear) : history.Redo(store, hear));
    EXPECT_EQ(calls, 1);
    return told;
  }
};

const std::vector<Entry> kStart = {{"7", false}, {"1,5", true}, {" x ", false}, {"-2", true}};

struct ChangeCase {
  const char* name;
  std::function<void(List&)> change;
  std::vector<Entry> after;
  const char* stepName;
  RowChange::Kind kind;  // as undo tells it
  std::size_t first, last;
  std::optional<std::size_t> currentAfterUndo, currentAfterRedo;
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class EachChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(EachChange, UndoGivesTheListBackAndRedoMakesTheChangeAgain) {
  const ChangeCase& c = GetParam();
  List list;
  list.Add(kSampleNumbersStep, kStart);
  c.change(list);
  ASSERT_EQ(Contents(list.store), c.after);
  ASSERT_EQ(list.history.UndoCount(), 2u);
  EXPECT_EQ(list.history.UndoName(), c.stepName);

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    const RowChange undone = list.Undo();
    EXPECT_EQ(Contents(list.store), kStart);
    EXPECT_EQ(undone.kind, c.kind);
    if (c.kind != RowChange::Kind::kReset) {
      EXPECT_EQ(undone.first, c.first);
      EXPECT_EQ(undone.last, c.last);
    }
    EXPECT_EQ(undone.current, c.currentAfterUndo);
    EXPECT_EQ(list.history.UndoName(), kSampleNumbersStep);
    EXPECT_EQ(list.history.RedoName(), c.stepName);

    const RowChange redone = list.Redo();
    EXPECT_EQ(Contents(list.store), c.after);
    EXPECT_EQ(redone.current, c.currentAfterRedo);
    EXPECT_EQ(list.history.UndoName(), c.stepName);
    EXPECT_FALSE(list.history.CanRedo());
  }
  // Both steps back: the list as it started, empty.
  list.Undo();
  list.Undo();
  EXPECT_TRUE(Contents(list.store).empty());
  EXPECT_FALSE(list.history.CanUndo());
}

using Kind = RowChange::Kind;
const ChangeCase kChanges[] = {
    {"AddNumbers",
     [](List& l) {
       l.Add(kAddNumbersStep, {{"3"}, {""}, {"abc"}});
     },
     {kStart[0], kStart[1], kStart[2], kStart[3], {"3"}, {""}, {"abc"}},
     kAddNumbersStep,
     Kind::kRemoved,
     4,
     6,
     3,
     4},
    {"LoadNumbersKeepsFlags",
     [](List& l) {
       l.Add(kLoadNumbersStep, {{"10", true}, {"2e3", true}});
     },
     {kStart[0], kStart[1], kStart[2], kStart[3], {"10", true}, {"2e3", true}},
     kLoadNumbersStep,
     Kind::kRemoved,
     4,
     5,
     3,
     4},
    {"LoadMoreThanTheListHeld",
     [](List& l) {
       l.Add(kLoadNumbersStep, {{"1", true}, {"2"}, {"3", true}, {"4"}, {"5", true}});
     },
     {kStart[0], kStart[1], kStart[2], kStart[3], {"1", true}, {"2"}, {"3", true}, {"4"}, {"5", true}},
     kLoadNumbersStep,
     Kind::kRemoved,
     4,
     8,
     3,
     4},
    {"RemoveAFlaggedEntry",
     [](List& l) { l.Remove(1); },
     {kStart[0], kStart[2], kStart[3]},
     kRemoveEntryStep,
     Kind::kInserted,
     1,
     1,
     1,
     1},
    {"RemoveTheLastEntry",
     [](List& l) { l.Remove(3); },
     {kStart[0], kStart[1], kStart[2]},
     kRemoveEntryStep,
     Kind::kInserted,
     3,
     3,
     3,
     2},
    {"MoveIsOneStepForTheWholeGesture",
     [](List& l) {
       l.Swap(0, 1);
       l.Swap(1, 3);
       l.Swap(3, 2);
       l.history.EndMove();
     },
     {kStart[1], kStart[3], kStart[0], kStart[2]},
     kMoveEntryStep,
     Kind::kEdited,
     0,
     3,
     0,
     2},
    {"ClearList", [](List& l) { l.Clear(); }, {}, kClearListStep, Kind::kReset, 0, 0, 0, std::nullopt},
    {"RemoveSeveralEntriesAsOneStep",
     [](List& l) {
       l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {0, 2});
     },
     {kStart[1], kStart[3]},
     kRemoveNotNumbersStep,
     Kind::kReset,
     0,
     0,
     0,
     0},
    {"RemoveSeveralFlaggedEntriesUpToTheLast",
     [](List& l) {
       l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {1, 3});
     },
     {kStart[0], kStart[2]},
     kRemoveNotNumbersStep,
     Kind::kReset,
     0,
     0,
     1,
     1},
    {"RemoveEveryEntry",
     [](List& l) {
       l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {0, 1, 2, 3});
     },
     {},
     kRemoveNotNumbersStep,
     Kind::kReset,
     0,
     0,
     0,
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(History, EachChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListHistory, AnUnrecordedRemovalStartsTheHistoryOver) {
  List list;
  list.Add(kAddNumbersStep, {{"1"}, {"2"}});
  list.store.Remove(0);
  list.history.Settle(list.store);
  EXPECT_FALSE(list.history.CanUndo());
  EXPECT_FALSE(list.history.Undo(list.store, [](const RowChange&) { ADD_FAILURE() << "nothing to undo"; }));
  EXPECT_EQ(Contents(list.store), (std::vector<Entry>{{"2"}}));
}

TEST(ListHistory, ChangesThatChangeNothingRecordNothingAndKeepRedo) {
  const struct {
    const char* name;
    std::function<void(List&)> noChange;
  } cases[] = {
      {"AdditionThatAppendedNothing", [](List& l) { l.Add(kAddNumbersStep, {}); }},
      {"ClearOfAnEmptyList",
       [](List& l) {
         l.Undo();  // the sample numbers go: the list is empty
         l.Clear();
         l.Redo();
       }},
      {"SwapOfARowWithItself", [](List& l) { l.Swap(2, 2); }},
      {"GestureWithoutSwaps", [](List& l) { l.history.EndMove(); }},
      {"RemovalOfNoRows", [](List& l) { l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {}); }},
      // Rows out of order, repeated or past the end are refused whole.
      {"RemovalOfRowsOutOfOrder",
       [](List& l) {
         EXPECT_THROW(l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {2, 1}), std::out_of_range);
       }},
      {"RemovalOfARowTwice",
       [](List& l) {
         EXPECT_THROW(l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {1, 1}), std::out_of_range);
       }},
      {"RemovalPastTheEnd",
       [](List& l) {
         EXPECT_THROW(l.history.RemoveRows(kRemoveNotNumbersStep, l.store, {0, 4}), std::out_of_range);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    List list;
    list.Add(kSampleNumbersStep, kStart);
    list.Remove(0);
    list.Undo();
    ASSERT_TRUE(list.history.CanRedo());
    c.noChange(list);
    EXPECT_EQ(list.history.UndoCount(), 1u);
    EXPECT_EQ(list.history.UndoName(), kSampleNumbersStep);
    EXPECT_EQ(list.history.RedoName(), kRemoveEntryStep);
    EXPECT_EQ(Contents(list.store), kStart);
  }
}

TEST(ListHistory, ANewChangeAfterUndoDropsTheRedoSteps) {
  const struct {
    const char* name;
    std::function<void(List&)> change;
  } cases[] = {
      {"Addition", [](List& l) { l.Add(kDropStep, {{"9"}}); }},
      {"AppendsOutsideAnyAddition",
       [](List& l) {
         l.AppendRaw({{"9"}});
         l.history.Settle(l.store);
       }},
      {"Removal", [](List& l) { l.Remove(0); }},
      {"Move", [](List& l) { l.Swap(0, 1); }},
      {"Clear", [](List& l) { l.Clear(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    List list;
    list.Add(kSampleNumbersStep, kStart);
    list.Add(kAddNumbersStep, {{"1"}});
    list.Remove(0);
    list.Undo();
    list.Undo();
    ASSERT_EQ(list.history.RedoCount(), 2u);
    c.change(list);
    EXPECT_FALSE(list.history.CanRedo());
    EXPECT_FALSE(list.history.Redo(list.store, [](const RowChange&) { ADD_FAILURE() << "nothing to redo"; }));
    // Undoing the new change gives the list as it was when it was made.
    list.Undo();
    EXPECT_EQ(Contents(list.store), kStart);
  }
}

TEST(ListHistory, KeepsTheLastHundredStepsAndDropsOlderOnes) {
  List list;
  std::vector<std::vector<Entry>> states{Contents(list.store)};
  for (int i = 0; i < 150; ++i) {
    switch (i % 4) {
      case 0:
        list.Add(kAddNumbersStep, {{std::to_string(i), i % 8 == 0}, {"n" + std::to_string(i)}});
        break;
      case 1:
        list.Swap(0, list.store.Size() - 1);
        list.history.EndMove();
        break;
      case 2:
        list.Remove(list.store.Size() / 2);
        break;
      default:
        if (i % 20 == 19)
          list.Clear();
        else
          list.Add(kDropStep, {{"d" + std::to_string(i), true}});
    }
    states.push_back(Contents(list.store));
  }
  ASSERT_EQ(list.history.UndoCount(), ListHistory::kDefaultDepth);
  for (std::size_t back = 1; back <= 100; ++back) {
    list.Undo();
    ASSERT_EQ(Contents(list.store), states[states.size() - 1 - back]) << back << " steps back";
  }
  EXPECT_FALSE(list.history.CanUndo());
  for (std::size_t forward = 1; forward <= 100; ++forward) list.Redo();
  EXPECT_EQ(Contents(list.store), states.back());
}

// Entries appended while an addition is open belong to it, until another
// change comes between: then what was appended so far is a step of its own.
TEST(ListHistory, ChangesInTheMiddleOfAnAdditionUndoInOrder) {
  List list;
  list.Add(kSampleNumbersStep, {{"1"}, {"2"}});
  const std::size_t drop = list.history.BeginAddition(kDropStep, list.store);
  list.AppendRaw({{"a", true}, {"b", true}});
  list.history.Settle(list.store);  // the list shows its rows: still one part
  list.AppendRaw({{"c", true}});
  list.Clear();  // "Clear List" while the drop reads on
  list.AppendRaw({{"d", true}});
  list.Add(kDropStep, {{"e"}, {"f"}});  // a second drop inside the first
  list.AppendRaw({{"g", true}});
  list.Swap(0, 3);  // an entry carried meanwhile
  list.AppendRaw({{"h", true}});
  list.history.EndAddition(drop, list.store);
  list.history.EndMove();
  const std::vector<Entry> end = Contents(list.store);
  ASSERT_EQ(end, (std::vector<Entry>{{"g", true}, {"e"}, {"f"}, {"d", true}, {"h", true}}));

  const struct {
    const char* name;
    std::vector<Entry> afterUndo;
  } steps[] = {
      {kDropStep, {{"g", true}, {"e"}, {"f"}, {"d", true}}},
      {kMoveEntryStep, {{"d", true}, {"e"}, {"f"}, {"g", true}}},
      {kDropStep, {{"d", true}, {"e"}, {"f"}}},
      {kDropStep, {{"d", true}}},
      {kDropStep, {}},
      {kClearListStep, {{"1"}, {"2"}, {"a", true}, {"b", true}, {"c", true}}},
      {kDropStep, {{"1"}, {"2"}}},
      {kSampleNumbersStep, {}},
  };
  ASSERT_EQ(list.history.UndoCount(), std::size(steps));
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    EXPECT_EQ(list.history.UndoName(), step.name);
    list.Undo();
    EXPECT_EQ(Contents(list.store), step.afterUndo);
  }
  for (std::size_t i = 0; i < std::size(steps); ++i) list.Redo();
  EXPECT_EQ(Contents(list.store), end);
}

TEST(ListHistory, AppendsOutsideAnyAdditionAreAStepWithoutAName) {
  List list;
  list.AppendRaw({{"1"}, {"2"}});
  list.history.Settle(list.store);
  list.AppendRaw({{"3"}});
  list.Swap(0, 2);
  EXPECT_EQ(list.history.UndoCount(), 2u);
  list.Undo();
  EXPECT_EQ(list.history.UndoName(), "");
  const RowChange change = list.Undo();
  EXPECT_EQ(change.first, 0u);
  EXPECT_EQ(change.last, 2u);
  EXPECT_TRUE(Contents(list.store).empty());
}

}  // namespace
