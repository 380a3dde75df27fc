// The value axis every picture shares: its ticks (round numbers, powers of
// ten, or the values of whole numbers) and labels that fit.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/PictureParts.h"
#include "numtext/NumberText.h"

namespace tallowmere::app::picture {

namespace {

// The k-th multiple of a round step: divided by the step's whole inverse
// when the step is below 1, so that 3 x 0.1 is the double nearest 0.3.
double Multiple(double k, double step) {
  if (step >= 1.0) return k * step;
  return k / std::round(1.0 / step);
}

// 1, 2, 5, 10, 20, 50 ...: the first of them whose share of `count` is at
// most `most`.
double Thinning(double count, int most) {
  for (double power = 1.0;; power *= 10.0)
    for (const double factor : {1.0, 2.0, 5.0})
      if (std::ceil(count / (factor * power)) <= most || power > 1e15) return factor * power;
}

// The values of bars a step apart, every `thinning`-th of them, on the
// multiples of thinning x step where the values meet them.
std::vector<double> ValueTicks(const Frame& frame, int most) {
  const double step = frame.valueStep;
  const double first = frame.low + step / 2;
  const double last = frame.high - step / 2;
  const double count = std::round((last - first) / step) + 1;
  const double thin = Thinning(count, most);
  const double stride = thin * step;
  const bool aligned = std::fmod(first, step) == 0.0;
  double at = aligned ? std::ceil(first / stride) * stride : first;
  std::vector<double> ticks;
  for (; at <= last && ticks.size() < 64; at += stride) ticks.push_back(at == 0.0 ? 0.0 : at);
  return ticks;
}

double PowerOfTen(double exponent) { return exponent < 0 ? 1.0 / std::pow(10.0, -exponent) : std::pow(10.0, exponent); }

// Powers of ten, every so many of them, or where fewer than two fit, their
// 1, 2 and 5 multiples; round numbers where even those are too few.
std::vector<double> LogTicks(double low, double high, int most) {
  const double from = std::ceil(std::log10(low) - 1e-9);
  const double to = std::floor(std::log10(high) + 1e-9);
  std::vector<double> ticks;
  if (to - from >= 1.0) {
    const double thin = Thinning(to - from + 1, most);
    for (double e = std::ceil(from / thin) * thin; e <= to && ticks.size() < 64; e += thin)
      ticks.push_back(PowerOfTen(e));
    if (ticks.size() >= 2) return ticks;
    ticks.clear();
  }
  for (double e = from - 1; e <= to && ticks.size() < 64; e += 1.0)
    for (const double factor : {1.0, 2.0, 5.0}) {
      const double v = factor * PowerOfTen(e);
      if (v >= low * (1 - 1e-12) && v <= high * (1 + 1e-12)) ticks.push_back(v);
    }
  if (ticks.size() >= 2 && static_cast<int>(ticks.size()) <= most) return ticks;
  return RoundTicks(low, high, most);
}

double LabelWidth(double v, const QFontMetricsF& metrics, const numtext::Separators& separators) {
  return metrics.horizontalAdvance(PictureNumber(v, separators));
}

// The labels under `ticks`, none over another; held inside frame.sheet when
// `keepInside`.
std::vector<AxisLabel> Labels(const Frame& frame, const std::vector<double>& ticks, const QFontMetricsF& metrics,
                              const numtext::Separators& separators, bool keepInside) {
  const double pad = metrics.height() * 0.2;
  const double top = frame.axisY + metrics.height() * 0.3;
  std::vector<AxisLabel> labels;
  double lastRight = -1e300;
  for (double t : ticks) {
    AxisLabel label{t, PictureNumber(t, separators), {}};
    const double w = metrics.horizontalAdvance(label.text);
    double x = frame.X(t) - w / 2;
    if (keepInside && !frame.sheet.isNull())
      x = std::max(frame.sheet.left() + pad, std::min(x, frame.sheet.right() - pad - w));
    if (x < lastRight + metrics.height() * 0.5) continue;
    label.box = QRectF(x, top, w, metrics.height());
    labels.push_back(label);
    lastRight = x + w;
  }
  return labels;
}

}  // namespace

double RoundStep(double span, int most) {
  if (!(span > 0.0) || !std::isfinite(span)) return 1.0;
  const double rough = span / most;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0})
    if (factor * power >= rough) return factor * power;
  return 10.0 * power;
}

