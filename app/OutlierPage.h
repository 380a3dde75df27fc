#pragma once
// The distribution window's outliers page: the numbers beyond Tukey's
// fences (by the window's quantile method) and the smallest and largest
// numbers, each with its position in the number list and its text there,
// and "Select in Number List", which selects them in the main window's list.
#include <QString>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

#include "app/DistributionSource.h"
#include "numtext/Separators.h"
#include "results/OutlierList.h"
#include "results/ResultModel.h"
#include "stats/Quantiles.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace tallowmere::app {

class OutlierTable;

// Beyond this many, the page lists the first ones in the list and says how
// many there are.
inline constexpr std::size_t kOutliersListed = 10000;
inline constexpr int kDefaultExtremes = 5;
inline constexpr int kMostExtremes = 100;

class OutlierPage final : public QWidget {
  Q_OBJECT

 public:
  OutlierPage(numtext::Separators separators, QWidget* parent);

  // A finished analysis: its sorted numbers and the list they were read
  // from. The page is made anew at the next Refresh.
  void SetAnalysis(results::SortedNumbers sorted, ListLookup list);
  // Up to date for `method`; works only when the analysis or the method
  // changed since the last time.
  void Refresh(stats::QuantileMethod method);
  // A run is about to replace the numbers: the page keeps what it shows but
  // lets go of them and of the list.
  void Forget();
  // The number list changed since the analysis: the positions may no longer
  // be those of its rows.
  void ListChanged();

  // "Select in Number List": the entries of the selected rows of both
  // tables, or all the outliers listed when no row is selected.
  void SelectInNumberList();
  // What SelectInNumberList would select now (list indexes, ascending).
  std::vector<std::size_t> EntriesToSelect() const;

  // Puts the page's controls into the window's Tab order after `before`;
  // the last of them.
  QWidget* ChainAfter(QWidget* before);

  QLabel* Summary() const { return summary_; }
  OutlierTable* Outliers() const { return outliers_; }
  OutlierTable* Extremes() const { return extremes_; }
  QSpinBox* ExtremeCount() const { return count_; }
  QPushButton* SelectButton() const { return select_; }

 private:
  void Build();
  void LayOut();
  // The outliers by the fences of `method`, and the extremes with them, or
  // the extremes alone, found again in the list.
  void Find(stats::QuantileMethod method, bool extremes);
  void FindExtremes();
  void ShowOutliers(const results::OutlierCounts& counts, const results::ListFound& found);
  void ShowExtremes(const results::ListFound& found);
  QString EntryText(const results::PlacedNumber& entry) const;
  QString SummaryText(const results::OutlierCounts& counts, std::size_t listed, std::size_t total) const;
  void UpdateSelectButton();
  static QString CopyHint();

  numtext::Separators separators_;
  results::SortedNumbers sorted_;
  ListLookup list_;
  results::TukeyFences fences_;
  bool fresh_ = false;
  bool listChanged_ = false;
  std::optional<stats::QuantileMethod> shownMethod_;
  std::size_t outliersListed_ = 0;
  QLabel* caption_ = nullptr;
  QLabel* summary_ = nullptr;
  OutlierTable* outliers_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QSpinBox* count_ = nullptr;
  OutlierTable* extremes_ = nullptr;
  QPushButton* select_ = nullptr;
};

}  // namespace tallowmere::app
