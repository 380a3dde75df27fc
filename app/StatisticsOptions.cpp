#include "app/StatisticsOptions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <optional>
#include <string>
#include <vector>

#include "app/PercentileText.h"
#include "platform/SettingsStore.h"
#include "stats/ConfidenceLevel.h"

namespace tallowmere::app {

namespace {

// A wrong entry's frame, red on light and dark themes alike.
constexpr const char* kWrongFrame = "QLineEdit { border: 2px solid #d01c1c; border-radius: 3px; padding: 1px; }";

// A stored figure in [lowest, highest], else `fallback`.
double StoredFigure(const QString& text, double lowest, double highest, double fallback) {
  bool read = false;
  const double value = text.toDouble(&read);
  return read && value >= lowest && value <= highest ? value : fallback;
}

QDoubleSpinBox* PercentBox(QWidget* parent, double lowest, double highest) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(lowest, highest);
  box->setDecimals(1);
  box->setSingleStep(1.0);
  box->setSuffix(QStringLiteral(" %"));
  box->setAccelerated(true);
  return box;
}

}  // namespace

StatisticsOptions::StatisticsOptions(platform::SettingsStore& settings, numtext::Separators separators, QWidget* parent)
    : QWidget(parent), settings_(settings), separators_(std::move(separators)) {
  Build();
  LayOut();
  Restore();
  Connect();
}

void StatisticsOptions::Build() {
  methodLabel_ = new QLabel(tr("&Method:"), this);
  method_ = new QComboBox(this);
  for (const stats::QuantileMethodInfo& info : stats::QuantileMethods()) {
    method_->addItem(MethodName(info.method), QString::fromLatin1(info.key));
    method_->setItemData(method_->count() - 1, MethodName(info.method), Qt::ToolTipRole);
  }
  // The names are long: the box shows the start of the chosen one, its list
  // every name whole.
  method_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  method_->setMinimumContentsLength(22);
  method_->view()->setMinimumWidth(method_->view()->sizeHintForColumn(0) + method_->fontMetrics().height() * 2);
  method_->setAccessibleName(tr("Quantile method"));
  method_->setAccessibleDescription(
      tr("How the quartiles, the box plot and the percentiles are read from the numbers"));
  methodLabel_->setBuddy(method_);

  percentilesLabel_ = new QLabel(tr("&Percentiles:"), this);
  percentiles_ = new QLineEdit(this);
  percentiles_->setAccessibleName(tr("Percentiles"));
  percentiles_->setMinimumWidth(percentiles_->fontMetrics().horizontalAdvance(QStringLiteral("2.5, 50, 97.5, 99.9")));
  percentilesLabel_->setBuddy(percentiles_);
  percentilesError_ = new QLabel(this);
  percentilesError_->setAccessibleName(tr("Percentiles' error"));
  // What room is left beside the text: never the cause of a wider window.
  percentilesError_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  percentilesError_->hide();

  trimLabel_ = new QLabel(tr("&Trim:"), this);
  trim_ = PercentBox(this, 0.0, 49.9);
  trim_->setAccessibleName(tr("Trimmed share"));
  trim_->setToolTip(tr("The share of the numbers the trimmed mean leaves out at each end"));
  trim_->setAccessibleDescription(trim_->toolTip());
  trimLabel_->setBuddy(trim_);

  levelLabel_ = new QLabel(tr("Confidence l&evel:"), this);
  level_ = PercentBox(this, stats::kLowestLevel, stats::kHighestLevel);
  level_->setAccessibleName(tr("Confidence level"));
  level_->setToolTip(tr("The level of the mean's and the median's confidence intervals"));
  level_->setAccessibleDescription(level_->toolTip());
  levelLabel_->setBuddy(level_);
}

void StatisticsOptions::LayOut() {
  // Two lines under the histogram's options: the method's names are long.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(methodLabel_, 0, 0);
  grid->addWidget(method_, 0, 1);
  grid->addWidget(percentilesLabel_, 0, 2);
  grid->addWidget(percentiles_, 0, 3);
  grid->addWidget(percentilesError_, 0, 4);
  grid->addWidget(trimLabel_, 1, 0);
  grid->addWidget(trim_, 1, 1, Qt::AlignLeft);
  grid->addWidget(levelLabel_, 1, 2);
  grid->addWidget(level_, 1, 3, Qt::AlignLeft);
  grid->setColumnStretch(4, 1);
}

