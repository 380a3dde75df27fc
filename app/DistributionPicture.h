#pragma once
// The distribution picture: a histogram with the normal curve of the run's
// mean and standard deviation over it, the mean and the median marked, and a
// box plot on the same axis below. One drawing onto any QPainter, so the
// window, the clipboard image, the PNG and the SVG files are the same
// picture. It is drawn on a white sheet of its own in every theme, as it
// would be printed.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <optional>

#include "app/DistributionFigure.h"
#include "app/PictureParts.h"
#include "numtext/Separators.h"

class QPainter;

namespace tallowmere::app {

// The picture's place on the paper and how it writes numbers.
struct PictureStyle {
  QFont font;
  numtext::Separators separators;
  // The mean and the median as the results list shows them (rounded as the
  // run rounds); empty: every digit.
  QString meanText;
  QString medianText;
};

// Draws `figure` filling `area`; the painter's font is `style.font`.
void DrawDistribution(QPainter& painter, const QRectF& area, const DistributionFigure& figure,
                      const PictureStyle& style);

// Where the parts of the picture go when it fills `area`, its texts measured
// with `metrics`.
picture::Frame DistributionFrame(const QRectF& area, const DistributionFigure& figure, const PictureStyle& style,
                                 const QFontMetricsF& metrics);

// The bin whose column (from the histogram's top to its foot) holds `point`
// of the picture filling `area`; none outside the bars.
std::optional<std::size_t> BinUnder(const QRectF& area, const DistributionFigure& figure, const PictureStyle& style,
                                    const QFontMetricsF& metrics, QPointF point);

// An edge of a bin `width` wide, to a tenth of the width's first digit and
// no finer: "60 to 65", not "60.0000000000001 to 65".
QString BinEdgeText(double v, double width, const numtext::Separators& separators);

// What a bin holds, as its tool tip says it: "60 to 65: 7 numbers" (the
// edges to a tenth of the bin's width), or for a bar of whole numbers its
// value, "3: 7 numbers".
QString BinText(const DistributionFigure& figure, std::size_t bin, const numtext::Separators& separators);

// What assistive technology says of the picture: the count, the range, the
// quartiles and the bins (each, up to 60 of them; else the fullest).
QString DistributionDescription(const DistributionFigure& figure, const numtext::Separators& separators);

// The picture as an image of `size` logical pixels at `pixelRatio` device
// pixels each.
QImage DistributionImage(const DistributionFigure& figure, QSize size, qreal pixelRatio, const PictureStyle& style);

// Writes the picture as PNG or SVG (by `svg`), whole or not at all: empty
// when written, otherwise why not (the system's reason, such as "No space
// left on device"), any file that was there left as it was.
QString WriteDistributionPicture(const QString& path, bool svg, const DistributionFigure& figure, QSize size,
                                 const PictureStyle& style);

}  // namespace tallowmere::app
