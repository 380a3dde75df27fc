// The work kept, on a list of 10,000,000 entries in the real window
// (offscreen): how long closing holds (the window hidden first, then the list
// written to the state folder), the next start with the list read back and
// offered, the restore, "Copy Numbers" of all entries and "Save Numbers…".
// Usage: bench_keeping [entries] [runs]   (exit status 1 when closing takes
// 1 s or more)
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/Form1.h"
#include "app/RestoreOffer.h"
#include "input/NumberListModel.h"
#include "platform/Dialogs.h"

using namespace tallowmere;

namespace {

// Dialogs that never block: the benchmark must not wait for a user.
class SilentDialogs final : public platform::Dialogs {
 public:
  QString savePath;
  void Message(const QString& text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
  void ErrorReport(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
  QString Input(const QString&) override { return {}; }
  QStringList OpenFiles(const QString&, const QStringList&) override { return {}; }
  QString SaveFile(const QString&, const QStringList&) override { return savePath; }
  bool Question(const QString&) override { return true; }
};

double Seconds(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

std::unique_ptr<app::Form1> Open(SilentDialogs& dialogs, const QString& state) {
  return std::make_unique<app::Form1>(
      numtext::Separators{".", ","}, QString(),
      app::FormServices{.dialogs = &dialogs, .spreadsheet = {}, .stateFolder = state.toStdString()});
}

// One run; false when closing held the window 1 s or more.
bool Run(std::size_t count, const QString& folder) {
  SilentDialogs dialogs;
  dialogs.savePath = folder + QStringLiteral("/saved.txt");
  const QString state = folder + QStringLiteral("/state/tallowmere");
  auto form = Open(dialogs, state);
  form->show();
  for (std::size_t i = 0; i < count; ++i)
    form->NumberList().AppendTestedText(std::to_string(i % 1'000'000) + "." + std::to_string(i % 10));
  form->NumberList().Flush();
  QApplication::processEvents();
  QElapsedTimer t;
  t.start();
  form->CopyNumbers();
  const double copy = Seconds(t);
  t.restart();
  form->SaveNumbers();
  const double save = Seconds(t);
  t.restart();
  form->Form_Unload();
  const double hidden = form->isVisible() ? -1 : 0;
  const double close = Seconds(t);
  form.reset();
  const auto fileBytes = QFileInfo(state + QStringLiteral("/kept-list")).size();
  t.restart();
  form = Open(dialogs, state);
  const double start = Seconds(t);
  const bool offered = form->KeptListOffer().Offered();
  t.restart();
  form->RestoreKeptList();
  const double restore = Seconds(t);
  std::printf(
      "%zu entries: copy %.3f s, save %.3f s, close %.3f s (hidden first: %s), kept file %.1f MB; next start %.3f s "
      "(offered: %s), restore %.3f s (%zu entries)\n",
      count, copy, save, close, hidden == 0 ? "yes" : "no", static_cast<double>(fileBytes) / 1e6, start,
      offered ? "yes" : "no", restore, form->NumberList().Count());
  return close < 1.0 && offered && form->NumberList().Count() == count;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 1;
  QTemporaryDir folder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
  bool met = true;
  for (int i = 0; i < runs; ++i) met = Run(count, folder.path()) && met;
  return met ? 0 : 1;
}
