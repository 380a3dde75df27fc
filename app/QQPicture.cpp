#include "app/QQPicture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "app/DistributionSheet.h"
#include "app/DropProgress.h"
#include "platform/Language.h"

namespace tallowmere::app {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("QQPicture", text); }

constexpr const char* kNothingAnalysed = QT_TRANSLATE_NOOP("QQPicture", "No numbers analysed yet.");

QString Number(double v, const numtext::Separators& separators) { return picture::PictureNumber(v, separators); }

// A span widened on both sides by `share` of itself, so that the extreme
// points stand clear of the plot's edges; a single value gets a span about
// it. Kept within the double range.
struct Span {
  double low;
  double high;
};
Span Widened(double low, double high, double share) {
  double pad = (high / 2 - low / 2) * (2 * share);
  if (!(pad > 0) || !std::isfinite(pad)) pad = std::isfinite(pad) ? std::max(1.0, std::abs(low) * 0.1) : DBL_MAX;
  return {std::max(-DBL_MAX, low - pad), std::min(DBL_MAX, high + pad)};
}

std::vector<double> SampleTicks(const QQFrame& frame, const QFontMetricsF& metrics) {
  const int most = std::clamp(static_cast<int>(frame.Plot().height() / (metrics.height() * 2.5)), 2, 10);
  return picture::RoundTicks(frame.sampleLow, frame.sampleHigh, most);
}

// The widest label of the sample axis for a plot `height` high.
double SampleLabelWidth(const QQFrame& frame, const QFontMetricsF& metrics, const numtext::Separators& separators) {
  double widest = 0;
  for (double t : SampleTicks(frame, metrics))
    widest = std::max(widest, metrics.horizontalAdvance(Number(t, separators)));
  return widest;
}

void DrawSampleAxis(QPainter& p, const QQFrame& frame, const QFontMetricsF& metrics,
                    const numtext::Separators& separators) {
  const QRectF plot = frame.Plot();
  for (double t : SampleTicks(frame, metrics)) {
    const double y = frame.Y(t);
    p.setPen(QPen(picture::GridColour(), 0));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(picture::InkColour());
    const QString text = Number(t, separators);
    p.drawText(QPointF(plot.left() - metrics.horizontalAdvance(text) - metrics.height() * 0.3,
                       y + metrics.ascent() / 2 - metrics.descent() / 2),
               text);
  }
  p.setPen(QPen(picture::InkColour(), 0));
  p.drawLine(plot.bottomLeft(), plot.topLeft());
}

// "Normal quantiles" under the horizontal axis's labels, "Sample quantiles"
// turned up left of the vertical axis's.
void DrawAxisTitles(QPainter& p, const QRectF& area, const QQFrame& frame, const QFontMetricsF& metrics) {
  p.setPen(picture::InkColour());
  const double line = metrics.height();
  const QRectF plot = frame.Plot();
  const QString across = Tr(QT_TRANSLATE_NOOP("QQPicture", "Normal quantiles"));
  p.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(across) / 2,
                     frame.axis.axisY + line * 1.4 + metrics.ascent()),
             across);
  const QString up = metrics.elidedText(Tr(QT_TRANSLATE_NOOP("QQPicture", "Sample quantiles")), Qt::ElideRight,
                                        std::max(line, area.height() - line));
  p.save();
  p.translate(
      area.left() + line * 0.4 + metrics.ascent(),
      std::max(area.top() + metrics.horizontalAdvance(up), plot.center().y() + metrics.horizontalAdvance(up) / 2));
  p.rotate(-90);
  p.drawText(QPointF(0, 0), up);
  p.restore();
}

// The line through the quartiles across the plot, clipped to it.
void DrawLine(QPainter& p, const QQFrame& frame, const QQFigure& figure) {
  const stats::NormalQQLine& line = figure.line;
  if (!std::isfinite(line.slope) || !std::isfinite(line.intercept)) return;
  const double from = frame.axis.low;
  const double to = frame.axis.high;
  p.save();
  p.setClipRect(frame.Plot());
  p.setPen(QPen(picture::InkColour(), 1.2));
  p.drawLine(QPointF(frame.X(from), frame.Y(line.intercept + line.slope * from)),
             QPointF(frame.X(to), frame.Y(line.intercept + line.slope * to)));
  p.restore();
}

