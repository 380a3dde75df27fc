#include "app/DistributionPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "app/DropProgress.h"
#include "app/PictureParts.h"
#include "numtext/NumberText.h"
#include "platform/Language.h"
#include "platform/WholeFile.h"

namespace tallowmere::app {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("DistributionPicture", text); }

constexpr const char* kNothingAnalysed = QT_TRANSLATE_NOOP("DistributionPicture", "No numbers analysed yet.");

// Colours chosen to read on the white sheet and apart from each other for
// the common kinds of colour blindness (blue bars, vermilion curve and mean,
// bluish green median).
const QColor kPaper(Qt::white);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kGrid(0xdd, 0xdd, 0xdd);
const QColor kBarFill(0x9e, 0xc3, 0xe6);
const QColor kBarEdge(0x2b, 0x5d, 0x8c);
const QColor kCurve(0xc8, 0x3e, 0x12);
const QColor kMedian(0x00, 0x7a, 0x5e);
const QColor kBoxFill(0xf3, 0xe2, 0xb8);

QString Number(double v, const numtext::Separators& separators) {
  return QString::fromStdString(numtext::NumberText(v, separators));
}

// Round steps of 1, 2 or 5 times a power of ten, about `most` of them over
// `span`.
double TickStep(double span, int most) {
  if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
  const double rough = span / most;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0})
    if (factor * power >= rough) return factor * power;
  return 10.0 * power;
}

// `smallest`: the finest step wanted (1 for counts, which are whole).
std::vector<double> Ticks(double low, double high, int most, double smallest = 0.0) {
  // The span of two extreme numbers may overflow; half of it never does.
  const double span = high - low;
  const double step =
      std::max(smallest, std::isfinite(span) ? TickStep(span, most) : 2 * TickStep(high / 2 - low / 2, most));
  std::vector<double> ticks;
  for (double k = std::ceil(low / step); k * step <= high + step * 1e-9 && ticks.size() < 64; k += 1.0)
    ticks.push_back(std::abs(k) < 0.5 ? 0.0 : k * step);
  return ticks;
}

using picture::Frame;

double CurvePeak(const DistributionFigure& f) {
  if (!f.standardDeviation) return 0.0;
  return static_cast<double>(f.count) * f.BinWidth() / (*f.standardDeviation * std::sqrt(2.0 * std::numbers::pi));
}

Frame Arrange(const QRectF& area, const DistributionFigure& f, const QFontMetricsF& metrics,
              const numtext::Separators& separators, double legendHeight) {
  Frame frame;
  frame.low = f.low;
  frame.high = f.high;
  const double tallest = std::max(static_cast<double>(f.TallestBin()), CurvePeak(f));
  const double step = std::max(1.0, TickStep(tallest, 5));
  frame.countTop = std::max(step, std::ceil(tallest / step) * step);
  double labelWidth = 0;
  for (double t : Ticks(0, frame.countTop, 5, 1.0))
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Number(t, separators)));
  const double line = metrics.height();
  const double left = area.left() + line * 0.8 + labelWidth;
  const double right = area.right() - line * 1.2;
  const double top = area.top() + line * 0.5 + legendHeight + line * 0.7;  // the legend above
  const double axisTextHeight = line * 1.6;
  const double bottom = area.bottom() - axisTextHeight - line * 0.4;
  const double boxHeight = std::clamp((bottom - top) * 0.2, line * 1.6, line * 4.0);
  frame.axisY = bottom;
  frame.box = QRectF(QPointF(left, bottom - boxHeight), QPointF(right, bottom));
  frame.plot = QRectF(QPointF(left, top), QPointF(right, frame.box.top() - line * 0.5));
  return frame;
}

void DrawCountAxis(QPainter& p, const Frame& frame, const QFontMetricsF& metrics,
                   const numtext::Separators& separators) {
  for (double t : Ticks(0, frame.countTop, 5, 1.0)) {
    const double y = frame.Y(t);
    p.setPen(QPen(kGrid, 0));
    p.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
    p.setPen(kInk);
    const QString text = Number(t, separators);
    p.drawText(QPointF(frame.plot.left() - metrics.horizontalAdvance(text) - metrics.height() * 0.3,
                       y + metrics.ascent() / 2 - metrics.descent() / 2),
               text);
  }
}

