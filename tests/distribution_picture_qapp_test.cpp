// The distribution picture drawn offscreen: its value axis's labels stay
// whole inside the picture at any span, width and scale, and each bin tells
// what it holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "app/DistributionFigure.h"
#include "app/DistributionPicture.h"
#include "app/PictureParts.h"

using namespace tallowmere;
using namespace tallowmere::app;

namespace {

numtext::Separators Dot() { return numtext::Separators{}; }

PictureStyle StyleOf(double points) {
  QFont font = QApplication::font();
  font.setPointSizeF(points);
  return {font, Dot(), QString(), QString()};
}

struct SpanCase {
  const char* name;
  std::vector<double> sorted;
  FigureOptions options;
};

// Every span at every width and scale.
struct FitCase {
  SpanCase span;
  int width;
  double ratio;
  double points;
};

class LabelFit : public ::testing::TestWithParam<FitCase> {};

// Any ink in the outermost pixel columns of the labels' band: a label cut
// off at the picture's edge.
bool InkAtTheSides(const QImage& image, double top, double bottom) {
  const int from = std::max(0, static_cast<int>(top));
  const int to = std::min(image.height() - 1, static_cast<int>(bottom));
  for (int y = from; y <= to; ++y)
    for (int x : {0, image.width() - 1})
      if (qGray(image.pixel(x, y)) < 200) return true;
  return false;
}

TEST_P(LabelFit, LabelsWholeInsideThePictureAndApart) {
  const FitCase& c = GetParam();
  const DistributionFigure figure = MakeDistributionFigure(c.span.sorted, c.span.options, std::nullopt, std::nullopt);
  const PictureStyle style = StyleOf(c.points);
  const QSize size(c.width, std::max(240, c.width * 6 / 10));
  const QImage image = DistributionImage(figure, size, c.ratio, style);
  const QFontMetricsF metrics(style.font, &image);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  const picture::Frame frame = DistributionFrame(area, figure, style, metrics);
  const std::vector<picture::AxisLabel> labels = picture::ValueAxisLabels(frame, metrics, style.separators);

  ASSERT_GE(labels.size(), c.width >= 480 ? 2u : 1u) << c.span.name;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const picture::AxisLabel& label = labels[i];
    EXPECT_GE(label.box.left(), 0.0) << c.span.name << " " << label.text.toStdString();
    EXPECT_LE(label.box.right(), c.width) << c.span.name << " " << label.text.toStdString();
    EXPECT_GE(label.value, figure.low) << c.span.name;
    EXPECT_LE(label.value, figure.high) << c.span.name;
    EXPECT_FALSE(label.text.contains(QChar(0x2026))) << c.span.name;
    if (i > 0) {
      EXPECT_LT(labels[i - 1].box.right(), label.box.left()) << c.span.name << " labels overlap";
    }
  }
  // What was drawn, in device pixels.
  EXPECT_FALSE(InkAtTheSides(image, frame.axisY * c.ratio, (frame.axisY + metrics.height() * 1.4) * c.ratio))
      << c.span.name;
}

const SpanCase kSpans[] = {
    {"ZeroToTenMillion", {0, 2500000, 10000000}, {}},
    {"ZeroToTenMillionInTenBins", {0, 2500000, 10000000}, {.bins = 10}},
    {"BillionEachWay", {-1e9, 0, 1e9}, {.bins = 20}},
    {"Thousandths", {0.001, 0.0015, 0.002}, {}},
    {"LongDecimals", {123456.789, 123456.7905, 123456.792}, {}},
    {"Tiny", {1e-300, 2e-300}, {}},
    {"Extremes", {-DBL_MAX, 0, DBL_MAX}, {}},
    {"Dice", {1, 2, 3, 4, 5, 6}, {}},
    {"ThreeValuesFarApart", {0, 1000000, 2000000}, {}},
    {"LogarithmicMillionths", {0.000001, 0.5, 1000}, {.logarithmic = true}},
    {"LogarithmicNarrow", {0.001, 0.0012, 0.002}, {.logarithmic = true}},
};

std::vector<FitCase> FitCases() {
  std::vector<FitCase> cases;
  for (const SpanCase& span : kSpans)
    for (int width : {320, 480, 800, 1600})
      for (double ratio : {1.0, 1.5}) cases.push_back({span, width, ratio, ratio == 1.0 ? 9.0 : 14.0});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Spans, LabelFit, ::testing::ValuesIn(FitCases()), [](const auto& info) {
  const FitCase& c = info.param;
  return std::string(c.span.name) + "_" + std::to_string(c.width) + (c.ratio == 1.0 ? "_Scale1" : "_Scale15");
});

struct BinTextCase {
  const char* name;
  std::vector<double> sorted;
  FigureOptions options;
  std::size_t bin;
  const char* text;
};

class BinTexts : public ::testing::TestWithParam<BinTextCase> {};