// Small rings where they are few enough to tell apart; dots where they
// crowd.
void DrawPoints(QPainter& p, const QQFrame& frame, const QQFigure& figure, const QFontMetricsF& metrics) {
  const bool crowded = static_cast<double>(figure.points.size()) > frame.Plot().width() / 2;
  const double r = crowded ? 1.6 : std::max(2.0, metrics.height() * 0.16);
  p.setPen(crowded ? Qt::NoPen : QPen(picture::AccentColour(), 1.1));
  p.setBrush(crowded ? QBrush(picture::AccentColour()) : QBrush(Qt::NoBrush));
  for (const stats::QQPoint& point : figure.points)
    p.drawEllipse(QPointF(frame.X(point.theoretical), frame.Y(point.sample)), r, r);
  p.setBrush(Qt::NoBrush);
}

// Wraps each line to `width`; answers the height they take.
double LinesHeight(const QStringList& lines, double width, const QFontMetricsF& metrics) {
  if (lines.isEmpty()) return 0;
  double height = metrics.height() * 0.6;
  for (const QString& text : lines)
    height += metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height() + metrics.height() * 0.3;
  return height;
}

double LinesWidth(double areaWidth, const QFontMetricsF& metrics) {
  return std::max(metrics.height(), areaWidth - metrics.height() * 2);
}

void DrawLines(QPainter& p, const QRectF& place, const QStringList& lines, const QFontMetricsF& metrics) {
  const double width = LinesWidth(place.width(), metrics);
  double y = place.top() + metrics.height() * 0.3;
  p.setPen(picture::InkColour());
  for (const QString& text : lines) {
    const QRectF box = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    p.drawText(QRectF(place.left() + metrics.height(), y, width, box.height()), Qt::TextWordWrap, text);
    y += box.height() + metrics.height() * 0.3;
  }
}

}  // namespace

QQFigure MakeQQFigure(std::span<const double> sorted, std::size_t most) {
  QQFigure figure;
  figure.count = sorted.size();
  if (sorted.empty()) return figure;
  figure.points = stats::NormalQQPoints(sorted, std::max<std::size_t>(most, 2));
  figure.line = stats::QQLineOf(sorted);
  figure.lowTheoretical = figure.points.front().theoretical;
  figure.highTheoretical = figure.points.back().theoretical;
  figure.lowSample = sorted.front();
  figure.highSample = sorted.back();
  return figure;
}

QQFrame QQFrameOf(const QRectF& area, const QQFigure& figure, const QFontMetricsF& metrics,
                  const numtext::Separators& separators) {
  QQFrame frame;
  const Span across = Widened(figure.lowTheoretical, figure.highTheoretical, 0.04);
  const Span up = Widened(figure.lowSample, figure.highSample, 0.05);
  frame.axis.low = across.low;
  frame.axis.high = across.high;
  frame.axis.sheet = area;
  frame.sampleLow = up.low;
  frame.sampleHigh = up.high;
  const double line = metrics.height();
  const double top = area.top() + line;
  // The labels, then the axis's title under them, as in the histogram.
  const double bottom = area.bottom() - line * 1.4 - line * 1.2 - line * 0.4;
  frame.axis.plot = QRectF(QPointF(area.left(), top), QPointF(area.right(), std::max(top + 1, bottom)));
  const double labels = SampleLabelWidth(frame, metrics, separators);
  const double left = area.left() + line * 0.4 + line * 1.2 + labels + line * 0.4;
  frame.axis.plot.setLeft(std::min(left, area.right() - line * 2));
  frame.axis.plot.setRight(std::max(frame.axis.plot.left() + 1, area.right() - line * 1.2));
  frame.axis.axisY = frame.axis.plot.bottom();
  frame.axis.box = QRectF(frame.axis.plot.bottomLeft(), frame.axis.plot.bottomRight());
  picture::FitValueAxis(frame.axis, metrics, separators);
  return frame;
}

