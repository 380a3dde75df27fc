#pragma once
// The comparison as a table view reads it: a column per list headed by its
// name, a row per statistic headed by its label (the results list's for the
// twelve, the distribution window's for the rest), each cell as the results
// list shows the value.
#include <QAbstractTableModel>
#include <QString>
#include <string>
#include <vector>

#include "results/CompareTable.h"

namespace tallowmere::app {

class CompareModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  CompareModel(std::vector<results::CompareColumn> columns, numtext::Separators separators, QObject* parent = nullptr);

  // Analyses every list afresh when `options` differ from the last ones (or
  // nothing was analysed yet); true when it did.
  bool Analyse(const results::CompareOptions& options);
  const results::CompareTable& Table() const { return table_; }
  // Each row's label, in the rows' order.
  const std::vector<std::string>& Labels() const { return labels_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  void MakeLabels();

  results::CompareTable table_;
  std::vector<std::string> labels_;
  bool analysed_ = false;
};

}  // namespace tallowmere::app
