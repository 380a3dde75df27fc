#pragma once
// The distribution window: a separate, resizable window beside the main one,
// showing the last analysis as a picture (histogram, normal curve, box plot)
// and its spread statistics as a small table. It follows each new analysis
// and says when the number list has changed since the one it shows.
#include <QString>
#include <QWidget>
#include <optional>
#include <span>
#include <vector>

#include "app/DistributionFigure.h"
#include "app/DistributionPicture.h"
#include "app/DistributionRows.h"
#include "app/DistributionSheet.h"
#include "app/DistributionSource.h"
#include "app/FrequencyPage.h"
#include "app/QQPage.h"
#include "app/StatisticsOptions.h"
#include "numtext/Separators.h"
#include "stats/Quantiles.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace tallowmere::platform {
class Dialogs;
class SettingsStore;
}  // namespace tallowmere::platform

namespace tallowmere::app {

inline constexpr const char* kDistributionTitle = QT_TRANSLATE_NOOP("DistributionWindow", "Distribution — Tallowmere");
inline constexpr const char* kDistributionBinsKey = "DistributionBins";
// "All" or "WithoutOutliers".
inline constexpr const char* kDistributionRangeKey = "DistributionRange";
// "1" or "0", as are the next.
inline constexpr const char* kDistributionLogarithmicKey = "DistributionLogarithmic";
inline constexpr const char* kDistributionTitledKey = "DistributionTitled";
inline constexpr const char* kListChangedNotice =
    QT_TRANSLATE_NOOP("DistributionWindow",
                      "The number list has changed since this analysis. Press Start Analysis to show it as it is now.");
inline constexpr const char* kPngFilter = QT_TRANSLATE_NOOP("DistributionWindow", "PNG image (*.png)");
inline constexpr const char* kSvgFilter = QT_TRANSLATE_NOOP("DistributionWindow", "SVG image (*.svg)");

class OutlierPage;

// The picture on screen; it takes the focus so that keyboard users reach it
// and hear its description.
class DistributionView final : public QWidget {
 public:
  explicit DistributionView(QWidget* parent);
  void SetFigure(const DistributionFigure* figure, PictureStyle style);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // What the bin at `point` holds ("60 to 65: 7 numbers"); empty off the
  // bars.
  QString ToolTipAt(QPointF point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const DistributionFigure* figure_ = nullptr;
  PictureStyle style_;
};

class DistributionWindow final : public QWidget {
  Q_OBJECT

 public:
  // `settings`: where the bin count is remembered; it must outlive the window.
  DistributionWindow(platform::Dialogs& dialogs, platform::SettingsStore& settings, numtext::Separators separators,
                     QWidget* parent = nullptr);

  // Shows a finished analysis, replacing the one shown; the list is as it
  // was analysed.
  void ShowAnalysis(DistributionSource source);
  // A run is about to replace the numbers: the window keeps its picture but
  // lets go of them until ShowAnalysis.
  void ForgetNumbers();
  // The number list changed after the analysis shown.
  void ListChanged();
  bool ShowsListChanged() const;

  // "Copy Picture" and "Save Picture...": of the page shown.
  void CopyPicture();
  void SavePicture();
  // The picture as the clipboard gets it: the page's picture at the view's
  // size (taller by the title and the statistics when they are included),
  // at the screen's pixel ratio.
  QImage PictureImage() const;

  const DistributionFigure& Figure() const { return figure_; }
  QSpinBox* Bins() const { return bins_; }
  QComboBox* Range() const { return range_; }
  QCheckBox* Logarithmic() const { return logarithmic_; }
  QCheckBox* Titled() const { return titled_; }
  DistributionView* Picture() const { return view_; }
  QQPage* QQ() const { return qq_; }
  // The window's views of the analysis, the histogram first.
  QTabWidget* Views() const { return views_; }
  FrequencyPage* Frequencies() const { return frequencies_; }
  OutlierPage* Outliers() const { return outliers_; }
  // The method of the quartiles, the box plot and the percentiles shown.
  stats::QuantileMethod Method() const { return method_; }
  QTableWidget* Table() const { return table_; }
  // The table's options: the method, the percentiles, the trim, the level.
  StatisticsOptions* TableOptions() const { return tableOptions_; }
  // The table's lines as shown, with their keys.
  const std::vector<StatisticLine>& Statistics() const { return statistics_; }
  QLabel* Notice() const { return notice_; }
  QPushButton* CopyButton() const { return copy_; }
  QPushButton* SaveButton() const { return save_; }

 private:
  void BuildControls();
  void BuildTable();
  // The pages of views_: the histogram and box plot, then the others.
  void BuildViews();
  // The bin count, Copy Picture and Save Picture.
  void BuildPictureControls();
  // The range, the logarithmic axis and the title's check box.
  void BuildViewControls();
  // The options as they were stored, and each change stored.
  void RestoreOptions();
  // Ctrl+C, Ctrl+S and Esc.
  void ConnectKeys();
  void LayOut();
  void BinsChanged(int bins);
  void Redraw();
  // Brings each page after the histogram up to date with the analysis and
  // the options; Redraw calls it.
  void RefreshViews();
  // The Q-Q plot's page is the one shown.
  bool ShowsQQ() const;
  // The table's lines afresh from the analysis and the table's options.
  void RefreshTable();
  void FillTable(const std::vector<StatisticLine>& statistics);
  // The table's rows as "name TAB value" lines, the selected ones or all;
  // a copy of a value that depends on the method names the method.
  QString TableRowsText(bool selectedOnly) const;
  PictureStyle Style() const;
  FigureOptions Options() const;
  // The title and the table when they are included, else nothing.
  SheetTexts Sheet() const;

  platform::Dialogs& dialogs_;
  platform::SettingsStore& settings_;
  numtext::Separators separators_;
  results::SortedNumbers sorted_;
  std::optional<double> mean_;
  std::optional<double> standardDeviation_;
  QString meanText_;
  QString medianText_;
  QString listName_;
  std::vector<StatisticLine> statistics_;
  DistributionRows rows_;
  stats::QuantileMethod method_ = stats::kDefaultQuantileMethod;
  DistributionFigure figure_;
  QTabWidget* views_ = nullptr;
  DistributionView* view_ = nullptr;
  FrequencyPage* frequencies_ = nullptr;
  OutlierPage* outliers_ = nullptr;
  QQPage* qq_ = nullptr;
  QLabel* binsLabel_ = nullptr;
  QSpinBox* bins_ = nullptr;
  QLabel* rangeLabel_ = nullptr;
  QComboBox* range_ = nullptr;
  QCheckBox* logarithmic_ = nullptr;
  QCheckBox* titled_ = nullptr;
  QTableWidget* table_ = nullptr;
  StatisticsOptions* tableOptions_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* save_ = nullptr;
};

}  // namespace tallowmere::app
