#pragma once
// The normal Q-Q plot: each number against the normal quantile of its place
// in the sorted order, and the line through the quartiles, drawn as the
// distribution picture is (the white sheet, its ink, its fonts and its value
// axis), onto any QPainter: the window, the clipboard, PNG and SVG alike.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <span>
#include <vector>

#include "app/DistributionPicture.h"
#include "app/PictureParts.h"
#include "stats/NormalQQ.h"

class QPainter;

namespace tallowmere::app {

// What the plot shows of one analysis; it keeps no number but the points.
struct QQFigure {
  std::size_t count = 0;
  // Thinned: at most about two a pixel across the plot.
  std::vector<stats::QQPoint> points;
  stats::NormalQQLine line;
  // The extremes of either axis (the first and the last point).
  double lowTheoretical = 0;
  double highTheoretical = 0;
  double lowSample = 0;
  double highSample = 0;
};

// The figure of `sorted` (ascending) with at most `most` points.
QQFigure MakeQQFigure(std::span<const double> sorted, std::size_t most);

// Where the plot goes inside an area: `axis` carries the horizontal (normal
// quantile) axis as the distribution picture's value axis; the vertical
// (sample) axis runs from sampleLow at the plot's foot to sampleHigh at its
// top.
struct QQFrame {
  picture::Frame axis;
  double sampleLow = 0;
  double sampleHigh = 1;

  QRectF Plot() const { return axis.plot; }
  double X(double theoretical) const { return axis.X(theoretical); }
  // Halved first, as the value axis is: the span may not be finite.
  double Y(double sample) const {
    return axis.plot.bottom() - (sample / 2 - sampleLow / 2) / (sampleHigh / 2 - sampleLow / 2) * axis.plot.height();
  }
};

QQFrame QQFrameOf(const QRectF& area, const QQFigure& figure, const QFontMetricsF& metrics,
                  const numtext::Separators& separators);

// Draws `figure` filling `area` (PictureStyle's font and separators; the
// mean's and median's texts are not used).
void DrawQQ(QPainter& painter, const QRectF& area, const QQFigure& figure, const PictureStyle& style);

// What assistive technology says of the plot: the count, the axes' spans
// and the reference line.
QString QQDescription(const QQFigure& figure, const numtext::Separators& separators);

// The plot as it goes onto the clipboard or into a file with its heading:
// a title over it and lines of text under it (the tests' results). Empty:
// the plot alone.
struct QQSheet {
  QString title;
  QStringList lines;
};

// A plot of `plotSize` with `sheet`: as wide, taller by the title and the
// lines (wrapped to the width).
QSize QQSheetSize(QSize plotSize, const QQSheet& sheet, const QFont& font);
void DrawQQSheet(QPainter& painter, const QRectF& area, const QQFigure& figure, const PictureStyle& style,
                 const QQSheet& sheet);

// The sheet as an image of `size` logical pixels at `pixelRatio`.
QImage QQImage(const QQFigure& figure, QSize size, qreal pixelRatio, const PictureStyle& style, const QQSheet& sheet);

// Writes the sheet as PNG or SVG (by `svg`), whole or not at all: empty when
// written, else why not. The SVG carries `description`.
QString WriteQQPicture(const QString& path, bool svg, const QQFigure& figure, QSize size, const PictureStyle& style,
                       const QQSheet& sheet, const QString& description);

}  // namespace tallowmere::app
