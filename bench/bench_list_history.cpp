// Undo and redo of the number list at scale, in the real window (offscreen):
//   "Clear List" on 10,000,000 entries, then undo (goal: under 0.5 s, the
//   list shown again) and redo; the resident memory after each, which stays
//   where it was: the history keeps the cleared list itself, not a copy;
//   a 10,000,000-entry addition to a short list undone and redone (the short
//   part is copied, the rest changes owner), and one to a list as long as
//   itself (the worst case: ten million entries copied).
// Each time runs from the key to the list painted. Best of the runs.
// Usage: bench_list_history [runs]   (exit status 1 when undoing the clear
// takes 0.5 s or more)
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "input/ListHistory.h"
#include "input/NumberListModel.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::input;
using namespace tallowmere::app;

namespace {

constexpr std::size_t kEntries = 10'000'000;

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

void Shown(Form1& form) {
  QApplication::processEvents();
  form.findChild<QTableView*>(QStringLiteral("ListView1"))->viewport()->repaint();
}

// Seconds from the call to the list painted.
double Timed(Form1& form, const std::function<void()>& action) {
  QElapsedTimer timer;
  timer.start();
  action();
  Shown(form);
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void Fill(NumberListModel& list, std::size_t count) {
  std::vector<std::string> texts;  // typical list-file lines
  for (int i = 0; i < 1000; ++i) texts.push_back(std::to_string(i * 7 % 1000) + "." + std::to_string(i % 97));
  for (std::size_t i = 0; i < count; ++i) list.AppendTestedText(texts[i % texts.size()]);
}

bool Expect(bool condition, const char* what) {
  if (!condition) std::fprintf(stderr, "wrong list after %s\n", what);
  return condition;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "default.warning=false");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

  QTemporaryDir settings, programFolder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  Form1 form(numtext::Separators{}, programFolder.path());
  form.show();
  Shown(form);
  NumberListModel& list = form.NumberList();
  bool right = true;

  {
    NumberListModel::Change change(list, kLoadNumbersStep);
    Fill(list, kEntries);
  }
  Shown(form);
  form.findChild<QTableView*>(QStringLiteral("ListView1"))->scrollToBottom();
  Shown(form);
  const long filled = ResidentKilobytes();
  double clear = 1e9, undo = 1e9, redo = 1e9;
  long afterClear = 0, afterUndo = 0;
  for (int run = 0; run < runs; ++run) {
    clear = std::min(clear, Timed(form, [&] { form.PushButton1_Click(); }));
    afterClear = ResidentKilobytes();
    right &= Expect(list.Count() == 0, "Clear List");
    undo = std::min(undo, Timed(form, [&] { form.UndoListChange(); }));
    afterUndo = ResidentKilobytes();
    right &= Expect(
        list.Count() == kEntries &&
            form.findChild<QTableView*>(QStringLiteral("ListView1"))->model()->rowCount() == static_cast<int>(kEntries),
        "undo of Clear List");
    redo = std::min(redo, Timed(form, [&] { form.RedoListChange(); }));
    right &= Expect(list.Count() == 0, "redo of Clear List");
    form.UndoListChange();
    Shown(form);
  }
  std::printf("10,000,000 entries, resident %ld MB\n", filled / 1024);
  std::printf("%-40s %8.3f s  (resident %+ld MB)\n", "Clear List", clear, (afterClear - filled) / 1024);
  std::printf("%-40s %8.3f s  (resident %+ld MB)  goal < 0.5 s  %s\n", "undo of Clear List", undo,
              (afterUndo - filled) / 1024, undo < 0.5 ? "OK" : "MISSED");
  std::printf("%-40s %8.3f s\n", "redo of Clear List", redo);

  // An addition of ten million entries to a short list: undo cuts them off
  // and keeps them, redo puts them back.
  form.PushButton1_Click();
  form.PushButton2_Click();
  Shown(form);
  double cut = 1e9, back = 1e9;
  for (int run = 0; run < runs; ++run) {
    {
      NumberListModel::Change change(list, kLoadNumbersStep);
      Fill(list, kEntries);
    }
    Shown(form);
    cut = std::min(cut, Timed(form, [&] { form.UndoListChange(); }));
    right &= Expect(list.Count() == 4, "undo of the addition");
    back = std::min(back, Timed(form, [&] { form.RedoListChange(); }));
    right &= Expect(list.Count() == kEntries + 4 && list.Text(kEntries + 3) == list.Text(kEntries + 3 - 1000),
                    "redo of the addition");
    form.UndoListChange();
    Shown(form);
  }
  std::printf("%-40s %8.3f s\n", "undo of a 10,000,000-entry addition", cut);
  std::printf("%-40s %8.3f s\n", "redo of a 10,000,000-entry addition", back);

  // The same addition to a list of ten million: half the list is copied.
  {
    NumberListModel::Change change(list, kLoadNumbersStep);
    Fill(list, kEntries - 4);
  }
  Shown(form);
  double halfCut = 1e9, halfBack = 1e9;
  for (int run = 0; run < runs; ++run) {
    {
      NumberListModel::Change change(list, kLoadNumbersStep);
      Fill(list, kEntries);
    }
    Shown(form);
    halfCut = std::min(halfCut, Timed(form, [&] { form.UndoListChange(); }));
    right &= Expect(list.Count() == kEntries, "undo of the addition to ten million");
    halfBack = std::min(halfBack, Timed(form, [&] { form.RedoListChange(); }));
    right &= Expect(list.Count() == 2 * kEntries, "redo of the addition to ten million");
    form.UndoListChange();
    Shown(form);
  }
  std::printf("%-40s %8.3f s\n", "undo of it added to 10,000,000 entries", halfCut);
  std::printf("%-40s %8.3f s\n", "redo of it added to 10,000,000 entries", halfBack);
  if (!right) return 2;
  return undo < 0.5 ? 0 : 1;
}
