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
#include <optional>
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

QString Number(double v, const numtext::Separators& separators) { return picture::PictureNumber(v, separators); }

std::vector<double> CountTicks(double countTop) { return picture::RoundTicks(0, countTop, 5, 1.0); }

using picture::Frame;

// No normal curve over a logarithmic axis: its bins' widths differ.
bool HasCurve(const DistributionFigure& f) { return f.standardDeviation && !f.Logarithmic(); }

double CurvePeak(const DistributionFigure& f) {
  if (!HasCurve(f)) return 0.0;
  return static_cast<double>(f.count) * f.BinWidth() / (*f.standardDeviation * std::sqrt(2.0 * std::numbers::pi));
}

void SetCountTop(Frame& frame, const DistributionFigure& f) {
  const double tallest = std::max(static_cast<double>(f.TallestBin()), CurvePeak(f));
  const double step = std::max(1.0, picture::RoundStep(tallest, 5));
  frame.countTop = std::max(step, std::ceil(tallest / step) * step);
}

Frame Arrange(const QRectF& area, const DistributionFigure& f, const QFontMetricsF& metrics,
              const numtext::Separators& separators, double legendHeight) {
  Frame frame;
  frame.low = f.low;
  frame.high = f.high;
  frame.logarithmic = f.Logarithmic();
  frame.valueStep = f.binKind == stats::BinKind::kValues ? f.valueStep : 0.0;
  frame.sheet = area;
  SetCountTop(frame, f);
  double labelWidth = 0;
  for (double t : CountTicks(frame.countTop))
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Number(t, separators)));
  const double line = metrics.height();
  // The count axis's title stands turned up beside its labels.
  const double left = area.left() + line * 0.4 + line * 1.2 + labelWidth + line * 0.4;
  const double right = area.right() - line * 1.2;
  const double top = area.top() + line * 0.5 + legendHeight + line * 0.7;  // the legend above
  // The labels, then the axis's title under them.
  const double axisTextHeight = line * 1.4 + line * 1.2;
  const double bottom = area.bottom() - axisTextHeight - line * 0.4;
  const double boxHeight = std::clamp((bottom - top) * 0.2, line * 1.6, line * 4.0);
  frame.axisY = bottom;
  frame.box = QRectF(QPointF(left, bottom - boxHeight), QPointF(right, bottom));
  frame.plot = QRectF(QPointF(left, top), QPointF(right, frame.box.top() - line * 0.5));
  picture::FitValueAxis(frame, metrics, separators);
  return frame;
}

