#pragma once
// The distribution window's Frequencies page: the frequency table of the
// analysis shown, a row per value for few values and per histogram bin for
// many (or a row per value on request), ready to copy into a spreadsheet.
#include <QString>
#include <QTableView>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

#include "app/DistributionFigure.h"
#include "app/FrequencyModel.h"
#include "numtext/Separators.h"
#include "results/ResultModel.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tallowmere::platform {
class SettingsStore;
}  // namespace tallowmere::platform

namespace tallowmere::app {

// "1" or "0".
inline constexpr const char* kFrequencyValueRowsKey = "FrequencyValueRows";
// More rows than this are not put on the clipboard: a row per value of ten
// million numbers would be half a gigabyte of text.
inline constexpr std::size_t kMostCopiedRows = 1'000'000;

// Takes Ctrl+C before the window's own key does, for the rows selected.
class FrequencyView final : public QTableView {
 public:
  using QTableView::QTableView;
  std::function<void()> copy;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

class FrequencyPage final : public QWidget {
  Q_OBJECT

 public:
  // `settings`: where the choice of a row per value is remembered; it must
  // outlive the page.
  FrequencyPage(platform::SettingsStore& settings, numtext::Separators separators, QWidget* parent = nullptr);

  // The table of `sorted` with the histogram's bin count `bins` (0
  // automatic), saying where the histogram of `figure` bins otherwise.
  // Cheap when the numbers, the count and the choice of rows are those
  // shown already. Empty numbers empty the page.
  void Show(const results::SortedNumbers& sorted, int bins, const DistributionFigure& figure);
  // Lets go of the numbers: the page is empty until the next Show.
  void Forget();

  // Ctrl+C and "Copy": the rows selected; "Copy as Table": every row under
  // the header line. False, with the reason in Notice(), when there are too
  // many rows to copy.
  bool CopySelectedRows();
  bool CopyAsTable();
  QString SelectedRowsText() const;
  QString TableText() const;

  const FrequencyModel& Model() const { return model_; }
  FrequencyView* Table() const { return table_; }
  QCheckBox* ValueRows() const { return valueRows_; }
  QPushButton* CopyTableButton() const { return copyTable_; }
  // Where the bins differ from the histogram's, and why a copy was refused.
  QLabel* Note() const { return note_; }

 private:
  void Build();
  void Refill();
  RowSpans SelectedSpans() const;
  bool Copy(const RowSpans& rows, bool header);
  // Why the histogram of `figure` bins otherwise, when it does.
  void KeepHistogram(const DistributionFigure& figure);
  // The bins' note, under a bin table whose bins are not the histogram's.
  void ShowBinsNote();
  void SetNote(const QString& text);

  platform::SettingsStore& settings_;
  FrequencyModel model_;
  results::SortedNumbers sorted_;
  int bins_ = 0;
  bool shownValueRows_ = false;
  // The histogram's edges, and why its bins are not the table's, when that
  // is known from its options.
  std::vector<double> histogramEdges_;
  QString histogramReason_;
  FrequencyView* table_ = nullptr;
  QCheckBox* valueRows_ = nullptr;
  QPushButton* copyTable_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace tallowmere::app
