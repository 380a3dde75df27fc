#include "app/ComparePicture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "app/DistributionPicture.h"
#include "app/PictureParts.h"
#include "numtext/NumberText.h"
#include "stats/Distribution.h"
#include "stats/HistogramBins.h"

namespace tallowmere::app {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ComparePicture", text); }

constexpr const char* kNoNumbers = QT_TRANSLATE_NOOP("ComparePicture", "no numbers");
constexpr const char* kNothing = QT_TRANSLATE_NOOP("ComparePicture", "No list has numbers.");

QString Number(double v, const numtext::Separators& separators) {
  return QString::fromStdString(numtext::NumberText(v, separators));
}

// The headings' column: as wide as the widest, up to a third of the area.
double HeadingWidth(const std::vector<CompareFigure>& figures, const QFontMetricsF& metrics, double areaWidth) {
  double widest = 0;
  for (const CompareFigure& f : figures) widest = std::max(widest, metrics.horizontalAdvance(f.heading));
  return std::min(widest, areaWidth / 3);
}

void DrawHeading(QPainter& painter, const QRectF& strip, double left, double width, const QString& text,
                 const QFontMetricsF& metrics) {
  painter.setPen(picture::InkColour());
  const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
  painter.drawText(QPointF(left, strip.center().y() + metrics.ascent() / 2 - metrics.descent() / 2), shown);
}

}  // namespace

std::pair<double, double> SharedSpan(const std::vector<CompareFigure>& figures) {
  bool any = false;
  double low = 0;
  double high = 1;
  for (const CompareFigure& f : figures) {
    if (f.figure.count == 0) continue;
    low = any ? std::min(low, f.figure.minimum) : f.figure.minimum;
    high = any ? std::max(high, f.figure.maximum) : f.figure.maximum;
    any = true;
  }
  if (any && !(high > low)) {
    low -= 0.5;
    high += 0.5;
  }
  return {low, high};
}

namespace {

void DrawBoxPlots(QPainter& painter, const QRectF& area, const std::vector<CompareFigure>& figures, const QFont& font,
                  const numtext::Separators& separators) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(area, picture::PaperColour());
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  const auto [low, high] = SharedSpan(figures);
  const bool any = std::any_of(figures.begin(), figures.end(), [](const CompareFigure& f) { return f.figure.count; });
  const double line = metrics.height();
  const double headingLeft = area.left() + line * 0.8;
  const double headingWidth = HeadingWidth(figures, metrics, area.width());
  picture::Frame frame;
  frame.low = low;
  frame.high = high;
  frame.axisY = area.bottom() - line * 2.0;
  const double top = area.top() + line * 0.5;
  frame.plot = QRectF(QPointF(headingLeft + headingWidth + line, top), QPointF(area.right() - line * 1.2, frame.axisY));
  frame.sheet = area;
  picture::FitValueAxis(frame, metrics, separators);
  if (!any || figures.empty() || frame.plot.width() < 8 || frame.plot.height() < 8) {
    painter.setPen(picture::InkColour());
    painter.drawText(area, Qt::AlignCenter, Tr(kNothing));
    painter.restore();
    return;
  }
  const double strip = std::min(frame.plot.height() / static_cast<double>(figures.size()), line * 4.0);
  // The axis right under the last box, not at the foot of a tall area.
  frame.axisY = std::min(frame.axisY, top + strip * static_cast<double>(figures.size()) + line * 0.3);
  for (std::size_t i = 0; i < figures.size(); ++i) {
    frame.box = QRectF(frame.plot.left(), top + strip * static_cast<double>(i), frame.plot.width(), strip);
    DrawHeading(painter, frame.box, headingLeft, headingWidth, figures[i].heading, metrics);
    if (figures[i].figure.count > 0) {
      picture::DrawBoxStrip(painter, frame, figures[i].figure, metrics);
    } else {
      painter.setPen(picture::InkColour());
      painter.drawText(frame.box, Qt::AlignVCenter | Qt::AlignLeft, Tr(kNoNumbers));
    }
  }
  picture::DrawSharedAxis(painter, frame, metrics, separators);
  painter.restore();
}

}  // namespace

