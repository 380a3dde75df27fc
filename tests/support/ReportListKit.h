#pragma once
// Report-style lists for the export tests: column headers, rows of cell texts
// and a ticked state, held in a QStandardItemModel the way the results list
// holds its rows (column 0 carries the check box).
#include <QStandardItemModel>
#include <memory>
#include <vector>

namespace reportlist {

struct Row {
  std::vector<QString> cells;
  bool ticked = false;
};

inline std::unique_ptr<QStandardItemModel> Make(const std::vector<QString>& headers, const std::vector<Row>& rows) {
  auto model = std::make_unique<QStandardItemModel>(0, static_cast<int>(headers.size()));
  for (std::size_t c = 0; c < headers.size(); ++c)
    // An explicit header item even for an empty header: without one the
    // model would answer the column's number.
    model->setHorizontalHeaderItem(static_cast<int>(c), new QStandardItem(headers[c]));
  for (const Row& row : rows) {
    QList<QStandardItem*> items;
    for (std::size_t c = 0; c < headers.size(); ++c) {
      auto* item = new QStandardItem(c < row.cells.size() ? row.cells[c] : QString());
      item->setEditable(false);
      if (c == 0) {
        item->setCheckable(true);
        item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
      }
      items << item;
    }
    model->appendRow(items);
  }
  return model;
}

// A text of `n` characters.
inline QString Text(int n, char fill = 'x') { return QString(n, QLatin1Char(fill)); }

inline QString Spaces(int n) { return QString(n, QLatin1Char(' ')); }

}  // namespace reportlist