void DrawValueAxis(QPainter& p, const Frame& frame, const QFontMetricsF& metrics,
                   const numtext::Separators& separators) {
  p.setPen(QPen(kInk, 0));
  p.drawLine(QPointF(frame.plot.left(), frame.axisY), QPointF(frame.plot.right(), frame.axisY));
  // As many labels as fit side by side.
  double widest = std::max(metrics.horizontalAdvance(Number(frame.low, separators)),
                           metrics.horizontalAdvance(Number(frame.high, separators)));
  const int most = std::clamp(static_cast<int>(frame.plot.width() / (widest + metrics.height() * 2)), 2, 10);
  std::vector<double> ticks = Ticks(frame.low, frame.high, most);
  for (double t : ticks) widest = std::max(widest, metrics.horizontalAdvance(Number(t, separators)));
  const double tick = metrics.height() * 0.3;
  double lastRight = -1e300;
  for (double t : ticks) {
    const double x = frame.X(t);
    p.drawLine(QPointF(x, frame.axisY), QPointF(x, frame.axisY + tick));
    const QString text = Number(t, separators);
    const double w = metrics.horizontalAdvance(text);
    if (x - w / 2 < lastRight + metrics.height() * 0.5) continue;
    p.drawText(QPointF(x - w / 2, frame.axisY + tick + metrics.ascent()), text);
    lastRight = x + w / 2;
  }
}

void DrawBars(QPainter& p, const Frame& frame, const DistributionFigure& f) {
  const double width = frame.plot.width() / static_cast<double>(f.bins.size());
  // Narrow bars without edges: the edges would hide the fill.
  p.setPen(width >= 4 ? QPen(kBarEdge, 0) : Qt::NoPen);
  p.setBrush(width >= 4 ? kBarFill : kBarEdge);
  for (std::size_t b = 0; b < f.bins.size(); ++b) {
    if (f.bins[b] == 0) continue;
    const double x = frame.plot.left() + width * static_cast<double>(b);
    const double y = frame.Y(static_cast<double>(f.bins[b]));
    p.drawRect(QRectF(QPointF(x, y), QPointF(x + width, frame.plot.bottom())));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 0));
  p.drawLine(frame.plot.bottomLeft(), frame.plot.bottomRight());
}

void DrawCurve(QPainter& p, const Frame& frame, const DistributionFigure& f) {
  if (!f.standardDeviation) return;
  const double mean = *f.mean;
  const double sd = *f.standardDeviation;
  const double peak = CurvePeak(f);
  const int points = std::clamp(static_cast<int>(frame.plot.width() / 2), 16, 600);
  QPainterPath path;
  for (int i = 0; i <= points; ++i) {
    const double v = frame.low + (frame.high - frame.low) * i / points;
    const double z = (v - mean) / sd;
    const QPointF at(frame.X(v), frame.Y(peak * std::exp(-0.5 * z * z)));
    if (i == 0)
      path.moveTo(at);
    else
      path.lineTo(at);
  }
  p.save();
  p.setClipRect(frame.plot.adjusted(0, -2, 0, 0));
  p.setPen(QPen(kCurve, 2.0));
  p.drawPath(path);
  p.restore();
}

// The mean and the median: lines through the histogram and the box strip.
void DrawMarks(QPainter& p, const Frame& frame, const DistributionFigure& f) {
  if (f.mean) {
    const double x = frame.X(*f.mean);
    p.setPen(QPen(kCurve, 1.5, Qt::DashLine));
    p.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.box.bottom()));
  }
  const double x = frame.X(f.box.median);
  p.setPen(QPen(kMedian, 2.0));
  p.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.plot.bottom()));
}

void DrawOutlier(QPainter& p, const Frame& frame, double v, double r) {
  p.drawEllipse(QPointF(frame.X(v), frame.box.center().y()), r, r);
}

