// One list file through the window's "Load Numbers From File" (offscreen),
// as a user loads it: from the dialog's OK to the last entry in the list and
// the list painted. Each run empties the list first; prints each run's time,
// the page faults it took and the resident memory after it, then the median.
// Usage: bench_load_file FILE [RUNS]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "input/NumberListModel.h"
#include "platform/Dialogs.h"
#include "system/HugePages.h"

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

long MinorFaults() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Dialogs that never block: the open dialog answers the file at once.
class SilentDialogs final : public Dialogs {
 public:
  int shown = 0;
  QStringList chosen;
  void Message(const QString&) override { ++shown; }
  void ErrorReport(const QString& text) override {
    ++shown;
    std::fprintf(stderr, "error report: %s\n", text.toLocal8Bit().constData());
  }
  QString Input(const QString&) override { return {}; }
  QStringList OpenFiles(const QString&, const QStringList&) override { return chosen; }
  QString SaveFile(const QString&, const QStringList&) override { return {}; }
};

void Shown(Form1& form) {
  QApplication::processEvents();
  form.findChild<QTableView*>(QStringLiteral("ListView1"))->viewport()->repaint();
}

std::size_t LinesOf(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> chunk(1 << 20);
  std::size_t lines = 0;
  char last = '\n';  // a last line without a line end counts too
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    lines += static_cast<std::size_t>(std::count(chunk.data(), chunk.data() + in.gcount(), '\n'));
    last = chunk[static_cast<std::size_t>(in.gcount()) - 1];
  }
  return lines + (last != '\n' ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
  // As the window's program starts.
  system::UseHugePages();
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "default.warning=false");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_load_file FILE [RUNS]\n");
    return 2;
  }
  const char* path = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const std::size_t lines = LinesOf(path);

  QTemporaryDir settings, programFolder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  SilentDialogs dialogs;
  dialogs.chosen = {QString::fromLocal8Bit(path)};
  Form1 form(numtext::Separators{}, programFolder.path(), FormServices{.dialogs = &dialogs, .spreadsheet = {}});
  form.show();
  Shown(form);

  std::vector<double> seconds;
  for (int run = 0; run < runs; ++run) {
    form.NumberList().Clear();
    Shown(form);
    const long faults = MinorFaults();
    QElapsedTimer timer;
    timer.start();
    form.findChild<QPushButton*>(QStringLiteral("PushButton6"))->click();
    Shown(form);
    seconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    if (form.NumberList().Count() != lines) {
      std::fprintf(stderr, "the list holds %zu entries of %zu lines\n", form.NumberList().Count(), lines);
      return 1;
    }
    std::printf("run %d: %zu lines loaded in %.3f s, %ld page faults, resident %ld MB\n", run + 1, lines,
                seconds.back(), MinorFaults() - faults, ResidentKilobytes() / 1024);
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("median of %d: %.3f s\n", runs, seconds[seconds.size() / 2]);
  if (dialogs.shown) std::printf("note: %d dialogs were shown\n", dialogs.shown);
  form.SetEndProgram([] {});
  return 0;
}
