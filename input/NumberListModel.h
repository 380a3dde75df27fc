#pragma once
// The number list as the window shows it: a list model over the compact entry
// store. Input paths append through EntrySink; appended entries become rows in
// batches (one insert notification per Flush), so a million-line file costs
// one view update, not a million. Every other change shows at once and first
// publishes anything still pending, so the rows the view knows always match
// the store from the first entry on.
//
// The model keeps the list's undo history: every change through it is
// recorded, and additions are named by the command that makes them (Change).
#include <QAbstractListModel>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/EntrySink.h"
#include "input/EntrySource.h"
#include "input/EntryStore.h"
#include "input/ListHistory.h"
#include "input/ReadTally.h"

namespace tallowmere::input {

class NumberListModel final : public QAbstractListModel, public EntrySink {
  Q_OBJECT

 public:
  explicit NumberListModel(QObject* parent = nullptr);

  // One addition to the list, named as the user is offered to undo it: the
  // entries appended while it lives become one step (none when nothing was
  // appended). Open one around every command that appends:
  //   NumberListModel::Change change(list, kAddNumbersStep);
  class Change {
   public:
    Change(NumberListModel& list, std::string name);
    ~Change();
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

   private:
    NumberListModel& list_;
    std::size_t ticket_;
  };

  // EntrySink: Append keeps the entry back until Flush (or until the event
  // loop next runs, so a caller that forgets to flush still gets its rows).
  void Append(std::string_view text) override;
  void AppendTestedText(std::string_view text) override;
  void Flush() override;
  void NoteSkipped(std::string_view first, std::size_t count) override;
  void NoteOtherConvention(std::string_view first, std::size_t count) override;

  // While one lives, what is appended and skipped counts in its tally. They
  // nest as commands do (a drop read inside another's event runs): the inner
  // one counts alone, and the outer one goes on counting after it.
  class Tallying {
   public:
    Tallying(NumberListModel& list, ReadTally& tally) : list_(list), outer_(list.tally_) { list.tally_ = &tally; }
    ~Tallying() { list_.tally_ = outer_; }
    Tallying(const Tallying&) = delete;
    Tallying& operator=(const Tallying&) = delete;

   private:
    NumberListModel& list_;
    ReadTally* outer_;
  };

  // Every entry, shown or still pending.
  std::size_t Count() const { return store_.Size(); }
  std::string_view Text(std::size_t index) const { return store_.Text(index); }
  bool PassedNumberTest(std::size_t index) const { return store_.PassedNumberTest(index); }
  // The entries as the analysis reads them, every one held as its text: the
  // analysis finds no values there to take.
  const EntrySource& Entries() const { return source_; }
  EntrySource& Entries() { return source_; }

  void Remove(std::size_t index);
  // Removes the entries at `rows` (ascending, each once) as one step named
  // `name`; the views see the list anew. No rows change nothing.
  void RemoveEntries(std::string name, std::vector<std::size_t> rows);
  // Swaps join one "Move Entry" step until EndMove (the end of the gesture).
  void SwapTexts(std::size_t a, std::size_t b);
  void EndMove() { history_.EndMove(); }
  void Clear();

  // Undoes or redoes the last change; what happened to the rows, or nothing
  // when there was nothing to undo or redo.
  std::optional<RowChange> Undo();
  std::optional<RowChange> Redo();
  const ListHistory& History() const { return history_; }
  void SetHeader(const QString& text);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  void Keep(std::string_view text, bool passedNumberTest);
  // Undo or redo (`take`), the views told before and after the rows change.
  std::optional<RowChange> TakeStep(bool (ListHistory::*take)(EntryStore&, const ListHistory::BeforeChange&));
  // Tells the views of a change made by undo or redo: before and after it.
  void BeginRowChange(const RowChange& change);
  void EndRowChange(const RowChange& change);

  EntrySource source_;
  // The list's texts, edited in place by every change and by the history.
  EntryStore& store_ = source_.Texts();
  ListHistory history_;
  std::size_t shown_ = 0;  // rows the views have been told about
  bool flushQueued_ = false;
  ReadTally* tally_ = nullptr;
  QString header_;
};

}  // namespace tallowmere::input