void DrawQQ(QPainter& painter, const QRectF& area, const QQFigure& figure, const PictureStyle& style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(area, picture::PaperColour());
  painter.setFont(style.font);
  const QFontMetricsF metrics(style.font, painter.device());
  if (figure.count == 0) {
    painter.setPen(picture::InkColour());
    painter.drawText(area, Qt::AlignCenter, Tr(kNothingAnalysed));
    painter.restore();
    return;
  }
  const QQFrame frame = QQFrameOf(area, figure, metrics, style.separators);
  if (frame.Plot().width() > 8 && frame.Plot().height() > 8) {
    DrawSampleAxis(painter, frame, metrics, style.separators);
    // The line over the points: it stays whole where they crowd on it.
    DrawPoints(painter, frame, figure, metrics);
    DrawLine(painter, frame, figure);
    picture::DrawSharedAxis(painter, frame.axis, metrics, style.separators);
    DrawAxisTitles(painter, area, frame, metrics);
  }
  painter.restore();
}

QString QQDescription(const QQFigure& f, const numtext::Separators& separators) {
  if (f.count == 0) return Tr(kNothingAnalysed);
  const auto n = [&](double v) { return Number(v, separators); };
  return platform::CountText("QQPicture",
                             "Normal Q-Q plot of %1 number: the values from %2 to %3 against the normal quantiles "
                             "from %4 to %5, with the line through the quartiles (intercept %6, slope %7).",
                             QT_TRANSLATE_N_NOOP("QQPicture",
                                                 "Normal Q-Q plot of %1 numbers: the values from %2 to %3 against the "
                                                 "normal quantiles from %4 to %5, with the line through the quartiles "
                                                 "(intercept %6, slope %7)."),
                             f.count, GroupedCount(f.count))
      .arg(n(f.lowSample), n(f.highSample), n(f.lowTheoretical), n(f.highTheoretical), n(f.line.intercept),
           n(f.line.slope));
}

QSize QQSheetSize(QSize plotSize, const QQSheet& sheet, const QFont& font) {
  // Measured on an image, as the picture's own texts are.
  const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  const QFontMetricsF metrics(font, &probe);
  const double extra = SheetTitleHeight(sheet.title, font, &probe) +
                       LinesHeight(sheet.lines, LinesWidth(plotSize.width(), metrics), metrics);
  return {plotSize.width(), plotSize.height() + static_cast<int>(std::ceil(extra))};
}

void DrawQQSheet(QPainter& painter, const QRectF& area, const QQFigure& figure, const PictureStyle& style,
                 const QQSheet& sheet) {
  painter.save();
  painter.fillRect(area, picture::PaperColour());
  const QFontMetricsF metrics(style.font, painter.device());
  const double title = SheetTitleHeight(sheet.title, style.font, painter.device());
  const double lines = LinesHeight(sheet.lines, LinesWidth(area.width(), metrics), metrics);
  if (title > 0) DrawSheetTitle(painter, area, sheet.title, style.font);
  const QRectF plot(QPointF(area.left(), area.top() + title), QPointF(area.right(), area.bottom() - lines));
  DrawQQ(painter, plot, figure, style);
  if (lines > 0) {
    painter.setFont(style.font);
    DrawLines(painter, QRectF(QPointF(area.left(), plot.bottom()), area.bottomRight()), sheet.lines, metrics);
  }
  painter.restore();
}

QImage QQImage(const QQFigure& figure, QSize size, qreal pixelRatio, const PictureStyle& style, const QQSheet& sheet) {
  return picture::PictureImage(size, pixelRatio, [&](QPainter& painter, const QRectF& area) {
    DrawQQSheet(painter, area, figure, style, sheet);
  });
}

QString WriteQQPicture(const QString& path, bool svg, const QQFigure& figure, QSize size, const PictureStyle& style,
                       const QQSheet& sheet, const QString& description) {
  const QString title = sheet.title.isEmpty() ? Tr(QT_TRANSLATE_NOOP("QQPicture", "Normal Q-Q plot")) : sheet.title;
  return picture::WritePicture(path, svg, size, title, description, [&](QPainter& painter, const QRectF& area) {
    DrawQQSheet(painter, area, figure, style, sheet);
  });
}

}  // namespace tallowmere::app
