// The distribution window at scale (offscreen):
//   draw:   10,000,000 numbers analysed; from the analysis finished to the
//           window's picture drawn (the figure made from the run's sorted
//           numbers and the window rendered into an image) in under 0.3 s,
//           the first opening and each following analysis alike;
//   memory: the window adds at most 8 bytes per number (resident memory
//           before and after it is opened and drawn).
// Usage: bench_distribution [count] [runs]   (exit status 1 when a goal is missed)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/Form1.h"
#include "input/NumberListModel.h"
#include "platform/Dialogs.h"

using namespace tallowmere;
using namespace tallowmere::platform;
using namespace tallowmere::app;

namespace {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// Dialogs that never block; the offer to analyse is never needed here.
class SilentDialogs final : public Dialogs {
 public:
  void Message(const QString&) override {}
  void ErrorReport(const QString& text) override {
    std::fprintf(stderr, "error report: %s\n", text.toLocal8Bit().constData());
  }
  QString Input(const QString&) override { return {}; }
  QStringList OpenFiles(const QString&, const QStringList&) override { return {}; }
  QString SaveFile(const QString&, const QStringList&) override { return {}; }
};

// The window drawn as the screen would get it.
void Drawn(DistributionWindow& window) {
  QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
  window.render(&image);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

bool Report(const char* what, double value, double goal, const char* unit) {
  const bool ok = value <= goal;
  std::printf("%-52s %10.3f %s  (goal <= %g)  %s\n", what, value, unit, goal, ok ? "OK" : "MISSED");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10'000'000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  SilentDialogs dialogs;

  Form1 form({".", ","}, QString(), FormServices{.dialogs = &dialogs, .spreadsheet = {}});
  // Normal numbers with a heavy tail on both sides: many outliers, as real
  // measurements have.
  std::mt19937_64 random(42);
  std::normal_distribution<double> normal(50.0, 10.0);
  std::student_t_distribution<double> tail(2.0);
  char text[64];
  for (std::size_t i = 0; i < count; ++i) {
    const double v = i % 10 == 0 ? 50.0 + 10.0 * tail(random) : normal(random);
    std::snprintf(text, sizeof text, "%.3f", v);
    form.NumberList().Append(text);
  }
  form.NumberList().Flush();

  QElapsedTimer clock;
  clock.start();
  form.PushButton7_Click();
  std::printf("%zu numbers analysed in %.3f s\n", count, clock.nsecsElapsed() / 1e9);

  const long before = ResidentKilobytes();
  clock.restart();
  form.Distribution().Show();
  DistributionWindow* window = form.Distribution().Window();
  window->resize(1000, 640);
  Drawn(*window);
  const double first = clock.nsecsElapsed() / 1e9;
  const long after = ResidentKilobytes();
  std::printf("bins %zu, outliers %zu below and %zu above (%s)\n", window->Figure().bins.size(),
              window->Figure().box.lowOutliers, window->Figure().box.highOutliers,
              window->Figure().outliersCapped ? "extremes drawn" : "all drawn");

  // Each following analysis: the window takes the new run's numbers.
  std::vector<double> following;
  for (int run = 0; run < runs; ++run) {
    form.Distribution().AnalysisStarting();
    clock.restart();
    form.Distribution().AnalysisFinished();
    Drawn(*window);
    following.push_back(clock.nsecsElapsed() / 1e9);
  }
  // A bin count of its own, the most the control offers.
  clock.restart();
  window->Bins()->setValue(kMostBins);
  Drawn(*window);
  const double rebinned = clock.nsecsElapsed() / 1e9;

  // The two parts of it: the figure from the sorted numbers, the drawing.
  std::vector<double> figures, drawings;
  for (int run = 0; run < runs; ++run) {
    clock.restart();
    const DistributionFigure figure = MakeDistributionFigure(form.Analysis().Statistics().SortedNumbers(), 0, 0.0, 1.0);
    figures.push_back(clock.nsecsElapsed() / 1e9);
    clock.restart();
    Drawn(*window);
    drawings.push_back(clock.nsecsElapsed() / 1e9);
  }
  std::printf("of which the figure %.4f s, the drawing %.4f s (medians)\n", Median(figures), Median(drawings));

  bool ok = true;
  ok &= Report("first opening, analysis finished to drawn", first, 0.3, "s");
  ok &= Report("next analysis, finished to drawn (median)", Median(following), 0.3, "s");
  ok &= Report("500 bins chosen, drawn", rebinned, 0.3, "s");
  const double perNumber = static_cast<double>(after - before) * 1024.0 / static_cast<double>(count);
  ok &= Report("memory the window adds per number", perNumber, 8.0, "bytes");
  std::printf("resident memory %ld kB before the window, %ld kB after\n", before, after);
  return ok ? 0 : 1;
}
