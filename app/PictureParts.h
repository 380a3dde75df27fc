#pragma once
// The parts of the distribution picture that other pictures draw the same
// way: where things go, the value axis and a box plot. One drawing code for
// every picture keeps their looks and their numbers' texts alike.
#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

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

  // Halved first: the span of two extreme numbers may not be finite.
  double X(double v) const { return plot.left() + (v / 2 - low / 2) / (high / 2 - low / 2) * plot.width(); }
  double Y(double count) const { return plot.bottom() - count / countTop * plot.height(); }
};

// The sheet and the ink of every picture, in any theme.
QColor PaperColour();
QColor InkColour();

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