void DrawBox(QPainter& p, const Frame& frame, const DistributionFigure& f, const QFontMetricsF& metrics) {
  const double mid = frame.box.center().y();
  const double half = frame.box.height() * 0.3;
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(frame.X(f.box.lowWhisker), mid), QPointF(frame.X(f.box.q1), mid));
  p.drawLine(QPointF(frame.X(f.box.q3), mid), QPointF(frame.X(f.box.highWhisker), mid));
  for (double w : {f.box.lowWhisker, f.box.highWhisker})
    p.drawLine(QPointF(frame.X(w), mid - half / 2), QPointF(frame.X(w), mid + half / 2));
  p.setBrush(kBoxFill);
  p.drawRect(QRectF(QPointF(frame.X(f.box.q1), mid - half), QPointF(frame.X(f.box.q3), mid + half)));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kMedian, 2.5));
  p.drawLine(QPointF(frame.X(f.box.median), mid - half), QPointF(frame.X(f.box.median), mid + half));

  const double r = std::max(2.0, metrics.height() * 0.15);
  p.setPen(QPen(kInk, 1.0));
  for (double v : f.lowOutliers) DrawOutlier(p, frame, v, r);
  for (double v : f.highOutliers) DrawOutlier(p, frame, v, r);
  if (!f.outliersCapped) return;
  // Too many to draw: the extremes stand for them, with their counts.
  const auto label = [&](double v, std::size_t count, bool left) {
    const QString text = Tr(QT_TRANSLATE_NOOP("DistributionPicture", "%1 beyond")).arg(GroupedCount(count));
    const double w = metrics.horizontalAdvance(text);
    const double x = left ? frame.X(v) + r * 2 : frame.X(v) - r * 2 - w;
    p.drawText(QPointF(x, frame.box.top() + metrics.ascent() * 0.9), text);
  };
  if (!f.lowOutliers.empty()) label(f.lowOutliers.front(), f.box.lowOutliers, true);
  if (!f.highOutliers.empty()) label(f.highOutliers.back(), f.box.highOutliers, false);
}

struct LegendItem {
  QString text;
  QPen pen;
};

