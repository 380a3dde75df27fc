// The distribution window's Frequencies page at scale (offscreen), on
// 10,000,000 sorted numbers:
//   table: the page filled and drawn (the frequency table made, the view
//          laid out and painted) within 50 ms for dice rolls and for
//          measurements in their automatic bins and in 500 bins;
//   values: a row per value of 10,000,000 different numbers: the table
//          model within 50 ms and 1 byte per number, the page filled and
//          drawn within 200 ms (Qt's header view lays out every row), the
//          last row scrolled to and drawn within 50 ms.
// Usage: bench_frequency_page [count] [runs]   (exit status 1 when a goal is missed)
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/FrequencyPage.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

using namespace tallowmere;
using namespace tallowmere::app;

namespace {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

class SilentDialogs final : public platform::Dialogs {
 public:
  void Message(const QString&) override {}
  void ErrorReport(const QString&) override {}
  QString Input(const QString&) override { return {}; }
  QStringList OpenFiles(const QString&, const QStringList&) override { return {}; }
  QString SaveFile(const QString&, const QStringList&) override { return {}; }
};

results::SortedNumbers Sorted(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  std::shared_ptr<double[]> numbers(new double[v.size()]);
  std::copy(v.begin(), v.end(), numbers.get());
  return {numbers, v.size()};
}

// Normal, three decimals, one in ten from a heavy tail (the other benches'
// measurements); dice rolls; or every number its own value.
results::SortedNumbers Numbers(std::size_t count, int kind) {
  std::mt19937_64 random(42);
  std::normal_distribution<double> normal(50.0, 10.0);
  std::student_t_distribution<double> tail(2.0);
  std::uniform_int_distribution<int> die(1, 6);
  std::vector<double> v(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (kind == 1) {
      v[i] = die(random);
    } else if (kind == 2) {
      v[i] = static_cast<double>(i) * 0.5;
    } else {
      const double x = i % 10 == 0 ? 50.0 + 10.0 * tail(random) : normal(random);
      v[i] = std::round(x * 1000.0) / 1000.0;
    }
  }
  return Sorted(std::move(v));
}

void Drawn(QWidget& page) {
  QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
  page.render(&image);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The page emptied, then filled with `sorted` and drawn: the median time.
double Filled(FrequencyPage& page, const results::SortedNumbers& sorted, int bins, int runs) {
  std::vector<double> times;
  QElapsedTimer clock;
  for (int run = 0; run < runs; ++run) {
    page.Forget();
    clock.restart();
    page.Show(sorted, bins, DistributionFigure{});
    Drawn(page);
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  return Median(times);
}

bool Report(const char* what, double value, double goal, const char* unit) {
  const bool ok = value <= goal;
  std::printf("%-56s %10.3f %s  (goal <= %g)  %s\n", what, value, unit, goal, ok ? "OK" : "MISSED");
  return ok;
}

// A row per value of every number: the model alone, then the page.
bool ValueRowsAtScale(FrequencyPage& page, const results::SortedNumbers& distinct, int runs) {
  bool ok = true;
  const double count = static_cast<double>(distinct.size());
  std::vector<double> modelTimes;
  long modelKilobytes = 0;
  for (int run = 0; run < runs; ++run) {
    FrequencyModel model({".", ","});
    const long before = ResidentKilobytes();
    QElapsedTimer clock;
    clock.start();
    model.Show(distinct, 0, true);
    modelTimes.push_back(clock.nsecsElapsed() / 1e6);
    modelKilobytes = std::max(modelKilobytes, ResidentKilobytes() - before);
  }
  std::printf("  a row per value: %zu rows\n", distinct.size());
  ok &= Report("a row per value: the table model", Median(modelTimes), 50, "ms");
  ok &= Report("a row per value: the model's memory per number", modelKilobytes * 1024.0 / count, 1.0, "bytes");
  page.Forget();
  page.ValueRows()->setChecked(true);
  const long before = ResidentKilobytes();
  std::vector<double> shown, drawn, total;
  for (int run = 0; run < runs; ++run) {
    page.Forget();
    QElapsedTimer clock;
    clock.start();
    page.Show(distinct, 0, DistributionFigure{});
    shown.push_back(clock.nsecsElapsed() / 1e6);
    Drawn(page);
    total.push_back(clock.nsecsElapsed() / 1e6);
    drawn.push_back(total.back() - shown.back());
  }
  const long after = ResidentKilobytes();
  // Qt's header view keeps a section of 8 bytes for every row, in two passes.
  ok &= Report("a row per value: the page filled and drawn", Median(total), 200, "ms");
  std::printf("  of which filled (the model, the view laid out) %.3f ms, drawn %.3f ms\n", Median(shown),
              Median(drawn));
  std::printf("  the page's memory per number with the view: %.3f bytes\n", (after - before) * 1024.0 / count);
  QElapsedTimer clock;
  clock.start();
  page.Table()->scrollToBottom();
  Drawn(page);
  ok &= Report("the last row scrolled to and drawn", clock.nsecsElapsed() / 1e6, 50, "ms");
  clock.restart();
  page.Table()->selectAll();
  const bool copied = page.CopySelectedRows();
  std::printf("  every row selected and Ctrl+C: %s in %.3f ms\n", copied ? "copied" : "refused",
              clock.nsecsElapsed() / 1e6);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10'000'000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  SilentDialogs dialogs;
  platform::SettingsStore settings(platform::kSettingsApplication, platform::kSettingsSection, dialogs);
  FrequencyPage page(settings, {".", ","});
  page.resize(800, 600);
  page.show();

  bool ok = true;
  std::printf("%zu sorted numbers, medians of %d runs\n", count, runs);
  {
    const results::SortedNumbers dice = Numbers(count, 1);
    ok &= Report("dice: 6 value rows, filled and drawn", Filled(page, dice, 0, runs), 50, "ms");
  }
  {
    const results::SortedNumbers measured = Numbers(count, 0);
    const double automatic = Filled(page, measured, 0, runs);
    std::printf("  measurements: %zu automatic bins\n", page.Model().RowCount());
    ok &= Report("measurements: automatic bins, filled and drawn", automatic, 50, "ms");
    ok &= Report("measurements: 500 bins asked, filled and drawn", Filled(page, measured, 500, runs), 50, "ms");
    QElapsedTimer clock;
    clock.start();
    page.CopyAsTable();
    std::printf("  Copy as Table of %zu bins: %.3f ms\n", page.Model().RowCount(), clock.nsecsElapsed() / 1e6);
  }
  {
    const results::SortedNumbers distinct = Numbers(count, 2);
    ok &= ValueRowsAtScale(page, distinct, runs);
  }
  return ok ? 0 : 1;
}
