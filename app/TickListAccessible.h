#pragma once
// The results list as a screen reader meets it: a list whose rows are check
// boxes, named by the row's text. Each row's state carries checkable and
// checked, its description says whether it is ticked (the row's shown text
// stays as it is: the exports read that), its action "Toggle" ticks or
// unticks it, and every change of a tick, by any means, reaches the reader as
// a state change, which readers speak for the row they are on. Tabbing into
// the list speaks its current row.
#include <QAccessibleWidget>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <map>

class QTableView;

namespace tallowmere::app {

// A row's description for a reader: whether it is ticked.
QString TickStateText(bool ticked);

class TickListAccessible final : public QAccessibleWidget {
 public:
  explicit TickListAccessible(QTableView* view);
  ~TickListAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  // The interface of the row `row` (nullptr when there is none).
  QAccessibleInterface* Row(int row) const;

 private:
  QTableView* View() const;
  // Children before the rows: the column header, when it shows. The view
  // numbers the rows of its own events the same way.
  int HeaderCount() const;

  mutable std::map<int, QAccessible::Id> rows_;
};

// The child a tick list has for the child `tableChild` of a table's
// numbering, which a table view's own events use (a corner, a header row,
// each row led by its header): the row's, or -1 for a header's.
int TickListChild(const QTableView& view, int tableChild);

// Makes `view` (its model's items checkable) the list above for readers, and
// sends its ticks' changes and the focus of its current row on entry.
void MakeTickList(QTableView& view);
// Whether `widget` was made so.
bool IsTickList(const QWidget& widget);

}  // namespace tallowmere::app
