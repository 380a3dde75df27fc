#include "app/DistributionSheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/DropProgress.h"
#include "app/PictureParts.h"
#include "platform/Language.h"

namespace tallowmere::app {

namespace {

QFont TitleFont(const QFont& font) {
  QFont title = font;
  title.setBold(true);
  if (title.pointSizeF() > 0)
    title.setPointSizeF(title.pointSizeF() * 1.25);
  else
    title.setPixelSize(std::max(1, static_cast<int>(std::lround(title.pixelSize() * 1.25))));
  return title;
}

// A value in words (the quantile method's name, a reason) wider than this
// many average characters gets a line of its own under the pairs, so that
// it neither pushes the numbers off the picture nor takes the pairs' room.
constexpr int kWidestPairedValue = 18;

bool Paired(const StatisticLine& line, const QFontMetricsF& metrics) {
  return !ValueInWords(line.value) ||
         metrics.horizontalAdvance(line.value) <= metrics.averageCharWidth() * kWidestPairedValue;
}

// The table laid out as name and value pairs side by side, as many pairs
// to a row as the width holds, then the wide values a line each.
struct TableLayout {
  double nameWidth = 0;
  double valueWidth = 0;
  double pairWidth = 0;
  int columns = 1;
  int rows = 0;  // of the pairs
  std::vector<const StatisticLine*> paired;
  std::vector<const StatisticLine*> wide;
  int Lines() const { return rows + static_cast<int>(wide.size()); }
};

TableLayout LayOutTable(double width, const SheetTexts& texts, const QFontMetricsF& metrics) {
  TableLayout table;
  for (const StatisticLine& line : texts.statistics) {
    if (!Paired(line, metrics)) {
      table.wide.push_back(&line);
      continue;
    }
    table.paired.push_back(&line);
    table.nameWidth = std::max(table.nameWidth, metrics.horizontalAdvance(line.name));
    table.valueWidth = std::max(table.valueWidth, metrics.horizontalAdvance(line.value));
  }
  const double gap = metrics.height();
  table.pairWidth = table.nameWidth + gap + table.valueWidth + gap * 2;
  const auto fit = static_cast<int>((width - gap) / table.pairWidth);
  const int count = static_cast<int>(table.paired.size());
  table.columns = std::clamp(fit, 1, std::max(1, count));
  table.rows = (count + table.columns - 1) / table.columns;
  return table;
}

double TitleHeight(const SheetTexts& texts, const QFont& font, const QPaintDevice* device) {
  return SheetTitleHeight(texts.title, font, device);
}

double TableHeight(double width, const SheetTexts& texts, const QFont& font, const QPaintDevice* device) {
  if (texts.statistics.empty()) return 0;
  const QFontMetricsF metrics(font, device);
  return LayOutTable(width, texts, metrics).Lines() * metrics.height() * 1.3 + metrics.height();
}

void DrawTable(QPainter& p, const QRectF& place, const SheetTexts& texts, const QFontMetricsF& metrics) {
  const TableLayout table = LayOutTable(place.width(), texts, metrics);
  const double line = metrics.height();
  const double left = place.left() + line;
  const auto baseline = [&](int row) { return place.top() + line * 0.3 + row * line * 1.3 + metrics.ascent(); };
  p.setPen(picture::InkColour());
  for (std::size_t i = 0; i < table.paired.size(); ++i) {
    const int column = static_cast<int>(i) / table.rows;
    const int row = static_cast<int>(i) % table.rows;
    const double x = left + column * table.pairWidth;
    const double y = baseline(row);
    const StatisticLine& s = *table.paired[i];
    p.drawText(QPointF(x, y), s.name);
    // Values flush right, so that their digits line up.
    p.drawText(QPointF(x + table.nameWidth + line + table.valueWidth - metrics.horizontalAdvance(s.value), y), s.value);
  }
  for (std::size_t i = 0; i < table.wide.size(); ++i) {
    const StatisticLine& s = *table.wide[i];
    const double y = baseline(table.rows + static_cast<int>(i));
    p.drawText(QPointF(left, y), s.name);
    const double x = left + std::max(table.nameWidth, metrics.horizontalAdvance(s.name)) + line;
    p.drawText(QPointF(x, y), metrics.elidedText(s.value, Qt::ElideRight, place.right() - line - x));
  }
}

}  // namespace

QString DistributionTitle(const QString& listName, std::size_t count) {
  if (!listName.isEmpty()) return listName;
  return platform::CountText("DistributionSheet", "Distribution of %1 number",
                             QT_TRANSLATE_N_NOOP("DistributionSheet", "Distribution of %1 numbers"), count,
                             GroupedCount(count));
}

double SheetTitleHeight(const QString& title, const QFont& font, const QPaintDevice* device) {
  if (title.isEmpty()) return 0;
  return QFontMetricsF(TitleFont(font), device).height() * 1.6;
}

void DrawSheetTitle(QPainter& painter, const QRectF& area, const QString& title, const QFont& font) {
  const QFont titleFont = TitleFont(font);
  const QFontMetricsF metrics(titleFont, painter.device());
  painter.save();
  painter.setFont(titleFont);
  painter.setPen(picture::InkColour());
  const QString shown = metrics.elidedText(title, Qt::ElideRight, area.width() - metrics.height() * 2);
  painter.drawText(QPointF(area.center().x() - metrics.horizontalAdvance(shown) / 2,
                           area.top() + metrics.height() * 0.4 + metrics.ascent()),
                   shown);
  painter.restore();
}

double SheetExtraHeight(double width, const SheetTexts& texts, const QFont& font, const QPaintDevice* device) {
  return TitleHeight(texts, font, device) + TableHeight(width, texts, font, device);
}

void DrawDistributionSheet(QPainter& painter, const QRectF& area, const DistributionFigure& figure,
                           const PictureStyle& style, const SheetTexts& texts) {
  painter.save();
  painter.fillRect(area, picture::PaperColour());
  const double title = TitleHeight(texts, style.font, painter.device());
  const double table = TableHeight(area.width(), texts, style.font, painter.device());
  if (title > 0) DrawSheetTitle(painter, area, texts.title, style.font);
  const QRectF picture(QPointF(area.left(), area.top() + title), QPointF(area.right(), area.bottom() - table));
  DrawDistribution(painter, picture, figure, style);
  if (table > 0) {
    painter.setFont(style.font);
    DrawTable(painter, QRectF(QPointF(area.left(), picture.bottom()), area.bottomRight()), texts,
              QFontMetricsF(style.font, painter.device()));
  }
  painter.restore();
}

QSize SheetSize(QSize pictureSize, const SheetTexts& texts, const QFont& font) {
  // Measured on an image, as the picture's own texts are.
  const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  const double extra = SheetExtraHeight(pictureSize.width(), texts, font, &probe);
  return {pictureSize.width(), pictureSize.height() + static_cast<int>(std::ceil(extra))};
}

QString WriteDistributionSheet(const QString& path, bool svg, const DistributionFigure& figure, QSize size,
                               const PictureStyle& style, const SheetTexts& texts) {
  return picture::WritePicture(
      path, svg, size, texts.title, DistributionDescription(figure, style.separators),
      [&](QPainter& painter, const QRectF& area) { DrawDistributionSheet(painter, area, figure, style, texts); });
}

}  // namespace tallowmere::app