QString PictureNumber(double v, const numtext::Separators& separators) {
  return QString::fromStdString(numtext::NumberText(v, separators));
}

std::vector<double> RoundTicks(double low, double high, int most, double smallest) {
  // The span of two extreme numbers may overflow, and so may its round step:
  // such ticks are worked out on the halves of the numbers and doubled.
  const double scale = std::isfinite(high - low) ? 1.0 : 2.0;
  const double from = low / scale;
  const double to = high / scale;
  const double step = std::max(smallest / scale, RoundStep(to - from, most));
  // Next to the largest double the allowance itself overflows, and every
  // multiple past it, being infinite, would pass.
  const double last = std::isfinite(to + step * 1e-9) ? to + step * 1e-9 : to;
  std::vector<double> ticks;
  for (double k = std::ceil(from / step); Multiple(k, step) <= last && ticks.size() < 64; k += 1.0) {
    const double tick = std::abs(k) < 0.5 ? 0.0 : Multiple(k, step) * scale;
    if (tick >= low && tick <= high) ticks.push_back(tick);
  }
  return ticks;
}

std::vector<double> ValueAxisTicks(const Frame& frame, const QFontMetricsF& metrics,
                                   const numtext::Separators& separators) {
  // As many labels as fit side by side.
  const double widest =
      std::max(LabelWidth(frame.low, metrics, separators), LabelWidth(frame.high, metrics, separators));
  const int most = std::clamp(static_cast<int>(frame.plot.width() / (widest + metrics.height() * 2)), 2, 10);
  // A bar per value: a label under every bar that has room for one, not
  // just ten.
  if (frame.valueStep > 0)
    return ValueTicks(frame, std::max(most, static_cast<int>(frame.plot.width() / (widest + metrics.height()))));
  if (frame.logarithmic) return LogTicks(frame.low, frame.high, most);
  // A step that lands a single tick inside (-0.9 .. 0.9 by 1) tells no
  // scale: a finer one then.
  std::vector<double> ticks;
  for (int m = most; m < most + 5 && ticks.size() < 2; ++m) ticks = RoundTicks(frame.low, frame.high, m);
  return ticks;
}

std::vector<AxisLabel> ValueAxisLabels(const Frame& frame, const QFontMetricsF& metrics,
                                       const numtext::Separators& separators) {
  return Labels(frame, ValueAxisTicks(frame, metrics, separators), metrics, separators, true);
}

void FitValueAxis(Frame& frame, const QFontMetricsF& metrics, const numtext::Separators& separators) {
  if (frame.sheet.isNull()) return;
  const std::vector<AxisLabel> labels =
      Labels(frame, ValueAxisTicks(frame, metrics, separators), metrics, separators, false);
  if (labels.empty()) return;
  const double pad = metrics.height() * 0.2;
  const double most = frame.plot.width() / 4;
  const double left = std::clamp(frame.sheet.left() + pad - labels.front().box.left(), 0.0, most);
  const double right = std::clamp(labels.back().box.right() - (frame.sheet.right() - pad), 0.0, most);
  frame.plot.adjust(left, 0, -right, 0);
  frame.box.adjust(left, 0, -right, 0);
}

void DrawSharedAxis(QPainter& p, const Frame& frame, const QFontMetricsF& metrics,
                    const numtext::Separators& separators) {
  p.setPen(QPen(InkColour(), 0));
  p.drawLine(QPointF(frame.plot.left(), frame.axisY), QPointF(frame.plot.right(), frame.axisY));
  const double tick = metrics.height() * 0.3;
  for (double t : ValueAxisTicks(frame, metrics, separators))
    p.drawLine(QPointF(frame.X(t), frame.axisY), QPointF(frame.X(t), frame.axisY + tick));
  for (const AxisLabel& label : ValueAxisLabels(frame, metrics, separators))
    p.drawText(QPointF(label.box.left(), label.box.top() + metrics.ascent()), label.text);
}

}  // namespace tallowmere::app::picture
