#include "app/QQPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "results/NormalityReading.h"
#include "stats/OmnibusNormality.h"
#include "stats/ShapiroWilk.h"

namespace tallowmere::app {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("QQPage", text); }

// A test's statistic: `digits` significant digits (W lies just under 1, so
// it needs more than K²), whole numbers from ten thousand on.
QString StatisticFigure(double v, int digits, const numtext::Separators& separators) {
  char text[48];
  if (std::abs(v) < 1e4)
    std::snprintf(text, sizeof text, "%.*g", digits, v);
  else
    std::snprintf(text, sizeof text, "%.0f", v);
  std::string figure = text;
  if (const std::size_t at = figure.find('.'); at != std::string::npos) figure.replace(at, 1, separators.decimal);
  return QString::fromStdString(figure);
}

QString TestLine(const char* answered, const char* unanswered, const stats::NormalityTest& test, int digits,
                 const numtext::Separators& separators) {
  const QString reading = QString::fromStdString(results::TranslatedReading(test, separators.decimal));
  if (!test.Answered()) return Tr(unanswered).arg(reading);
  return Tr(answered).arg(StatisticFigure(test.statistic, digits, separators),
                          QString::fromStdString(results::ReadingFigure(test.pValue, separators.decimal)), reading);
}

}  // namespace

NormalityResults NormalityOf(std::span<const double> sorted, std::optional<double> mean) {
  NormalityResults results;
  results.shapiroWilk = stats::ShapiroWilk(sorted);
  // The range is at the ends: the moments take a single pass about the
  // mean when it is known.
  const double range = sorted.empty() ? 0.0 : sorted.back() - sorted.front();
  const bool about = mean && std::isfinite(*mean) && std::isfinite(range) && range > 0.0;
  results.omnibus =
      stats::OmnibusNormality(about ? stats::MomentsAbout(sorted, *mean, range) : stats::MomentsOf(sorted)).test;
  return results;
}

QStringList NormalityLines(const NormalityResults& results, const numtext::Separators& separators) {
  return {TestLine(QT_TRANSLATE_NOOP("QQPage", "Shapiro-Wilk: W = %1, p = %2 — %3"),
                   QT_TRANSLATE_NOOP("QQPage", "Shapiro-Wilk: %1"), results.shapiroWilk, 5, separators),
          TestLine(QT_TRANSLATE_NOOP("QQPage", "D'Agostino-Pearson: K² = %1, p = %2 — %3"),
                   QT_TRANSLATE_NOOP("QQPage", "D'Agostino-Pearson: %1"), results.omnibus, 4, separators)};
}

QQView::QQView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QQPage::tr("Normal Q-Q plot"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void QQView::SetFigure(const QQFigure* figure, PictureStyle style) {
  figure_ = figure;
  style_ = std::move(style);
  update();
}

QSize QQView::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 42, line * 24};
}

QSize QQView::minimumSizeHint() const {
  const int line = fontMetrics().height();
  return {line * 18, line * 10};
}

void QQView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (figure_) DrawQQ(painter, QRectF(rect()), *figure_, style_);
  if (hasFocus()) {
    // The sheet is white in every theme: the focus mark is drawn in the ink.
    painter.setPen(QPen(picture::InkColour(), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void QQView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (resized_) resized_();
}

QQPage::QQPage(numtext::Separators separators, QWidget* parent) : QWidget(parent), separators_(std::move(separators)) {
  view_ = new QQView(this);
  tests_ = new QLabel(this);
  tests_->setWordWrap(true);
  tests_->setTextFormat(Qt::PlainText);
  tests_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Reached by Tab too, so that the results can be selected and copied
  // without a mouse.
  tests_->setFocusPolicy(Qt::StrongFocus);
  tests_->setMargin(4);
  tests_->setAccessibleName(tr("Tests of normality"));
  tests_->setAccessibleDescription(
      tr("Press Ctrl+C to copy the selected text, or both lines where nothing is selected."));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_, 1);
  layout->addWidget(tests_, 0);
  view_->OnResized([this] { Thin(); });
  view_->SetFigure(&figure_, Style());
  Describe();
}

PictureStyle QQPage::Style() const { return {font(), separators_, QString(), QString()}; }

std::size_t QQPage::MostPoints() const {
  return static_cast<std::size_t>(std::max(view_->width(), view_->sizeHint().width())) * 2;
}

void QQPage::Show(const results::SortedNumbers& sorted, std::optional<double> mean) {
  // While the page holds the numbers shown, their memory cannot be another
  // run's: the same place and count are the same numbers.
  if (!sorted_.empty() && sorted.begin() == sorted_.begin() && sorted.size() == sorted_.size()) return;
  sorted_ = sorted;
  ++analyses_;
  lines_ = NormalityLines(NormalityOf(sorted_.View(), mean), separators_);
  tests_->setText(lines_.join(QLatin1Char('\n')));
  thinnedFor_ = 0;
  Thin();
}

void QQPage::Forget() { sorted_ = {}; }

QString QQPage::TestsText() const {
  return tests_->hasSelectedText() ? tests_->selectedText() : lines_.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void QQPage::Thin() {
  if (sorted_.empty()) return;
  const std::size_t most = MostPoints();
  if (most == thinnedFor_) return;
  thinnedFor_ = most;
  figure_ = MakeQQFigure(sorted_.View(), most);
  view_->SetFigure(&figure_, Style());
  Describe();
}

void QQPage::Describe() {
  QString text = QQDescription(figure_, separators_);
  if (!lines_.isEmpty()) text += QLatin1Char(' ') + lines_.join(QStringLiteral(". ")) + QLatin1Char('.');
  view_->setAccessibleDescription(text);
}

QQSheet QQPage::Sheet(const QString& title) const {
  if (title.isEmpty() || figure_.count == 0) return {};
  return {title, lines_};
}

QImage QQPage::PictureImage(const QString& title) const {
  const QQSheet sheet = Sheet(title);
  return QQImage(figure_, QQSheetSize(view_->size(), sheet, font()), view_->devicePixelRatioF(), Style(), sheet);
}

QString QQPage::WritePicture(const QString& path, bool svg, QSize smallest, const QString& title) const {
  const QQSheet sheet = Sheet(title);
  const QSize size = QQSheetSize(view_->size().expandedTo(smallest), sheet, font());
  return WriteQQPicture(path, svg, figure_, size, Style(), sheet, view_->accessibleDescription());
}

}  // namespace tallowmere::app
