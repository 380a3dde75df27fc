// The normal Q-Q plot drawn offscreen: its extreme points near the plot's
// corners, the reference line through the quartiles as drawn, and no text
// cut off at the picture's edges, at any span, width and scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/PictureParts.h"
#include "app/QQPicture.h"

using namespace tallowmere;
using namespace tallowmere::app;

namespace {

// The standard normal's quartiles.
constexpr double kLowerQuartileZ = -0.6744897501960817;
constexpr double kUpperQuartileZ = 0.6744897501960817;

PictureStyle StyleOf(double points) {
  QFont font = QApplication::font();
  font.setPointSizeF(points);
  return {font, numtext::Separators{}, QString(), QString()};
}

std::vector<double> LogNormal(std::size_t n) {
  std::mt19937_64 random(7);
  std::lognormal_distribution<double> draw(0.0, 1.0);
  std::vector<double> v(n);
  for (double& x : v) x = draw(random);
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<double> Dice(std::size_t n) {
  std::vector<double> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<double>(1 + (i * 7) % 6);
  std::sort(v.begin(), v.end());
  return v;
}

// R's type 7 quantile, worked out here from its definition.
double Type7(const std::vector<double>& sorted, double p) {
  const double h = (static_cast<double>(sorted.size()) - 1) * p;
  const auto low = static_cast<std::size_t>(std::floor(h));
  const std::size_t high = std::min(low + 1, sorted.size() - 1);
  return sorted[low] + (h - static_cast<double>(low)) * (sorted[high] - sorted[low]);
}

struct PlotCase {
  const char* name;
  std::vector<double> sorted;
  int width;
  int height;
  double ratio;
  double points;
};

std::vector<PlotCase> PlotCases() {
  return {
      {"twenty_near_normal",
       {38.1, 41.7, 43.9, 45.5, 46.8, 47.9, 48.9, 49.8, 50.6, 51.4,
        52.2, 53.1, 54.0, 55.0, 56.1, 57.4, 59.0, 61.3, 64.4, 70.2},
       700,
       440,
       1.0,
       9},
      {"log_normal_500", LogNormal(500), 900, 520, 1.0, 9},
      {"log_normal_5000_thinned", LogNormal(5000), 600, 400, 1.5, 9},
      {"dice_rolls", Dice(60), 640, 420, 1.0, 10},
      {"three_numbers", {1, 2, 10}, 500, 360, 2.0, 9},
      {"ends_of_the_double_range", {-1e308, 0, 5, 1e308}, 700, 440, 1.0, 9},
      {"tiny_numbers", {1e-300, 2e-300, 3e-300, 5e-300, 8e-300}, 520, 380, 1.0, 12},
      {"long_labels", {-123456789.125, -1234.5, 0.5, 98765432.25, 123456789.75}, 360, 300, 1.0, 11},
  };
}

class QQPlacement : public ::testing::TestWithParam<PlotCase> {
 protected:
  QQFigure figure_;
  QQFrame frame_;
  QImage image_;
  void SetUp() override {
    const PlotCase& c = GetParam();
    figure_ = MakeQQFigure(c.sorted, static_cast<std::size_t>(c.width) * 2);
    const PictureStyle style = StyleOf(c.points);
    image_ = QQImage(figure_, QSize(c.width, c.height), c.ratio, style, {});
    const QFontMetricsF metrics(style.font, &image_);
    frame_ = QQFrameOf(QRectF(0, 0, c.width, c.height), figure_, metrics, style.separators);
  }
  // Ink (not the accent's blue, not the grid's grey) within `reach`
  // logical pixels of `at`.
  bool InkNear(QPointF at, double reach) const {
    const double r = image_.devicePixelRatio();
    for (int dy = static_cast<int>(-reach * r); dy <= reach * r; ++dy)
      for (int dx = static_cast<int>(-reach * r); dx <= reach * r; ++dx) {
        const int x = static_cast<int>(std::lround(at.x() * r)) + dx;
        const int y = static_cast<int>(std::lround(at.y() * r)) + dy;
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) continue;
        const QColor c = image_.pixelColor(x, y);
        if (qGray(c.rgb()) < 120 && std::abs(c.red() - c.blue()) < 30) return true;
      }
    return false;
  }
};

TEST_P(QQPlacement, ExtremePointsNearTheCorners) {
  const QRectF plot = frame_.Plot();
  ASSERT_GT(plot.width(), 50) << GetParam().name;
  ASSERT_GT(plot.height(), 50) << GetParam().name;
  const stats::QQPoint first = figure_.points.front();
  const stats::QQPoint last = figure_.points.back();
  const QPointF low(frame_.X(first.theoretical), frame_.Y(first.sample));
  const QPointF high(frame_.X(last.theoretical), frame_.Y(last.sample));
  const double dx = plot.width() * 0.1;
  const double dy = plot.height() * 0.1;
  EXPECT_TRUE(QRectF(plot.left(), plot.bottom() - dy, dx, dy).contains(low))
      << GetParam().name << ": first point at " << low.x() << "," << low.y() << " in " << plot.left() << ","
      << plot.top() << " " << plot.width() << "x" << plot.height();
  EXPECT_TRUE(QRectF(plot.right() - dx, plot.top(), dx, dy).contains(high))
      << GetParam().name << ": last point at " << high.x() << "," << high.y();
  // Clear of the frame's edges, where the axes would hide them.
  EXPECT_GT(low.x(), plot.left() + 2) << GetParam().name;
  EXPECT_LT(high.y(), plot.bottom() - 2) << GetParam().name;
}

TEST_P(QQPlacement, ThinnedToAboutTwoAPixel) {
  const PlotCase& c = GetParam();
  EXPECT_LE(figure_.points.size(), static_cast<std::size_t>(c.width) * 2) << c.name;
  EXPECT_EQ(figure_.points.front().sample, c.sorted.front()) << c.name;
  EXPECT_EQ(figure_.points.back().sample, c.sorted.back()) << c.name;
}

TEST_P(QQPlacement, LineDrawnThroughTheQuartiles) {
  const PlotCase& c = GetParam();
  // Where the quartiles' line leaves the plot it is clipped: only the
  // quartile points inside it are looked for.
  for (const auto& [z, p] : {std::pair{kLowerQuartileZ, 0.25}, std::pair{kUpperQuartileZ, 0.75}}) {
    const QPointF at(frame_.X(z), frame_.Y(Type7(c.sorted, p)));
    if (!frame_.Plot().adjusted(2, 2, -2, -2).contains(at)) continue;
    EXPECT_TRUE(InkNear(at, 1.5)) << c.name << ": no line at the quartile " << p << " (" << at.x() << "," << at.y()
                                  << ")";
  }
}

TEST_P(QQPlacement, NoTextCutAtTheEdges) {
  const PlotCase& c = GetParam();
  for (int y = 0; y < image_.height(); ++y)
    for (int x : {0, image_.width() - 1})
      ASSERT_GE(qGray(image_.pixel(x, y)), 200) << c.name << ": ink at the side, row " << y;
  for (int x = 0; x < image_.width(); ++x)
    for (int y : {0, image_.height() - 1})
      ASSERT_GE(qGray(image_.pixel(x, y)), 200) << c.name << ": ink at the top or foot, column " << x;
}

INSTANTIATE_TEST_SUITE_P(Plots, QQPlacement, ::testing::ValuesIn(PlotCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Samples without a spread in one direction or both: every point still
// inside the plot, nothing drawn over the edges.
struct FlatCase {
  const char* name;
  std::vector<double> sorted;
};

class FlatSamples : public ::testing::TestWithParam<FlatCase> {};

TEST_P(FlatSamples, PointsInsideThePlot) {
  const FlatCase& c = GetParam();
  const QQFigure figure = MakeQQFigure(c.sorted, 1000);
  ASSERT_EQ(figure.points.size(), c.sorted.size()) << c.name;
  const PictureStyle style = StyleOf(9);
  const QImage image = QQImage(figure, QSize(500, 360), 1.0, style, {});
  const QQFrame frame = QQFrameOf(QRectF(0, 0, 500, 360), figure, QFontMetricsF(style.font, &image), style.separators);
  for (const stats::QQPoint& p : figure.points) {
    const QPointF at(frame.X(p.theoretical), frame.Y(p.sample));
    EXPECT_TRUE(frame.Plot().adjusted(2, 2, -2, -2).contains(at)) << c.name << ": " << at.x() << "," << at.y();
  }
  for (int y = 0; y < image.height(); ++y)
    for (int x : {0, image.width() - 1}) ASSERT_GE(qGray(image.pixel(x, y)), 200) << c.name << ": row " << y;
}

INSTANTIATE_TEST_SUITE_P(Flat, FlatSamples,
                         ::testing::Values(FlatCase{"one_number", {42}}, FlatCase{"all_equal", {7, 7, 7, 7, 7}},
                                           FlatCase{"all_zero", {0, 0, 0}},
                                           FlatCase{"largest_doubles", {1.7e308, 1.7e308, 1.7e308}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The sheet: the title and the lines under the plot make it taller, each
// line wrapped to the width rather than cut.
struct SheetCase {
  const char* name;
  QQSheet sheet;
  int width;
  bool taller;
};

class QQSheets : public ::testing::TestWithParam<SheetCase> {};

TEST_P(QQSheets, TallerByTheTitleAndLines) {
  const SheetCase& c = GetParam();
  const QSize plot(c.width, 300);
  const QFont font = StyleOf(9).font;
  const QSize size = QQSheetSize(plot, c.sheet, font);
  EXPECT_EQ(size.width(), c.width) << c.name;
  EXPECT_EQ(size.height() > plot.height(), c.taller) << c.name;
  const QQFigure figure = MakeQQFigure(std::vector<double>{1, 2, 3, 4, 5, 6, 7, 9}, 400);
  const QImage image = QQImage(figure, size, 1.0, StyleOf(9), c.sheet);
  for (int y = 0; y < image.height(); ++y)
    for (int x : {0, image.width() - 1}) ASSERT_GE(qGray(image.pixel(x, y)), 200) << c.name << ": row " << y;
  // The last line's foot is inside the sheet.
  for (int x = 0; x < image.width(); ++x)
    ASSERT_GE(qGray(image.pixel(x, image.height() - 1)), 200) << c.name << ": column " << x;
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, QQSheets,
    ::testing::Values(SheetCase{"plot_alone", {}, 500, false},
                      SheetCase{"title_and_two_lines",
                                {QStringLiteral("Weights"),
                                 {QStringLiteral("Shapiro-Wilk: W = 0.97, p = 0.78"),
                                  QStringLiteral("D'Agostino-Pearson: K² = 1.2, p = 0.55")}},
                                500,
                                true},
                      SheetCase{"long_line_in_a_narrow_sheet",
                                {QStringLiteral("Weights"),
                                 {QStringLiteral("Shapiro-Wilk: W = 0.81234, p = 1.23e-08 — the numbers are unlikely "
                                                 "to come from a normal distribution (p = 1.23e-08)")}},
                                300,
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
