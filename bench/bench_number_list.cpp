// Scale of the number list in the real window (offscreen):
//   memory:  10,000,000 short entries cost under 48 bytes each beyond the text;
//   append:  1,000,000 entries appended and shown in under 0.3 s;
//   analyse: "Start Analysis" on 1,000,000 entries in under 0.5 s;
//   a 10,000,000-line list file through "Load Numbers From File", then
//   "Start Analysis": from the dialog's OK to the twelfth row in under 1.5 s,
//   the list painting while the file is read and no event waiting 0.2 s;
//   the same 10,000,000 lines pasted from the clipboard (Ctrl+V): from the
//   key to the last entry shown in under 2 s, no event waiting 0.2 s.
// Usage: bench_number_list [runs]   (exit status 1 when a goal is missed)
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "input/NumberListModel.h"
#include "platform/Clipboard.h"
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

// Dialogs that never block: the benchmark must not wait for a user.
class SilentDialogs final : public Dialogs {
 public:
  int shown = 0;
  QStringList chosen;  // what the open dialog answers, at once
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

// Both lists emptied and the window painted: the start of every timed run.
void Emptied(Form1& form) {
  form.NumberList().Clear();
  form.ClearResults();
  Shown(form);
}

bool Report(const char* what, double value, double goal, const char* unit) {
  const bool ok = value < goal;
  std::printf("%-44s %10.3f %s  (goal < %g)  %s\n", what, value, unit, goal, ok ? "OK" : "MISSED");
  return ok;
}

// Counts the paint events of the widget it watches.
class PaintCounter final : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

// While `read` runs: how long the window's events waited at most (a timer
// that would fire every 5 ms) in seconds, and how often the list painted.
struct WatchedRead {
  double longestWait = 0;
  int painted = 0;
};

WatchedRead Watched(PaintCounter& paints, const std::function<void()>& read) {
  WatchedRead seen;
  QElapsedTimer sinceTick;
  QTimer ticks;
  ticks.setInterval(5);
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    seen.longestWait = std::max(seen.longestWait, static_cast<double>(sinceTick.nsecsElapsed()) / 1e9);
    sinceTick.restart();
  });
  ticks.start();
  sinceTick.start();
  paints.count = 0;
  read();
  ticks.stop();
  seen.longestWait = std::max(seen.longestWait, static_cast<double>(sinceTick.nsecsElapsed()) / 1e9);
  seen.painted = paints.count;
  return seen;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "default.warning=false");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

  QTemporaryDir settings, programFolder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  SilentDialogs dialogs;

  Form1 form(numtext::Separators{}, programFolder.path(), FormServices{.dialogs = &dialogs, .spreadsheet = {}});
  form.show();
  Shown(form);
  bool ok = true;

  // Memory first, on a fresh heap.
  {
    constexpr std::size_t kEntries = 10'000'000;
    std::vector<std::string> texts;  // short texts: one to three digits
    for (int i = 0; i < 1000; ++i) texts.push_back(std::to_string(i));
    const long before = ResidentKilobytes();
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < kEntries; ++i) {
      const std::string& t = texts[i % texts.size()];
      form.NumberList().Append(t);
      textBytes += t.size();
    }
    form.NumberList().Flush();
    Shown(form);
    form.findChild<QTableView*>(QStringLiteral("ListView1"))->scrollToBottom();
    Shown(form);
    const double perEntry = (static_cast<double>(ResidentKilobytes() - before) * 1024.0 - textBytes) / kEntries;
    ok &= Report("10M short entries: bytes per entry beyond text", perEntry, 48, "B");
    form.NumberList().Clear();
    Shown(form);
  }

  std::vector<std::string> texts;  // typical list-file lines
  for (int i = 0; i < 1000; ++i) texts.push_back(std::to_string(i * 7 % 1000) + "." + std::to_string(i % 97));
  double bestAppend = 1e9, bestAnalyse = 1e9;
  for (int run = 0; run < runs; ++run) {
    Emptied(form);
    QElapsedTimer timer;
    timer.start();
    for (std::size_t i = 0; i < 1'000'000; ++i) form.NumberList().Append(texts[i % texts.size()]);
    form.NumberList().Flush();
    Shown(form);
    const double append = static_cast<double>(timer.nsecsElapsed()) / 1e9;

    timer.restart();
    form.PushButton7_Click();
    Shown(form);
    const double analyse = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (form.ResultsModel()->rowCount() != 12) {
      std::fprintf(stderr, "the analysis gave %d rows\n", form.ResultsModel()->rowCount());
      return 1;
    }
    std::printf("run %d: append+show %.3f s, analyse %.3f s\n", run + 1, append, analyse);
    bestAppend = std::min(bestAppend, append);
    bestAnalyse = std::min(bestAnalyse, analyse);
  }
  ok &= Report("1M entries appended and shown (best run)", bestAppend, 0.3, "s");
  ok &= Report("Start Analysis on 1M entries (best run)", bestAnalyse, 0.5, "s");

  // A list file of 10,000,000 typical lines (three decimals, signs mixed).
  {
    const QString path = programFolder.path() + QStringLiteral("/list.txt");
    {
      std::ofstream out(path.toStdString());
      std::uint64_t r = 20261209;
      char line[32];
      for (std::size_t i = 0; i < 10'000'000; ++i) {
        r = r * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto x = static_cast<long long>((r >> 33) % 20'000'000) - 10'000'000;
        const int length = i % 3 == 0 ? std::snprintf(line, sizeof line, "%lld\n", x / 10'000)
                                      : std::snprintf(line, sizeof line, "%.3f\n", static_cast<double>(x) / 1000.0);
        out.write(line, length);
      }
    }
    dialogs.chosen = {path};
    double best = 1e9, worstWait = 0;
    int fewestPaints = -1;
    PaintCounter paints;
    form.findChild<QTableView*>(QStringLiteral("ListView1"))->viewport()->installEventFilter(&paints);
    for (int run = 0; run < runs; ++run) {
      Emptied(form);
      QElapsedTimer timer;
      timer.start();
      const auto [longestWait, painted] =
          Watched(paints, [&] { form.findChild<QPushButton*>(QStringLiteral("PushButton6"))->click(); });
      const double load = static_cast<double>(timer.nsecsElapsed()) / 1e9;
      form.findChild<QPushButton*>(QStringLiteral("PushButton7"))->click();
      Shown(form);
      const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
      if (form.NumberList().Count() != 10'000'000 || form.ResultsModel()->rowCount() != 12) {
        std::fprintf(stderr, "the list holds %zu entries, the results %d rows\n", form.NumberList().Count(),
                     form.ResultsModel()->rowCount());
        return 1;
      }
      std::printf(
          "run %d: 10M-line list file loaded in %.3f s and analysed in %.3f s; while reading, events waited "
          "at most %.0f ms and the list painted %d times\n",
          run + 1, load, seconds, longestWait * 1000.0, painted);
      best = std::min(best, seconds);
      worstWait = std::max(worstWait, longestWait);
      fewestPaints = fewestPaints < 0 ? painted : std::min(fewestPaints, painted);
    }
    ok &= Report("10M-line file: dialog's OK to the twelfth row", best, 1.5, "s");
    ok &= Report("10M-line file: longest wait of events while read", worstWait * 1000.0, 200, "ms");
    const bool painted = fewestPaints > 0;
    std::printf("%-44s %10d times  (goal > 0)  %s\n", "10M-line file: the list painted while read", fewestPaints,
                painted ? "OK" : "MISSED");
    ok &= painted;

    // The same lines on the clipboard, pasted into the list.
    {
      std::ifstream in(path.toStdString(), std::ios::binary);
      const std::string lines((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (!ClipboardSetText(QString::fromStdString(lines))) {
        std::fprintf(stderr, "the clipboard did not take the text\n");
        return 1;
      }
    }
    double bestPaste = 1e9, worstPasteWait = 0;
    fewestPaints = -1;
    for (int run = 0; run < runs; ++run) {
      Emptied(form);
      QElapsedTimer timer;
      timer.start();
      const auto [longestWait, painted] = Watched(paints, [&] { form.ListView1_Paste(); });
      Shown(form);
      const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
      if (form.NumberList().Count() != 10'000'000) {
        std::fprintf(stderr, "the paste gave %zu entries\n", form.NumberList().Count());
        return 1;
      }
      std::printf(
          "run %d: 10M lines pasted and shown in %.3f s; events waited at most %.0f ms and the list painted %d "
          "times\n",
          run + 1, seconds, longestWait * 1000.0, painted);
      bestPaste = std::min(bestPaste, seconds);
      worstPasteWait = std::max(worstPasteWait, longestWait);
      fewestPaints = fewestPaints < 0 ? painted : std::min(fewestPaints, painted);
    }
    ok &= Report("10M-line paste: the key to the last entry shown", bestPaste, 2.0, "s");
    ok &= Report("10M-line paste: longest wait of events", worstPasteWait * 1000.0, 200, "ms");
    std::printf("%-44s %10d times  (goal > 0)  %s\n", "10M-line paste: the list painted while read", fewestPaints,
                fewestPaints > 0 ? "OK" : "MISSED");
    ok &= fewestPaints > 0;
  }
  if (dialogs.shown) std::printf("note: %d dialogs were shown\n", dialogs.shown);

  form.SetEndProgram([] {});
  return ok ? 0 : 1;
}
