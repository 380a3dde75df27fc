#include "app/CompareModel.h"

#include <algorithm>

#include "app/DistributionSource.h"

namespace tallowmere::app {

namespace {

constexpr std::string_view kLabelEnd = ": ";

// The results list's label without its closing ": ", as "Copy as Table"
// writes it.
std::string TableLabel(std::string_view label) {
  if (label.ends_with(kLabelEnd)) label.remove_suffix(kLabelEnd.size());
  return std::string(label);
}

bool SameOptions(const results::CompareOptions& a, const results::CompareOptions& b) {
  return a.sample == b.sample && a.showAll == b.showAll && (a.showAll || a.places == b.places);
}

}  // namespace

CompareModel::CompareModel(std::vector<results::CompareColumn> columns, numtext::Separators separators, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(columns), std::move(separators)) {}

bool CompareModel::Analyse(const results::CompareOptions& options) {
  if (analysed_ && SameOptions(options, table_.Options())) return false;
  beginResetModel();
  table_.Analyse(options);
  analysed_ = true;
  MakeLabels();
  endResetModel();
  return true;
}

// A key among some list's twelve rows has the results list's label; one
// after them has the distribution window's name.
void CompareModel::MakeLabels() {
  labels_.clear();
  const std::vector<std::string_view>& keys = table_.Keys();
  for (std::size_t key = 0; key < keys.size(); ++key) {
    const results::ResultRow* row = nullptr;
    bool ofTwelve = false;
    for (std::size_t column = 0; column < table_.Columns().size() && !row; ++column) {
      row = table_.Cell(key, column);
      const std::vector<results::ResultRow>& twelve = table_.ResultsOf(column).rows;
      ofTwelve = row && std::any_of(twelve.begin(), twelve.end(), [&](const auto& r) { return r.key == keys[key]; });
    }
    const QString name = ofTwelve ? QString() : DistributionStatisticName(keys[key]);
    labels_.push_back(!name.isEmpty() ? name.toStdString() : TableLabel(row ? row->label : keys[key]));
  }
}

int CompareModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.Keys().size());
}

int CompareModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.Columns().size());
}

QVariant CompareModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto key = static_cast<std::size_t>(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  const results::ResultRow* row = table_.Cell(key, column);
  // A list without numbers has no rows at all: its cells stay empty.
  return row ? QString::fromStdString(row->valueText) : QString();
}

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  const auto at = static_cast<std::size_t>(section);
  if (orientation == Qt::Horizontal)
    return at < table_.Columns().size() ? QString::fromStdString(table_.Columns()[at].heading) : QVariant();
  return at < labels_.size() ? QString::fromStdString(labels_[at]) : QVariant();
}

}  // namespace tallowmere::app
