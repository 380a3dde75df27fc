#pragma once
// The distribution picture as it goes onto the clipboard or into a file
// when asked to carry its own heading: a title over it and the window's
// statistics table under it, so that a pasted picture says what it shows.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

#include "app/DistributionFigure.h"
#include "app/DistributionPicture.h"
#include "app/DistributionSource.h"

class QPainter;
class QPaintDevice;

namespace tallowmere::app {

struct SheetTexts {
  QString title;
  std::vector<StatisticLine> statistics;
};

// The title of a list's picture: its name, or "Distribution of 30 numbers".
QString DistributionTitle(const QString& listName, std::size_t count);

// The height a title takes over a picture, and the title drawn centred at
// the top of `area` (cut short with an ellipsis where it is too wide).
double SheetTitleHeight(const QString& title, const QFont& font, const QPaintDevice* device);
void DrawSheetTitle(QPainter& painter, const QRectF& area, const QString& title, const QFont& font);

// How much taller the title and the table make a picture `width` wide.
double SheetExtraHeight(double width, const SheetTexts& texts, const QFont& font, const QPaintDevice* device);

// The title at the top of `area`, the table at its foot, the picture
// between them.
void DrawDistributionSheet(QPainter& painter, const QRectF& area, const DistributionFigure& figure,
                           const PictureStyle& style, const SheetTexts& texts);

// The whole sheet for a picture of `pictureSize`: as wide, and taller by
// the title and the table.
QSize SheetSize(QSize pictureSize, const SheetTexts& texts, const QFont& font);

// Writes the sheet as PNG or SVG (by `svg`) of `size` (SheetSize's), whole
// or not at all: empty when written, else why not. The SVG's title is the
// sheet's.
QString WriteDistributionSheet(const QString& path, bool svg, const DistributionFigure& figure, QSize size,
                               const PictureStyle& style, const SheetTexts& texts);

}  // namespace tallowmere::app