std::vector<CompareFigure> MakeCompareFigures(const std::vector<CompareList>& lists) {
  std::vector<CompareFigure> figures;
  int bins = 1;
  for (const CompareList& list : lists) {
    figures.push_back({list.heading, MakeDistributionFigure(list.sorted, 0, list.mean, list.standardDeviation),
                       list.meanText, list.medianText});
    // Equal bins over the shared span, as many as the list that wants most:
    // a list's bars per value would not stand beside another list's.
    if (!list.sorted.empty()) bins = std::max(bins, AutomaticBinCount(list.sorted));
  }
  const auto [low, high] = SharedSpan(figures);
  for (std::size_t i = 0; i < lists.size(); ++i) {
    DistributionFigure& figure = figures[i].figure;
    if (figure.count == 0) continue;
    figure.low = low;
    figure.high = high;
    figure.binKind = stats::BinKind::kEqual;
    figure.valueStep = 0.0;
    figure.edges = stats::EqualEdges(low, high, bins);
    figure.bins = stats::CountInBins(lists[i].sorted, figure.edges);
  }
  return figures;
}

void DrawComparison(QPainter& painter, const QRectF& area, const std::vector<CompareFigure>& figures, const QFont& font,
                    const numtext::Separators& separators, CompareView view) {
  if (view == CompareView::kBoxPlots) return DrawBoxPlots(painter, area, figures, font, separators);
  painter.save();
  painter.fillRect(area, picture::PaperColour());
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  const double line = metrics.height();
  const double strip = area.height() / static_cast<double>(std::max<std::size_t>(figures.size(), 1));
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const QRectF place(area.left(), area.top() + strip * static_cast<double>(i), area.width(), strip);
    painter.setPen(picture::InkColour());
    painter.drawText(QPointF(place.left() + line * 0.8, place.top() + line * 0.3 + metrics.ascent()),
                     figures[i].heading);
    const QRectF below = place.adjusted(0, line * 1.4, 0, 0);
    if (figures[i].figure.count == 0) {
      painter.drawText(below, Qt::AlignCenter, Tr(kNoNumbers));
      continue;
    }
    DrawDistribution(painter, below, figures[i].figure, {font, separators, figures[i].meanText, figures[i].medianText});
  }
  painter.restore();
}

QString ComparisonDescription(const std::vector<CompareFigure>& figures, const numtext::Separators& separators,
                              CompareView view) {
  QString text = view == CompareView::kBoxPlots
                     ? Tr(QT_TRANSLATE_NOOP("ComparePicture", "Box plots on one axis."))
                     : Tr(QT_TRANSLATE_NOOP("ComparePicture", "Histograms and box plots over one span."));
  const auto n = [&](double v) { return Number(v, separators); };
  for (const CompareFigure& f : figures) {
    text += QLatin1Char(' ');
    if (f.figure.count == 0) {
      text += Tr(QT_TRANSLATE_NOOP("ComparePicture", "%1: no numbers.")).arg(f.heading);
      continue;
    }
    text +=
        Tr(QT_TRANSLATE_NOOP("ComparePicture", "%1: from %2 to %3, first quartile %4, median %5, third quartile %6."))
            .arg(f.heading, n(f.figure.minimum), n(f.figure.maximum), n(f.figure.box.q1), n(f.figure.box.median),
                 n(f.figure.box.q3));
  }
  return text;
}

QImage ComparisonImage(const std::vector<CompareFigure>& figures, QSize size, qreal pixelRatio, const QFont& font,
                       const numtext::Separators& separators, CompareView view) {
  return picture::PictureImage(size, pixelRatio, [&](QPainter& painter, const QRectF& area) {
    DrawComparison(painter, area, figures, font, separators, view);
  });
}

QString WriteComparisonPicture(const QString& path, bool svg, const std::vector<CompareFigure>& figures, QSize size,
                               const QFont& font, const numtext::Separators& separators, CompareView view) {
  return picture::WritePicture(
      path, svg, size, Tr(QT_TRANSLATE_NOOP("ComparePicture", "Comparison")),
      ComparisonDescription(figures, separators, view),
      [&](QPainter& painter, const QRectF& area) { DrawComparison(painter, area, figures, font, separators, view); });
}

}  // namespace tallowmere::app
