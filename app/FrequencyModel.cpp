#include "app/FrequencyModel.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "app/DistributionPicture.h"
#include "numtext/NumberText.h"
#include "results/FrequencyFormats.h"

namespace tallowmere::app {

namespace {

constexpr const char* kFrom = QT_TRANSLATE_NOOP("FrequencyModel", "From");
constexpr const char* kTo = QT_TRANSLATE_NOOP("FrequencyModel", "To");

// Rows are copied this many at a time: a row per value is read from the
// numbers, a stretch at a time, without holding them all.
constexpr std::size_t kCopyBatch = 4096;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Number(std::size_t n) { return QString::number(static_cast<qulonglong>(n)); }

}  // namespace

FrequencyModel::FrequencyModel(numtext::Separators separators, QObject* parent)
    : QAbstractTableModel(parent), separators_(std::move(separators)) {
  copied_.decimal = separators_.decimal;
  copied_.group.clear();
}

void FrequencyModel::Show(results::SortedNumbers sorted, int bins, bool valueRows) {
  beginResetModel();
  rows_.clear();
  index_ = {};
  indexed_ = false;
  sorted_ = std::move(sorted);
  kind_ = stats::FrequencyRowKind::kValues;
  // Bins need finite ends: without them MakeFrequencyTable lists every value,
  // as the index does without making the rows.
  const bool finite = !sorted_.empty() && std::isfinite(sorted_.View().front()) && std::isfinite(sorted_.View().back());
  if (valueRows || (!finite && !sorted_.empty())) {
    index_ = stats::ValueRowIndex(sorted_.View());
    indexed_ = true;
  } else {
    stats::FrequencyTable table = stats::MakeFrequencyTable(sorted_.View(), {.valueRows = false, .bins = bins});
    kind_ = table.kind;
    rows_ = std::move(table.rows);
    // The rows hold everything shown: the numbers may go.
    sorted_ = {};
  }
  endResetModel();
}

void FrequencyModel::Clear() {
  beginResetModel();
  rows_.clear();
  index_ = {};
  indexed_ = false;
  sorted_ = {};
  kind_ = stats::FrequencyRowKind::kValues;
  endResetModel();
}

std::size_t FrequencyModel::RowCount() const { return indexed_ ? index_.RowCount() : rows_.size(); }

stats::FrequencyRow FrequencyModel::Row(std::size_t i) const { return indexed_ ? index_.Row(i) : rows_[i]; }

int FrequencyModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(RowCount(), INT_MAX));
}

int FrequencyModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(results::kFrequencyColumns);
}

QString FrequencyModel::ShownRange(const stats::FrequencyRow& row, bool last) const {
  const double width = row.high - row.low;
  // With a decimal comma a semicolon keeps the two ends apart, as the
  // analyser writes them.
  const QString between = separators_.decimal == "," ? QStringLiteral("; ") : QStringLiteral(", ");
  return QLatin1Char('[') + BinEdgeText(row.low, width, separators_) + between +
         BinEdgeText(row.high, width, separators_) + (last ? QLatin1Char(']') : QLatin1Char(')'));
}

QString FrequencyModel::CellText(const stats::FrequencyRow& row, std::size_t i, int column) const {
  switch (column) {
    case 0:
      return kind_ == stats::FrequencyRowKind::kBins
                 ? ShownRange(row, i + 1 == RowCount())
                 : Text(results::FrequencyFirstCell(row, kind_, false, separators_));
    case 1:
      return Number(row.count);
    case 2:
      return Text(results::FrequencyPercentText(row.percent, separators_));
    case 3:
      return Number(row.cumulativeCount);
    default:
      return Text(results::FrequencyPercentText(row.cumulativePercent, separators_));
  }
}

QVariant FrequencyModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= RowCount()) return {};
  if (role == Qt::TextAlignmentRole) {
    // A bin's range reads from the left, as the analyser writes it; numbers
    // line up at the right.
    const bool left = index.column() == 0 && kind_ == stats::FrequencyRowKind::kBins;
    return QVariant::fromValue(Qt::Alignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter));
  }
  const auto i = static_cast<std::size_t>(index.row());
  // A range on screen is rounded to its bins' width; its tool tip, like
  // every copy, has its ends to the last digit.
  if (role == Qt::ToolTipRole && index.column() == 0 && kind_ == stats::FrequencyRowKind::kBins)
    return Text(results::FrequencyFirstCell(Row(i), kind_, i + 1 == RowCount(), separators_));
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  return CellText(Row(i), i, index.column());
}

QVariant FrequencyModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0) return {};
  return Text(results::FrequencyHeading(static_cast<std::size_t>(section), kind_));
}

QString FrequencyModel::HeaderLine() const {
  QStringList cells;
  if (kind_ == stats::FrequencyRowKind::kBins) {
    cells << QCoreApplication::translate("FrequencyModel", kFrom) << QCoreApplication::translate("FrequencyModel", kTo);
  } else {
    cells << Text(results::FrequencyHeading(0, kind_));
  }
  for (std::size_t k = 1; k < results::kFrequencyColumns; ++k) cells << Text(results::FrequencyHeading(k, kind_));
  return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

void FrequencyModel::AppendCopiedRow(QString& out, const stats::FrequencyRow& row) const {
  out += Text(numtext::NumberText(row.low, copied_));
  if (kind_ == stats::FrequencyRowKind::kBins) out += QLatin1Char('\t') + Text(numtext::NumberText(row.high, copied_));
  out += QLatin1Char('\t') + Number(row.count) + QLatin1Char('\t') +
         Text(results::FrequencyPercentText(row.percent, copied_)) + QLatin1Char('\t') + Number(row.cumulativeCount) +
         QLatin1Char('\t') + Text(results::FrequencyPercentText(row.cumulativePercent, copied_)) + QLatin1Char('\n');
}

QString FrequencyModel::CopiedText(const RowSpans& rows, bool header) const {
  QString out;
  if (header) out = HeaderLine();
  for (auto [first, last] : rows) {
    last = std::min(last, RowCount() - 1);
    for (std::size_t from = first; from <= last && from < RowCount(); from += kCopyBatch) {
      const std::size_t count = std::min(kCopyBatch, last - from + 1);
      if (!indexed_) {
        for (std::size_t i = from; i < from + count; ++i) AppendCopiedRow(out, rows_[i]);
        continue;
      }
      for (const stats::FrequencyRow& row : index_.Rows(from, count)) AppendCopiedRow(out, row);
    }
  }
  return out;
}

}  // namespace tallowmere::app
