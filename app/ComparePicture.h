#pragma once
// The comparison picture: a box plot of every list, one under the other, on
// one value axis, each headed by its list's name. Drawn with the
// distribution picture's parts, on the same white sheet, so that a list's
// box reads here as it does in the distribution window.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

#include "app/DistributionFigure.h"
#include "numtext/Separators.h"

class QPainter;

namespace tallowmere::app {

struct CompareFigure {
  QString heading;
  DistributionFigure figure;  // empty (count 0) for a list without numbers
};

// The span every box shares: the least minimum to the greatest maximum,
// widened to one unit around a single value; {0, 1} when no list has
// numbers.
std::pair<double, double> SharedSpan(const std::vector<CompareFigure>& figures);

void DrawComparison(QPainter& painter, const QRectF& area, const std::vector<CompareFigure>& figures, const QFont& font,
                    const numtext::Separators& separators);

// What assistive technology says of the picture: each list's count,
// quartiles and range.
QString ComparisonDescription(const std::vector<CompareFigure>& figures, const numtext::Separators& separators);

QImage ComparisonImage(const std::vector<CompareFigure>& figures, QSize size, qreal pixelRatio, const QFont& font,
                       const numtext::Separators& separators);

// PNG or SVG (by `svg`), whole or not at all: empty when written, else why not.
QString WriteComparisonPicture(const QString& path, bool svg, const std::vector<CompareFigure>& figures, QSize size,
                               const QFont& font, const numtext::Separators& separators);

}  // namespace tallowmere::app