std::vector<QWidget*> StatisticsOptions::TabOrder() const { return {method_, percentiles_, trim_, level_}; }

void StatisticsOptions::Restore() {
  const std::optional<stats::QuantileMethod> stored =
      stats::ParseQuantileMethod(settings_.Get(QString::fromLatin1(kQuantileMethodKey), QString()).toStdString());
  const stats::QuantileMethod method = stored.value_or(stats::kDefaultQuantileMethod);
  method_->setCurrentIndex(method_->findData(QString::fromLatin1(stats::InfoOf(method).key)));
  method_->setToolTip(method_->currentText());
  percentilesShown_ = ReadStoredPercentiles(
      settings_.Get(QString::fromLatin1(kDistributionPercentilesKey), QString::fromLatin1(kDefaultStoredPercentiles)));
  percentiles_->setText(PercentilesText(percentilesShown_, separators_));
  ShowPercentilesState();
  trim_->setValue(StoredFigure(settings_.Get(QString::fromLatin1(kDistributionTrimKey), QString()), trim_->minimum(),
                               trim_->maximum(), kDefaultTrimPercent));
  level_->setValue(StoredFigure(settings_.Get(QString::fromLatin1(kConfidenceLevelKey), QString()), level_->minimum(),
                                level_->maximum(), stats::kDefaultLevel));
}

void StatisticsOptions::Connect() {
  connect(method_, &QComboBox::currentIndexChanged, this, [this] {
    settings_.Save(QString::fromLatin1(kQuantileMethodKey), method_->currentData().toString());
    method_->setToolTip(method_->currentText());
    emit methodChanged();
  });
  // Checked as typed, taken when done (Return, or the focus leaving): a list
  // half typed would put passing rows into the table ("10" on the way to
  // "101").
  connect(percentiles_, &QLineEdit::textEdited, this, [this](const QString& text) { PercentilesEdited(text); });
  connect(percentiles_, &QLineEdit::editingFinished, this, [this] { PercentilesFinished(); });
  const auto keep = [this](const char* key) {
    return [this, key](double value) {
      settings_.Save(QString::fromLatin1(key), QString::number(value));
      emit tableChanged();
    };
  };
  connect(trim_, &QDoubleSpinBox::valueChanged, this, keep(kDistributionTrimKey));
  connect(level_, &QDoubleSpinBox::valueChanged, this, keep(kConfidenceLevelKey));
}

void StatisticsOptions::PercentilesEdited(const QString& text) {
  error_ = ReadPercentiles(text, separators_).error;
  ShowPercentilesState();
}

void StatisticsOptions::PercentilesFinished() {
  const PercentileEntry entry = ReadPercentiles(percentiles_->text(), separators_);
  error_ = entry.error;
  ShowPercentilesState();
  if (!entry.Good() || entry.percentiles == percentilesShown_) return;
  percentilesShown_ = entry.percentiles;
  settings_.Save(QString::fromLatin1(kDistributionPercentilesKey), StoredPercentiles(percentilesShown_));
  emit tableChanged();
}

void StatisticsOptions::ShowPercentilesState() {
  const bool comma = separators_.decimal == ",";
  const std::vector<double> examples = {2.5, 50, 97.5};
  const QString example = PercentilesText(examples, separators_);
  const QString hint = comma ? tr("Percentiles from 0 to 100, separated by semicolons: %1").arg(example)
                             : tr("Percentiles from 0 to 100, separated by commas or semicolons: %1").arg(example);
  percentiles_->setStyleSheet(error_.isEmpty() ? QString() : QString::fromLatin1(kWrongFrame));
  percentiles_->setToolTip(error_.isEmpty() ? hint : error_);
  percentiles_->setAccessibleDescription(error_.isEmpty() ? hint : error_ + QLatin1Char('\n') + hint);
  // A sign before the words: the label keeps the theme's colour of text.
  percentilesError_->setText(QStringLiteral("\u26A0 ") + error_);
  percentilesError_->setVisible(!error_.isEmpty());
}

TableChoices StatisticsOptions::Choices() const {
  return {.method = Method(),
          .percentiles = percentilesShown_,
          .trimPercent = trim_->value(),
          .levelPercent = level_->value()};
}

stats::QuantileMethod StatisticsOptions::Method() const {
  return stats::ParseQuantileMethod(method_->currentData().toString().toStdString())
      .value_or(stats::kDefaultQuantileMethod);
}

}  // namespace tallowmere::app
