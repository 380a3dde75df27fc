#pragma once
// The parts of the distribution picture that other pictures draw the same
// way: where things go, the value axis and a box plot. One drawing code for
// every picture keeps their looks and their numbers' texts alike.
#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cmath>
#include <functional>
#include <vector>

#include "app/DistributionFigure.h"
#include "numtext/Separators.h"

class QPainter;

namespace tallowmere::app::picture {

// Where the parts of the picture go inside the area.
struct Frame {
  QRectF plot;       // the histogram (its left and right edges also bound the axis)
  QRectF box;        // the box plot's strip below it
  double axisY = 0;  // the shared value axis, under the box strip
  double low = 0;
  double high = 1;
  double countTop = 1;  // the count at the histogram's top edge
  // The value axis in the logarithm (low and high positive).
  bool logarithmic = false;
  // Above 0: the value axis's ticks stand on the values low + step / 2 +
  // k step (bars of whole numbers, each centred on its value); 0: round
  // numbers.
  double valueStep = 0;
  // The value axis's labels stay inside this (a null rectangle: anywhere).
  QRectF sheet;

  // Halved first: the span of two extreme numbers may not be finite.
  double X(double v) const {
    if (logarithmic) {
      if (!(v > 0)) return plot.left();
      return plot.left() + std::log10(v / low) / std::log10(high / low) * plot.width();
    }
    return plot.left() + (v / 2 - low / 2) / (high / 2 - low / 2) * plot.width();
  }
  double Y(double count) const { return plot.bottom() - count / countTop * plot.height(); }
};

// The sheet and the ink of every picture, in any theme.
QColor PaperColour();
QColor InkColour();
// The faint lines across a plot at its ticks, and the colour of its data
// marks (the histogram's bar edges).
QColor GridColour();
QColor AccentColour();

// A round step (1, 2 or 5 times a power of ten), about `most` of them over
// `span`; 1 for a span that is not above 0 or not finite.
double RoundStep(double span, int most);
// Round steps (1, 2 or 5 times a power of ten), about `most` of them from
// `low` to `high`, none finer than `smallest`; at most 64.
std::vector<double> RoundTicks(double low, double high, int most, double smallest = 0.0);

// A number as the pictures write it.
QString PictureNumber(double v, const numtext::Separators& separators);

// One label of the value axis: its text and where it is drawn (its box's
// left edge and the text's baseline below the box's top).
struct AxisLabel {
  double value = 0;
  QString text;
  QRectF box;
};

// The value axis's ticks: on the values (frame.valueStep), powers of ten and
// their multiples (frame.logarithmic) or round numbers, thinned so that
// their labels fit side by side.
std::vector<double> ValueAxisTicks(const Frame& frame, const QFontMetricsF& metrics,
                                   const numtext::Separators& separators);
// The labels drawn under the ticks: none overlapping another, each inside
// frame.sheet (moved in from the sheet's edge where its tick is too near
// it).
std::vector<AxisLabel> ValueAxisLabels(const Frame& frame, const QFontMetricsF& metrics,
                                       const numtext::Separators& separators);
// Moves the ends of frame.plot and frame.box in as far as the value axis's
// first and last labels need to stay whole inside frame.sheet (a quarter of
// the plot's width at most on either side).
void FitValueAxis(Frame& frame, const QFontMetricsF& metrics, const numtext::Separators& separators);

// The value axis at frame.axisY, from frame.plot's left edge to its right,
// with as many labels from frame.low to frame.high as fit.
void DrawSharedAxis(QPainter& painter, const Frame& frame, const QFontMetricsF& metrics,
                    const numtext::Separators& separators);
// The box plot of `figure` (whiskers, box, median, outliers) across
// frame.box.
void DrawBoxStrip(QPainter& painter, const Frame& frame, const DistributionFigure& figure,
                  const QFontMetricsF& metrics);

// A whole picture, drawn filling the area given.
using Drawing = std::function<void(QPainter& painter, const QRectF& area)>;

// The picture as an image of `size` logical pixels at `pixelRatio` device
// pixels each, on the white sheet.
QImage PictureImage(QSize size, qreal pixelRatio, const Drawing& draw);

// Writes the picture as PNG or SVG (by `svg`), whole or not at all: empty
// when written, otherwise why not (the system's reason), any file that was
// there left as it was. The SVG carries `title` and `description`.
QString WritePicture(const QString& path, bool svg, QSize size, const QString& title, const QString& description,
                     const Drawing& draw);

}  // namespace tallowmere::app::picture
