#include "app/OutlierPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <limits>

#include "app/DropProgress.h"
#include "app/OutlierTable.h"
#include "numtext/NumberText.h"
#include "platform/Language.h"

namespace tallowmere::app {

namespace {

// The kinds in the order the Kind column sorts them.
enum KindOrder { kOutlierOrder, kFarOutOrder, kSmallestOrder, kLargestOrder };

}  // namespace

OutlierPage::OutlierPage(numtext::Separators separators, QWidget* parent)
    : QWidget(parent), separators_(std::move(separators)) {
  Build();
  LayOut();
  UpdateSelectButton();
}

void OutlierPage::Build() {
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  outliers_ = new OutlierTable(this);
  outliers_->setAccessibleName(tr("Outliers"));
  outliers_->setAccessibleDescription(CopyHint());
  caption_ = new QLabel(tr("&Values beyond the fences:"), this);
  caption_->setBuddy(outliers_);

  count_ = new QSpinBox(this);
  count_->setRange(1, kMostExtremes);
  count_->setValue(kDefaultExtremes);
  count_->setAccessibleName(tr("Number of smallest and largest values"));
  count_->setAccessibleDescription(tr("How many of the smallest and of the largest numbers are listed, 1 to 100."));
  countLabel_ = new QLabel(tr("&Extremes at each end:"), this);
  countLabel_->setBuddy(count_);
  extremes_ = new OutlierTable(this);
  extremes_->setAccessibleName(tr("Smallest and largest values"));
  extremes_->setAccessibleDescription(CopyHint());

  select_ = new QPushButton(tr("Select in &Number List"), this);
  select_->setAutoDefault(false);

  connect(count_, &QSpinBox::valueChanged, this, [this] {
    FindExtremes();
    UpdateSelectButton();
  });
  for (OutlierTable* table : {outliers_, extremes_})
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateSelectButton(); });
  connect(select_, &QPushButton::clicked, this, [this] { SelectInNumberList(); });
}

QString OutlierPage::CopyHint() {
  return tr("Select rows and press Ctrl+C to copy them as kind, position and value separated by tabs.");
}