TEST_P(BinTexts, RangeAndCount) {
  const BinTextCase& c = GetParam();
  const DistributionFigure figure = MakeDistributionFigure(c.sorted, c.options, std::nullopt, std::nullopt);
  ASSERT_LT(c.bin, figure.bins.size());
  EXPECT_EQ(BinText(figure, c.bin, Dot()), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BinTexts,
    ::testing::Values(
        BinTextCase{"DieFace", {1, 1, 2, 3, 3, 3}, {}, 2, "3: 3 numbers"},
        BinTextCase{"DieFaceOnce", {1, 1, 2, 3, 3, 3}, {}, 1, "2: 1 number"},
        BinTextCase{"LowerBin", {60, 61, 62, 64.5, 65, 70}, {.bins = 2}, 0, "60 to 65: 4 numbers"},
        BinTextCase{"UpperHoldsItsEdge", {60, 61, 62, 64.5, 65, 70}, {.bins = 2}, 1, "65 to 70: 2 numbers"},
        // 0.1 + 0.3 is a hair above 0.4: told to a tenth of the width.
        BinTextCase{"RoundedEdges", {0.1, 0.2, 1.0}, {.bins = 3}, 0, "0.1 to 0.4: 2 numbers"},
        BinTextCase{"Empty", {0.1, 0.2, 1.0}, {.bins = 3}, 1, "0.4 to 0.7: 0 numbers"},
        BinTextCase{"Decade", {1, 10, 100, 1000}, {.bins = 3, .logarithmic = true}, 1, "10 to 100: 1 number"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PointCase {
  const char* name;
  double value;       // where across: this value's place on the axis
  double heightPart;  // where up: 0 the histogram's foot, 1 its top
  int bin;            // -1: none
};

class PointedBin : public ::testing::TestWithParam<PointCase> {};

TEST_P(PointedBin, TheColumnUnderThePointer) {
  const PointCase& c = GetParam();
  const DistributionFigure figure = MakeDistributionFigure(std::vector<double>{1, 1, 2, 3, 3, 3, 6}, 0, 3.0, 1.0);
  const PictureStyle style = StyleOf(9);
  const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  const QFontMetricsF metrics(style.font, &probe);
  const QRectF area(0, 0, 640, 400);
  const picture::Frame frame = DistributionFrame(area, figure, style, metrics);
  const QPointF point(frame.X(c.value), frame.plot.bottom() - c.heightPart * frame.plot.height());
  const std::optional<std::size_t> bin = BinUnder(area, figure, style, metrics, point);
  if (c.bin < 0) {
    EXPECT_FALSE(bin.has_value()) << *bin;
  } else {
    EXPECT_EQ(bin, std::optional<std::size_t>(static_cast<std::size_t>(c.bin)));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PointedBin,
                         ::testing::Values(PointCase{"FirstFace", 1, 0.5, 0}, PointCase{"ThirdFaceHigh", 3, 0.95, 2},
                                           // An empty bar's column still tells its count.
                                           PointCase{"EmptyFace", 5, 0.1, 4}, PointCase{"LastFace", 6.4, 0.5, 5},
                                           PointCase{"LeftOfTheBars", 0.2, 0.5, -1},
                                           PointCase{"AboveTheHistogram", 3, 1.05, -1},
                                           PointCase{"InTheBoxStrip", 3, -0.2, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// 2,000 log-normal numbers (the sum of twelve uniform draws of a fixed
// generator, less 6, is close to normal): on a linear axis most of them
// crowd into the first bins; on a logarithmic one they rise and fall in
// the middle.
std::vector<double> LogNormal() {
  std::uint64_t state = 12345;
  const auto uniform = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  std::vector<double> v;
  for (int i = 0; i < 2000; ++i) {
    double z = -6;
    for (int k = 0; k < 12; ++k) z += uniform();
    v.push_back(std::exp(3 + 1.2 * z));
  }
  std::sort(v.begin(), v.end());
  return v;
}

struct ShapeCase {
  const char* name;
  bool logarithmic;
  bool fullestInTheMiddle;  // else among the first tenth of the bins
};

class LogNormalShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(LogNormalShape, WhereTheFullestBinStands) {
  const ShapeCase& c = GetParam();
  const std::vector<double> sorted = LogNormal();
  const DistributionFigure f = MakeDistributionFigure(sorted, FigureOptions{.logarithmic = c.logarithmic}, 1.0, 1.0);
  ASSERT_GE(f.bins.size(), 10u);
  const auto fullest = static_cast<std::size_t>(std::max_element(f.bins.begin(), f.bins.end()) - f.bins.begin());
  if (c.fullestInTheMiddle) {
    EXPECT_GT(fullest, f.bins.size() / 4);
    EXPECT_LT(fullest, f.bins.size() * 3 / 4);
  } else {
    EXPECT_LT(fullest, f.bins.size() / 10);
  }
  // Every number is in a bin, and on a logarithmic axis each bin is as
  // wide as the next in the logarithm.
  EXPECT_EQ(std::accumulate(f.bins.begin(), f.bins.end(), std::size_t{0}), sorted.size());
  if (c.logarithmic) {
    const double first = std::log10(f.edges[1] / f.edges[0]);
    for (std::size_t i = 1; i + 1 < f.edges.size(); ++i)
      EXPECT_NEAR(std::log10(f.edges[i + 1] / f.edges[i]), first, 1e-9) << "bin " << i;
  }
  // The description tells the bins too.
  const QString description = DistributionDescription(f, Dot());
  EXPECT_TRUE(description.contains(QStringLiteral(" bins: "))) << description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Axes, LogNormalShape,
                         ::testing::Values(ShapeCase{"Linear", false, false}, ShapeCase{"Logarithmic", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