void DrawCountAxis(QPainter& p, const Frame& frame, const QFontMetricsF& metrics,
                   const numtext::Separators& separators) {
  for (double t : CountTicks(frame.countTop)) {
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

// "Value" under the value axis's labels, "Count" turned up left of the
// count axis's.
void DrawAxisTitles(QPainter& p, const QRectF& area, const Frame& frame, const QFontMetricsF& metrics) {
  p.setPen(kInk);
  const double line = metrics.height();
  const QString value = Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Value"));
  p.drawText(QPointF(frame.plot.center().x() - metrics.horizontalAdvance(value) / 2,
                     frame.axisY + line * 1.4 + metrics.ascent()),
             value);
  const QString count = Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Count"));
  p.save();
  p.translate(area.left() + line * 0.4 + metrics.ascent(),
              frame.plot.center().y() + metrics.horizontalAdvance(count) / 2);
  p.rotate(-90);
  p.drawText(QPointF(0, 0), count);
  p.restore();
}

void DrawBars(QPainter& p, const Frame& frame, const DistributionFigure& f) {
  const double narrowest = frame.plot.width() / static_cast<double>(f.bins.size());
  // Narrow bars without edges: the edges would hide the fill.
  p.setPen(narrowest >= 4 ? QPen(kBarEdge, 0) : Qt::NoPen);
  p.setBrush(narrowest >= 4 ? kBarFill : kBarEdge);
  for (std::size_t b = 0; b < f.bins.size(); ++b) {
    if (f.bins[b] == 0) continue;
    const double y = frame.Y(static_cast<double>(f.bins[b]));
    p.drawRect(QRectF(QPointF(frame.X(f.edges[b]), y), QPointF(frame.X(f.edges[b + 1]), frame.plot.bottom())));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 0));
  p.drawLine(frame.plot.bottomLeft(), frame.plot.bottomRight());
}

void DrawCurve(QPainter& p, const Frame& frame, const DistributionFigure& f) {
  if (!HasCurve(f)) return;
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
  // Without the outliers the mean may lie off the span shown.
  if (f.mean && *f.mean >= frame.low && *f.mean <= frame.high) {
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

// "2 beyond", starting at x (`rightward`) or ending there, above the box
// strip's middle.
void BeyondLabel(QPainter& p, const Frame& frame, const QFontMetricsF& metrics, double x, std::size_t count,
                 bool rightward) {
  const QString text = Tr(QT_TRANSLATE_NOOP("DistributionPicture", "%1 beyond")).arg(GroupedCount(count));
  const double w = metrics.horizontalAdvance(text);
  p.drawText(QPointF(rightward ? x : x - w, frame.box.top() + metrics.ascent() * 0.9), text);
}

// The outliers left out of the span: an arrow at each end that has some,
// pointing off the axis, with their count.
void DrawBeyondEnds(QPainter& p, const Frame& frame, const DistributionFigure& f, const QFontMetricsF& metrics) {
  const double mid = frame.box.center().y();
  const double size = metrics.height() * 0.35;
  p.setBrush(kInk);
  const auto arrow = [&](double tip, double direction) {
    const QPointF points[] = {
        {tip, mid}, {tip - direction * size * 1.5, mid - size}, {tip - direction * size * 1.5, mid + size}};
    p.drawPolygon(points, 3);
  };
  // Just off the axis's ends, clear of the whiskers that may stand on them.
  const double gap = size * 2;
  if (f.lowBeyond > 0) {
    arrow(frame.plot.left() - gap, -1);
    BeyondLabel(p, frame, metrics, frame.plot.left() + size * 2, f.lowBeyond, true);
  }
  if (f.highBeyond > 0) {
    arrow(frame.plot.right() + gap, 1);
    BeyondLabel(p, frame, metrics, frame.plot.right() - size * 2, f.highBeyond, false);
  }
  p.setBrush(Qt::NoBrush);
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
  if (f.withoutOutliers) return DrawBeyondEnds(p, frame, f, metrics);
  if (!f.outliersCapped) return;
  // Too many to draw: the extremes stand for them, with their counts.
  if (!f.lowOutliers.empty())
    BeyondLabel(p, frame, metrics, frame.X(f.lowOutliers.front()) + r * 2, f.box.lowOutliers, true);
  if (!f.highOutliers.empty())
    BeyondLabel(p, frame, metrics, frame.X(f.highOutliers.back()) - r * 2, f.box.highOutliers, false);
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
  if (HasCurve(f)) items.push_back({Tr(QT_TRANSLATE_NOOP("DistributionPicture", "Normal curve")), QPen(kCurve, 2.0)});
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

picture::Frame DistributionFrame(const QRectF& area, const DistributionFigure& figure, const PictureStyle& style,
                                 const QFontMetricsF& metrics) {
  const double line = metrics.height();
  const double legendHeight =
      Legend(nullptr, LegendItems(figure, style), area.left() + line, area.right() - line, 0, metrics);
  return Arrange(area, figure, metrics, style.separators, legendHeight);
}

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
  const double line = metrics.height();
  const Frame frame = DistributionFrame(area, figure, style, metrics);
  if (frame.plot.width() > 8 && frame.plot.height() > 8) {
    DrawCountAxis(painter, frame, metrics, style.separators);
    DrawBars(painter, frame, figure);
    DrawCurve(painter, frame, figure);
    DrawBox(painter, frame, figure, metrics);
    DrawMarks(painter, frame, figure);
    picture::DrawSharedAxis(painter, frame, metrics, style.separators);
    DrawAxisTitles(painter, area, frame, metrics);
    Legend(&painter, LegendItems(figure, style), area.left() + line, area.right() - line, area.top() + line * 0.5,
           metrics);
  }
  painter.restore();
}

std::optional<std::size_t> BinUnder(const QRectF& area, const DistributionFigure& figure, const PictureStyle& style,
                                    const QFontMetricsF& metrics, QPointF point) {
  if (figure.count == 0 || figure.bins.empty()) return std::nullopt;
  const Frame frame = DistributionFrame(area, figure, style, metrics);
  // The whole column above a bar: a short bar is as easy to point at as a
  // tall one.
  if (point.y() < frame.plot.top() || point.y() > frame.plot.bottom()) return std::nullopt;
  for (std::size_t b = 0; b < figure.bins.size(); ++b)
    if (point.x() >= frame.X(figure.edges[b]) && point.x() < frame.X(figure.edges[b + 1])) return b;
  return std::nullopt;
}

// An edge of a bin `width` wide, to a tenth of the width's first digit and
// no finer: "60 to 65", not "60.0000000000001 to 65".
QString BinEdgeText(double v, double width, const numtext::Separators& separators) {
  if (!(width > 0) || !std::isfinite(width)) return Number(v, separators);
  const double decimals = std::max(0.0, 1.0 - std::floor(std::log10(width)));
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::round(v * scale) / scale;
  return Number(std::isfinite(rounded) ? rounded : v, separators);
}

QString BinText(const DistributionFigure& f, std::size_t bin, const numtext::Separators& separators) {
  const std::size_t count = f.bins[bin];
  const QString numbers =
      platform::CountText("DistributionPicture", "%1 number", QT_TRANSLATE_N_NOOP("DistributionPicture", "%1 numbers"),
                          count, GroupedCount(count));
  if (f.binKind == stats::BinKind::kValues) {
    const double value = f.low + f.valueStep * (static_cast<double>(bin) + 0.5);
    return Tr(QT_TRANSLATE_NOOP("DistributionPicture", "%1: %2")).arg(Number(value, separators), numbers);
  }
  const double low = f.edges[bin];
  const double high = f.edges[bin + 1];
  return Tr(QT_TRANSLATE_NOOP("DistributionPicture", "%1 to %2: %3"))
      .arg(BinEdgeText(low, high - low, separators), BinEdgeText(high, high - low, separators), numbers);
}

namespace {

// Up to this many bins the description lists every one; beyond, it names
// the fullest.
constexpr std::size_t kBinsListed = 60;

QString BinsDescription(const DistributionFigure& f, const numtext::Separators& separators) {
  if (f.bins.empty()) return QString();
  QString text =
      platform::CountText("DistributionPicture", " %1 bin: ", QT_TRANSLATE_N_NOOP("DistributionPicture", " %1 bins: "),
                          f.bins.size(), GroupedCount(f.bins.size()));
  if (f.bins.size() > kBinsListed) {
    const auto fullest = static_cast<std::size_t>(std::max_element(f.bins.begin(), f.bins.end()) - f.bins.begin());
    return text + Tr(QT_TRANSLATE_NOOP("DistributionPicture", "the fullest %1.")).arg(BinText(f, fullest, separators));
  }
  for (std::size_t b = 0; b < f.bins.size(); ++b)
    text += BinText(f, b, separators) + (b + 1 < f.bins.size() ? QStringLiteral("; ") : QStringLiteral("."));
  return text;
}

}  // namespace

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
  if (f.withoutOutliers && outliers > 0)
    text += Tr(QT_TRANSLATE_NOOP("DistributionPicture", " The histogram leaves them out."));
  return text + BinsDescription(f, separators);
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
QColor GridColour() { return kGrid; }
QColor AccentColour() { return kBarEdge; }

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
