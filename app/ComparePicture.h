#pragma once
// The comparison picture: a box plot of every list, one under the other, on
// one value axis, each headed by its list's name. Drawn with the
// distribution picture's parts, on the same white sheet, so that a list's
// box reads here as it does in the distribution window.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "app/DistributionFigure.h"
#include "numtext/Separators.h"

class QPainter;

namespace tallowmere::app {

struct CompareFigure {
  QString heading;
  DistributionFigure figure;  // empty (count 0) for a list without numbers
  // The mean and the median as the table shows them, for the histograms'
  // legends.
  QString meanText;
  QString medianText;
};

// The lists' figures, each of its sorted numbers with its raw mean and
// standard deviation; with `histograms`, every histogram over the span all
// lists share, on the same bins' edges (as many bins as the list that wants
// most), so that their bars stand side by side.
struct CompareList {
  QString heading;
  std::span<const double> sorted;
  std::optional<double> mean;
  std::optional<double> standardDeviation;
  QString meanText;
  QString medianText;
};
std::vector<CompareFigure> MakeCompareFigures(const std::vector<CompareList>& lists);

// What the picture shows of the lists.
enum class CompareView { kBoxPlots, kHistograms };

// The span every box shares: the least minimum to the greatest maximum,
// widened to one unit around a single value; {0, 1} when no list has
// numbers.
std::pair<double, double> SharedSpan(const std::vector<CompareFigure>& figures);

// The box plots on one axis, or each list's histogram with its box plot
// (the distribution window's picture) one under the other.
void DrawComparison(QPainter& painter, const QRectF& area, const std::vector<CompareFigure>& figures, const QFont& font,
                    const numtext::Separators& separators, CompareView view = CompareView::kBoxPlots);

// What assistive technology says of the picture: each list's count,
// quartiles and range.
QString ComparisonDescription(const std::vector<CompareFigure>& figures, const numtext::Separators& separators,
                              CompareView view = CompareView::kBoxPlots);

QImage ComparisonImage(const std::vector<CompareFigure>& figures, QSize size, qreal pixelRatio, const QFont& font,
                       const numtext::Separators& separators, CompareView view);

// PNG or SVG (by `svg`), whole or not at all: empty when written, else why not.
QString WriteComparisonPicture(const QString& path, bool svg, const std::vector<CompareFigure>& figures, QSize size,
                               const QFont& font, const numtext::Separators& separators, CompareView view);

}  // namespace tallowmere::app
