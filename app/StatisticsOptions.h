#pragma once
// The options of the distribution window's statistics table: the quantile
// method of the quartiles, the box plot and the percentiles; the percentiles
// shown; the trimmed mean's share; the level of both intervals. Each is
// remembered in the settings as soon as it changes.
#include <QString>
#include <QWidget>
#include <vector>

#include "app/DistributionRows.h"
#include "numtext/Separators.h"
#include "stats/Quantiles.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace tallowmere::platform {
class SettingsStore;
}  // namespace tallowmere::platform

namespace tallowmere::app {

// The method's key ("inclusive"); a stored text that names none is the
// default method.
inline constexpr const char* kQuantileMethodKey = "QuantileMethod";
// As settings keep percentiles: "5;95" (PercentileText).
inline constexpr const char* kDistributionPercentilesKey = "DistributionPercentiles";
// Percent of each end, and the level in percent, with '.': "5", "99.5".
inline constexpr const char* kDistributionTrimKey = "DistributionTrim";
inline constexpr const char* kConfidenceLevelKey = "ConfidenceLevel";

class StatisticsOptions final : public QWidget {
  Q_OBJECT

 public:
  // `settings` must outlive the options.
  StatisticsOptions(platform::SettingsStore& settings, numtext::Separators separators, QWidget* parent);

  TableChoices Choices() const;
  stats::QuantileMethod Method() const;

  QComboBox* MethodBox() const { return method_; }
  QLineEdit* PercentilesEdit() const { return percentiles_; }
  QDoubleSpinBox* Trim() const { return trim_; }
  QDoubleSpinBox* Level() const { return level_; }
  // Why the percentiles' text is wrong; empty while it is right. It is
  // shown beside the text, which is framed in red meanwhile.
  QString PercentilesError() const { return error_; }
  QLabel* PercentilesErrorLabel() const { return percentilesError_; }
  // The controls in the order Tab reaches them.
  std::vector<QWidget*> TabOrder() const;

 signals:
  // The method changed: the picture's box changes with the table.
  void methodChanged();
  // Anything else of the table changed.
  void tableChanged();

 private:
  void Build();
  void LayOut();
  void Restore();
  void Connect();
  void PercentilesEdited(const QString& text);
  void PercentilesFinished();
  void ShowPercentilesState();

  platform::SettingsStore& settings_;
  numtext::Separators separators_;
  // The last percentiles typed right: a wrong text leaves them shown.
  std::vector<double> percentilesShown_;
  QString error_;
  QLabel* methodLabel_ = nullptr;
  QComboBox* method_ = nullptr;
  QLabel* percentilesLabel_ = nullptr;
  QLineEdit* percentiles_ = nullptr;
  // Beside the percentiles: why their text is wrong, while it is.
  QLabel* percentilesError_ = nullptr;
  QLabel* trimLabel_ = nullptr;
  QDoubleSpinBox* trim_ = nullptr;
  QLabel* levelLabel_ = nullptr;
  QDoubleSpinBox* level_ = nullptr;
};

}  // namespace tallowmere::app