std::vector<LegendItem> LegendItems(const DistributionFigure& f, const PictureStyle& style) {
  const auto shown = [&](const QString& text, double v) { return text.isEmpty() ? Number(v, style.separators) : text; };
  std::vector<LegendItem> items;
  items.push_back({Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Numbers per bin (%1 bins)")).arg(f.bins.size()),
                   QPen(kBarFill, 6)});
  if (f.standardDeviation)
    items.push_back({Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Normal curve")), QPen(kCurve, 2.0)});
  if (f.mean)
    items.push_back({Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Mean %1")).arg(shown(style.meanText, *f.mean)),
                     QPen(kCurve, 1.5, Qt::DashLine)});
  items.push_back({Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Median %1")).arg(shown(style.medianText, f.box.median)),
                   QPen(kMedian, 2.0)});
  return items;
}

// Lays the legend out in rows from `left` to `right`, starting at `top`;
// draws it when `painter` is given. Answers the height it takes.
double Legend(QPainter* p, const std::vector<LegendItem>& items, double left, double right, double top,
              const QFontMetricsF& metrics) {
  const double line = metrics.height();
  double x = left;
  double y = top;
  for (const LegendItem& item : items) {
    const double need = line * 1.6 + metrics.horizontalAdvance(item.text) + line;
    if (x + need > right && x > left) {
      x = left;
      y += line * 1.3;
    }
    if (p) {
      p->setPen(item.pen);
      p->drawLine(QPointF(x, y + line / 2), QPointF(x + line * 1.2, y + line / 2));
      p->setPen(kInk);
      p->drawText(QPointF(x + line * 1.6, y + metrics.ascent()), item.text);
    }
    x += need;
  }
  return y + line * 1.3 - top;
}

}  // namespace

void DrawDistribution(QPainter& painter, const QRectF& area, const DistributionFigure& figure,
                      const PictureStyle& style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(area, kPaper);
  painter.setFont(style.font);
  const QFontMetricsF metrics(style.font, painter.device());
  if (figure.count == 0 || figure.bins.empty()) {
    painter.setPen(kInk);
    painter.drawText(area, Qt::AlignCenter, Tr(kNothingAnalysed));
    painter.restore();
    return;
  }
  const std::vector<LegendItem> legend = LegendItems(figure, style);
  const double line = metrics.height();
  const double legendLeft = area.left() + line;
  const double legendHeight = Legend(nullptr, legend, legendLeft, area.right() - line, 0, metrics);
  const Frame frame = Arrange(area, figure, metrics, style.separators, legendHeight);
  if (frame.plot.width() > 8 && frame.plot.height() > 8) {
    DrawCountAxis(painter, frame, metrics, style.separators);
    DrawBars(painter, frame, figure);
    DrawCurve(painter, frame, figure);
    DrawBox(painter, frame, figure, metrics);
    DrawMarks(painter, frame, figure);
    DrawValueAxis(painter, frame, metrics, style.separators);
    Legend(&painter, legend, legendLeft, area.right() - line, area.top() + line * 0.5, metrics);
  }
  painter.restore();
}

QString DistributionDescription(const DistributionFigure& f, const numtext::Separators& separators) {
  if (f.count == 0) return Tr(kNothingAnalysed);
  const auto n = [&](double v) { return Number(v, separators); };
  QString text = platform::CountText("DistributionPicture",
                                     "Histogram and box plot of %1 number from %2 to %3; first quartile %4, median %5, "
                                     "third quartile %6.",
                                     QT_TRANSLATE_N_NOOP("DistributionPicture",
                                                         "Histogram and box plot of %1 numbers from %2 to %3; first "
                                                         "quartile %4, median %5, third quartile %6."),
                                     f.count, GroupedCount(f.count))
                     .arg(n(f.minimum), n(f.maximum), n(f.box.q1), n(f.box.median), n(f.box.q3));
  const std::size_t outliers = f.box.lowOutliers + f.box.highOutliers;
  if (outliers > 0)
    text += platform::CountText("DistributionPicture", " %1 value lies beyond the whiskers.",
                                QT_TRANSLATE_N_NOOP("DistributionPicture", " %1 values lie beyond the whiskers."),
                                outliers, GroupedCount(outliers));
  return text;
}

QImage DistributionImage(const DistributionFigure& figure, QSize size, qreal pixelRatio, const PictureStyle& style) {
  return picture::PictureImage(
      size, pixelRatio, [&](QPainter& painter, const QRectF& area) { DrawDistribution(painter, area, figure, style); });
}

QString WriteDistributionPicture(const QString& path, bool svg, const DistributionFigure& figure, QSize size,
                                 const PictureStyle& style) {
  return picture::WritePicture(
      path, svg, size, Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Distribution")),
      DistributionDescription(figure, style.separators),
      [&](QPainter& painter, const QRectF& area) { DrawDistribution(painter, area, figure, style); });
}

namespace picture {

QColor PaperColour() { return kPaper; }
QColor InkColour() { return kInk; }

void DrawSharedAxis(QPainter& painter, const Frame& frame, const QFontMetricsF& metrics,
                    const numtext::Separators& separators) {
  DrawValueAxis(painter, frame, metrics, separators);
}

void DrawBoxStrip(QPainter& painter, const Frame& frame, const DistributionFigure& figure,
                  const QFontMetricsF& metrics) {
  DrawBox(painter, frame, figure, metrics);
}

QImage PictureImage(QSize size, qreal pixelRatio, const Drawing& draw) {
  QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(kPaper);
  QPainter painter(&image);
  draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return image;
}

QString WritePicture(const QString& path, bool svg, QSize size, const QString& title, const QString& description,
                     const Drawing& draw) {
  platform::WholeFileWriter file(path);
  if (!file.Open()) return file.Reason();
  if (svg) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file.Device());
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    // Logical pixels, as on the screen: the fonts keep their size there.
    generator.setResolution(96);
    generator.setTitle(title);
    generator.setDescription(description);
    QPainter painter;
    if (!painter.begin(&generator)) return QCoreApplication::translate("DistributionPicture", "the drawing failed");
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
  } else {
    // Encoded in memory first: the image writer tells no write failure
    // apart from its own, and the file's write then says why it failed.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !PictureImage(size, 1.0, draw).save(&buffer, "PNG"))
      return QCoreApplication::translate("DistributionPicture", "the picture could not be encoded");
    if (!file.Write(png)) return file.Reason();
  }
  if (!file.Commit()) return file.Reason();
  return QString();
}

}  // namespace picture

}  // namespace tallowmere::app
