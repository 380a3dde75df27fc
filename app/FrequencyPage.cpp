#include "app/FrequencyPage.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DropProgress.h"
#include "platform/Clipboard.h"
#include "platform/SettingsStore.h"

namespace tallowmere::app {

bool FrequencyView::event(QEvent* event) {
  // Taken here, Ctrl+C comes as a key press instead of the window's
  // shortcut, which copies the picture, as it still does with no row
  // selected (so does the statistics table).
  if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
      selectionModel() && selectionModel()->hasSelection()) {
    event->accept();
    return true;
  }
  return QTableView::event(event);
}

void FrequencyView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && copy) {
    copy();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

FrequencyPage::FrequencyPage(platform::SettingsStore& settings, numtext::Separators separators, QWidget* parent)
    : QWidget(parent), settings_(settings), model_(std::move(separators)) {
  Build();
  valueRows_->setChecked(settings_.Get(QString::fromLatin1(kFrequencyValueRowsKey), QStringLiteral("0")) ==
                         QLatin1String("1"));
  connect(valueRows_, &QCheckBox::toggled, this, [this](bool checked) {
    settings_.Save(QString::fromLatin1(kFrequencyValueRowsKey), checked ? QStringLiteral("1") : QStringLiteral("0"));
    Refill();
  });
}

void FrequencyPage::Build() {
  valueRows_ = new QCheckBox(tr("One row per &value"), this);
  valueRows_->setToolTip(tr("A row for each value however many there are; else, with more than %1 values, a row "
                            "for each of the histogram's bins")
                             .arg(stats::kMostValueRows));
  copyTable_ = new QPushButton(tr("Copy as &Table"), this);
  copyTable_->setAutoDefault(false);
  copyTable_->setToolTip(tr("Put the whole table on the clipboard with its header line, its cells separated by tabs"));
  copyTable_->setEnabled(false);
  connect(copyTable_, &QPushButton::clicked, this, [this] { CopyAsTable(); });
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  note_->setAccessibleName(tr("Note"));
  note_->hide();

  table_ = new FrequencyView(this);
  table_->setModel(&model_);
  table_->copy = [this] { CopySelectedRows(); };
  table_->verticalHeader()->hide();
  // Fixed heights: ten million rows are laid out without asking each one.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  table_->setAccessibleName(tr("Frequencies"));
  table_->setAccessibleDescription(
      tr("Select rows and press Ctrl+C to copy them, their cells separated by tabs, as a spreadsheet reads them."));
  auto* copyRows = new QAction(tr("Copy"), table_);
  connect(copyRows, &QAction::triggered, this, [this] { CopySelectedRows(); });
  table_->addAction(copyRows);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* top = new QHBoxLayout;
  top->addWidget(valueRows_);
  top->addStretch(1);
  top->addWidget(copyTable_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(note_);
  layout->addWidget(table_, 1);
  setTabOrder(valueRows_, copyTable_);
  setTabOrder(copyTable_, table_);
}

void FrequencyPage::Show(const results::SortedNumbers& sorted, int bins, const DistributionFigure& figure) {
  if (sorted.empty()) {
    Forget();
    return;
  }
  const bool valueRows = valueRows_->isChecked();
  // The page holds the numbers shown, so the same address is the same numbers.
  const bool same = !sorted_.empty() && sorted.begin() == sorted_.begin() && sorted.size() == sorted_.size() &&
                    valueRows == shownValueRows_ &&
                    (valueRows || model_.Kind() == stats::FrequencyRowKind::kValues || bins == bins_);
  sorted_ = sorted;
  bins_ = bins;
  KeepHistogram(figure);
  if (!same) Refill();
  ShowBinsNote();
}

void FrequencyPage::Forget() {
  sorted_ = {};
  histogramEdges_.clear();
  histogramReason_.clear();
  model_.Clear();
  copyTable_->setEnabled(false);
  SetNote({});
}

void FrequencyPage::Refill() {
  if (sorted_.empty()) return;
  shownValueRows_ = valueRows_->isChecked();
  model_.Show(sorted_, bins_, shownValueRows_);
  // The widths of the rows in view: a row per value may be millions.
  table_->resizeColumnsToContents();
  copyTable_->setEnabled(model_.RowCount() > 0);
  ShowBinsNote();
}

void FrequencyPage::KeepHistogram(const DistributionFigure& figure) {
  histogramEdges_ = figure.edges;
  histogramReason_.clear();
  if (figure.withoutOutliers && figure.lowBeyond + figure.highBeyond > 0)
    histogramReason_ = tr("These bins span all the numbers, the outliers too; the histogram leaves the outliers out.");
  else if (figure.Logarithmic())
    histogramReason_ = tr("These bins are equal in width; the histogram's are equal in the logarithm.");
  else if (figure.binKind == stats::BinKind::kValues)
    histogramReason_ = tr("The histogram has a bar for each value; tick \"One row per value\" for a row each.");
}

void FrequencyPage::ShowBinsNote() {
  if (model_.Kind() != stats::FrequencyRowKind::kBins) {
    SetNote({});
    return;
  }
  bool sameEdges = histogramEdges_.size() == model_.RowCount() + 1;
  for (std::size_t i = 0; sameEdges && i < model_.RowCount(); ++i) {
    const stats::FrequencyRow row = model_.Row(i);
    sameEdges = row.low == histogramEdges_[i] && row.high == histogramEdges_[i + 1];
  }
  if (!histogramReason_.isEmpty())
    SetNote(histogramReason_);
  else
    SetNote(sameEdges ? QString() : tr("These bins are not the histogram's."));
}

void FrequencyPage::SetNote(const QString& text) {
  note_->setText(text);
  note_->setVisible(!text.isEmpty());
}

RowSpans FrequencyPage::SelectedSpans() const {
  RowSpans spans;
  for (const QItemSelectionRange& range : table_->selectionModel()->selection())
    spans.emplace_back(static_cast<std::size_t>(range.top()), static_cast<std::size_t>(range.bottom()));
  std::sort(spans.begin(), spans.end());
  // Ranges selected over each other are one stretch of rows.
  RowSpans merged;
  for (const auto& span : spans) {
    if (!merged.empty() && span.first <= merged.back().second + 1)
      merged.back().second = std::max(merged.back().second, span.second);
    else
      merged.push_back(span);
  }
  return merged;
}

QString FrequencyPage::SelectedRowsText() const { return model_.CopiedText(SelectedSpans(), false); }

QString FrequencyPage::TableText() const {
  if (model_.RowCount() == 0) return model_.CopiedText({}, true);
  return model_.CopiedText({{0, model_.RowCount() - 1}}, true);
}

bool FrequencyPage::Copy(const RowSpans& rows, bool header) {
  std::size_t count = 0;
  for (const auto& [first, last] : rows) count += last - first + 1;
  if (count > kMostCopiedRows) {
    SetNote(tr("%1 rows are too many to copy: at most %2 can be copied.")
                .arg(GroupedCount(count), GroupedCount(kMostCopiedRows)));
    return false;
  }
  ShowBinsNote();
  return platform::ClipboardSetText(model_.CopiedText(rows, header));
}

bool FrequencyPage::CopySelectedRows() {
  const RowSpans rows = SelectedSpans();
  return !rows.empty() && Copy(rows, false);
}

bool FrequencyPage::CopyAsTable() {
  if (model_.RowCount() == 0) return false;
  return Copy({{0, model_.RowCount() - 1}}, true);
}

}  // namespace tallowmere::app
