// What Form1 offers the windows beside it: the options as they stand, a
// way to add numbers to the list as a step of its own, and the list behind
// the last analysis.
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelection>
#include <QRadioButton>
#include <QTableView>

#include "app/Form1.h"
#include "app/ListNotice.h"
#include "input/NumberListModel.h"
#include "numtext/NumberTest.h"
#include "results/OutlierList.h"

namespace tallowmere::app {

results::CompareOptions Form1::AnalysisOptions() const {
  results::CompareOptions options{
      .sample = Option1->isChecked(), .places = decimalPlaces_, .showAll = Check1->isChecked()};
  try {
    options.places = numtext::ToInteger16(Combo1->currentText().toStdString(), separators_);
  } catch (...) {
    // Half typed: the places of the last run stand until the text reads.
  }
  return options;
}

bool Form1::AppendEntries(const std::vector<std::string>& texts, const char* step) {
  if (!ListHistoryFree()) return false;
  // What the last addition brought is no longer what the list shows.
  notice_->Dismiss();
  {
    input::NumberListModel::Change change(*numbers_, step);
    for (const std::string& text : texts) numbers_->AppendTestedText(text);
    numbers_->Flush();
  }
  return true;
}

ListLookup Form1::AnalysedList() {
  return {.find =
              [this](const results::ListQuery& query) {
                // Every entry of the list, number or not, has its value there, in
                // list order; a data set of another count is not the run's.
                const auto& numbers = analysis_.Statistics().Numbers();
                if (numbers.size() != analysis_.LastResults().sorted.size()) return results::ListFound{};
                return results::ScanList(numbers, query);
              },
          .text =
              [this](std::size_t index) {
                if (index >= numbers_->Count()) return QString();
                const std::string_view text = numbers_->Text(index);
                return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
              },
          .select = [this](const std::vector<std::size_t>& indexes) { SelectEntries(indexes); }};
}

DistributionSource Form1::AnalysisSource() {
  DistributionSource source = DistributionSourceOf(analysis_.LastResults(), analysis_.Statistics());
  source.list = AnalysedList();
  return source;
}

void Form1::SelectEntries(const std::vector<std::size_t>& indexes) {
  if (ended_) return;
  // Rows still waiting to be shown were analysed too.
  numbers_->Flush();
  const auto rows = static_cast<std::size_t>(numbers_->rowCount());
  const auto at = [this](std::size_t i) { return numbers_->index(static_cast<int>(i)); };
  // Runs of neighbouring rows as one range each: ten thousand rows make a
  // selection of few ranges when they lie together.
  QItemSelection selection;
  for (std::size_t i = 0; i < indexes.size() && indexes[i] < rows;) {
    std::size_t last = i;
    while (last + 1 < indexes.size() && indexes[last + 1] == indexes[last] + 1 && indexes[last + 1] < rows) ++last;
    selection.select(at(indexes[i]), at(indexes[last]));
    i = last + 1;
  }
  if (selection.isEmpty()) return;
  const QModelIndex first = selection.first().topLeft();
  ListView1->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  ListView1->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ListView1->scrollTo(first, QAbstractItemView::PositionAtCenter);
  QWidget* top = window();
  if (top->isMinimized()) top->showNormal();
  top->raise();
  top->activateWindow();
  ListView1->setFocus(Qt::OtherFocusReason);
}

}  // namespace tallowmere::app