void OutlierPage::LayOut() {
  auto* extremesRow = new QHBoxLayout;
  extremesRow->addWidget(countLabel_);
  extremesRow->addWidget(count_);
  extremesRow->addStretch(1);
  auto* tables = new QGridLayout;
  tables->addWidget(caption_, 0, 0);
  tables->addLayout(extremesRow, 0, 1);
  tables->addWidget(outliers_, 1, 0);
  tables->addWidget(extremes_, 1, 1);
  tables->setColumnStretch(0, 1);
  tables->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(select_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addLayout(tables, 1);
  layout->addLayout(buttons);
}

QWidget* OutlierPage::ChainAfter(QWidget* before) {
  QWidget::setTabOrder(before, outliers_);
  QWidget::setTabOrder(outliers_, count_);
  QWidget::setTabOrder(count_, extremes_);
  QWidget::setTabOrder(extremes_, select_);
  return select_;
}

void OutlierPage::SetAnalysis(results::SortedNumbers sorted, ListLookup list) {
  sorted_ = std::move(sorted);
  list_ = std::move(list);
  fresh_ = true;
  listChanged_ = false;
  shownMethod_.reset();
  count_->setEnabled(true);
}

void OutlierPage::Refresh(stats::QuantileMethod method) {
  if (sorted_.empty()) return;
  if (fresh_) {
    fresh_ = false;
    Find(method, true);
  } else if (shownMethod_ != method) {
    // The extremes are the same by any method.
    Find(method, false);
  }
  UpdateSelectButton();
}

void OutlierPage::Forget() {
  sorted_ = {};
  list_ = {};
  fresh_ = false;
  count_->setEnabled(false);
  UpdateSelectButton();
}

void OutlierPage::ListChanged() {
  listChanged_ = true;
  UpdateSelectButton();
}

QString OutlierPage::EntryText(const results::PlacedNumber& entry) const {
  // The list's own text while its rows are those analysed; after a change
  // the value, since the row may now hold another entry.
  if (!listChanged_ && list_.text) {
    QString text = list_.text(entry.index);
    if (!text.isEmpty()) return text;
  }
  return QString::fromStdString(numtext::NumberText(entry.value, separators_));
}

namespace {

// Nothing lies outside an unbounded range.
constexpr double kUnbounded = std::numeric_limits<double>::infinity();

}  // namespace

void OutlierPage::Find(stats::QuantileMethod method, bool extremes) {
  fences_ = results::FencesOf(sorted_.View(), method);
  shownMethod_ = method;
  const results::OutlierCounts counts = results::CountOutliers(sorted_.View(), fences_);
  // One pass over the list for both tables.
  results::ListQuery query{.low = -kUnbounded, .high = kUnbounded, .cap = 0, .cut = {}};
  if (counts.Total() > 0) query = {.low = fences_.low, .high = fences_.high, .cap = kOutliersListed, .cut = {}};
  if (extremes) query.cut = results::CutOf(sorted_.View(), static_cast<std::size_t>(count_->value()));
  results::ListFound found;
  if (list_.find && (query.cap > 0 || query.cut.k > 0)) found = list_.find(query);
  ShowOutliers(counts, found);
  if (extremes) ShowExtremes(found);
}

void OutlierPage::FindExtremes() {
  if (sorted_.empty() || !list_.find) return;
  ShowExtremes(list_.find({.low = -kUnbounded,
                           .high = kUnbounded,
                           .cap = 0,
                           .cut = results::CutOf(sorted_.View(), static_cast<std::size_t>(count_->value()))}));
}

void OutlierPage::ShowOutliers(const results::OutlierCounts& counts, const results::ListFound& found) {
  const QString outlier = tr("Outlier");
  const QString farOut = tr("Far out");
  std::vector<OutlierRow> rows;
  rows.reserve(found.outside.size());
  for (const results::PlacedNumber& entry : found.outside) {
    const bool far = results::KindOf(entry.value, fences_) == results::OutlierKind::kFarOut;
    rows.push_back({.kind = far ? farOut : outlier,
                    .kindOrder = far ? kFarOutOrder : kOutlierOrder,
                    .index = entry.index,
                    .value = entry.value,
                    .text = EntryText(entry)});
  }
  outliersListed_ = rows.size();
  outliers_->SetRows(std::move(rows));
  summary_->setText(SummaryText(counts, outliersListed_, found.outsideTotal));
  outliers_->setAccessibleDescription(summary_->text() + QLatin1Char(' ') + CopyHint());
}

void OutlierPage::ShowExtremes(const results::ListFound& found) {
  std::vector<OutlierRow> rows;
  const auto add = [&](const std::vector<results::PlacedNumber>& entries, const QString& kind, int order) {
    for (const results::PlacedNumber& entry : entries)
      rows.push_back(
          {.kind = kind, .kindOrder = order, .index = entry.index, .value = entry.value, .text = EntryText(entry)});
  };
  add(found.smallest, tr("Smallest"), kSmallestOrder);
  add(found.largest, tr("Largest"), kLargestOrder);
  extremes_->SetRows(std::move(rows));
}

QString OutlierPage::SummaryText(const results::OutlierCounts& counts, std::size_t listed, std::size_t total) const {
  const auto n = [this](double v) { return QString::fromStdString(numtext::NumberText(v, separators_)); };
  QString text;
  if (counts.Total() == 0) {
    text = tr("No outliers; fences %1 and %2; far out beyond %3 and %4.")
               .arg(n(fences_.low), n(fences_.high), n(fences_.farLow), n(fences_.farHigh));
  } else {
    const QString outliers =
        platform::CountText("OutlierPage", "%1 outlier", QT_TRANSLATE_N_NOOP("OutlierPage", "%1 outliers"),
                            counts.outliers, GroupedCount(counts.outliers));
    const QString far =
        platform::CountText("OutlierPage", "%1 far out", QT_TRANSLATE_N_NOOP("OutlierPage", "%1 far out"),
                            counts.farOut, GroupedCount(counts.farOut));
    text = tr("%1, %2; fences %3 and %4; far out beyond %5 and %6.")
               .arg(outliers, far, n(fences_.low), n(fences_.high), n(fences_.farLow), n(fences_.farHigh));
  }
  if (listed < total)
    text += QLatin1Char(' ') +
            tr("Showing %1 of %2, the first in the list.").arg(GroupedCount(listed), GroupedCount(total));
  return text;
}

std::vector<std::size_t> OutlierPage::EntriesToSelect() const {
  const std::vector<std::size_t> a = outliers_->SelectedIndexes();
  const std::vector<std::size_t> b = extremes_->SelectedIndexes();
  std::vector<std::size_t> chosen;
  std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(chosen));
  if (!chosen.empty()) return chosen;
  for (int r = 0; r < outliers_->Rows().rowCount(); ++r) chosen.push_back(outliers_->Rows().Row(r).index);
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

void OutlierPage::SelectInNumberList() {
  if (!select_->isEnabled() || !list_.select) return;
  list_.select(EntriesToSelect());
}

void OutlierPage::UpdateSelectButton() {
  QString why;
  if (sorted_.empty() || !list_.select)
    why = tr("There is no analysis to select from until one has finished.");
  else if (listChanged_)
    why =
        tr("The number list has changed since this analysis, so these positions may no longer be its rows. Press "
           "Start Analysis to find them again.");
  else if (outliersListed_ == 0 && !outliers_->selectionModel()->hasSelection() &&
           !extremes_->selectionModel()->hasSelection())
    why = tr("There are no outliers; select rows of the tables to select those entries.");
  select_->setEnabled(why.isEmpty());
  select_->setToolTip(why.isEmpty() ? tr("Select the entries of the selected rows in the number list, or all the "
                                         "outliers listed when no row is selected.")
                                    : why);
  select_->setAccessibleDescription(select_->toolTip());
}

}  // namespace tallowmere::app
