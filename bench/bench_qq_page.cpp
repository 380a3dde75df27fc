// The Q-Q plot's page at scale (offscreen):
//   draw: 10,000,000 numbers analysed; from the analysis finished to the
//         distribution window drawn with the Q-Q plot's page shown (the
//         tests worked out, the plot thinned and rendered into an image) in
//         under 0.3 s, the first opening and each following analysis alike;
//   K²:   D'Agostino and Pearson's test over the 10,000,000 numbers in under
//         50 ms (one pass about the known mean).
// Usage: bench_qq_page [count] [runs]   (exit status 1 when a goal is missed)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <vector>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/Form1.h"
#include "app/QQPage.h"
#include "input/NumberListModel.h"
#include "platform/Dialogs.h"
#include "stats/OmnibusNormality.h"

using namespace tallowmere;
using namespace tallowmere::platform;
using namespace tallowmere::app;

namespace {

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

void Fill(Form1& form, std::size_t count) {
  // Log-normal numbers: skewed, so that K² has a long tail to weigh.
  std::mt19937_64 random(42);
  std::lognormal_distribution<double> draw(3.0, 0.5);
  char text[64];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "%.4f", draw(random));
    form.NumberList().Append(text);
  }
  form.NumberList().Flush();
}

// K² alone, from the sorted numbers and their mean: median seconds.
double OmnibusSeconds(std::span<const double> sorted, int runs) {
  double mean = 0;
  for (double v : sorted) mean += v;
  mean /= static_cast<double>(sorted.size());
  std::vector<double> times;
  QElapsedTimer clock;
  for (int run = 0; run < runs; ++run) {
    clock.restart();
    const stats::OmnibusTest test =
        stats::OmnibusNormality(stats::MomentsAbout(sorted, mean, sorted.back() - sorted.front()));
    times.push_back(clock.nsecsElapsed() / 1e9);
    if (run == 0) std::printf("K² = %.6g, p = %.3g\n", test.test.statistic, test.test.pValue);
  }
  return Median(times);
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
  Fill(form, count);
  QElapsedTimer clock;
  clock.start();
  form.PushButton7_Click();
  std::printf("%zu numbers analysed in %.3f s\n", count, clock.nsecsElapsed() / 1e9);

  clock.restart();
  form.Distribution().Show();
  DistributionWindow* window = form.Distribution().Window();
  window->resize(1000, 640);
  window->Views()->setCurrentWidget(window->QQ());
  Drawn(*window);
  const double first = clock.nsecsElapsed() / 1e9;
  std::printf("%zu points drawn; %s\n", window->QQ()->Figure().points.size(),
              window->QQ()->Lines().join(QStringLiteral(" | ")).toLocal8Bit().constData());

  std::vector<double> following;
  for (int run = 0; run < runs; ++run) {
    form.Distribution().AnalysisStarting();
    clock.restart();
    form.Distribution().AnalysisFinished();
    Drawn(*window);
    following.push_back(clock.nsecsElapsed() / 1e9);
  }
  const double omnibus = OmnibusSeconds(form.Analysis().Statistics().SortedNumbers(), runs);

  bool ok = true;
  ok &= Report("first opening on the Q-Q page, to drawn", first, 0.3, "s");
  ok &= Report("next analysis, finished to drawn (median)", Median(following), 0.3, "s");
  ok &= Report("K² over the numbers (median)", omnibus * 1000.0, 50.0, "ms");
  return ok ? 0 : 1;
}
