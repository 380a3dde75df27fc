// "Load Numbers From File": the dialog as shown, files read in the dialog's
// order, missing files, failures reported under the command's labels, the
// busy pointer, and the paths the dialog's result gives.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/ListFile.h"
#include "input/LoadFilesCommand.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;
using namespace tallowmere::platform;

namespace {

using loadertest::RecordingEntrySink;
using loadertest::RecordingErrorSink;
using loadertest::Report;
using loadertest::TempTree;
using Texts = std::vector<std::string>;

struct Outcome {
  Texts entries;
  QStringList messages;
  std::vector<Report> reports;
  std::vector<bool> busy;
  int dialogsShown = 0;
};

Outcome Click(Dialogs& dialogs, RecordingEntrySink& sink) {
  RecordingErrorSink errors;
  Outcome run;
  LoadFilesHost host{dialogs, sink, errors, [&](bool busy) { run.busy.push_back(busy); }};
  LoadNumbersFromFiles(host);
  run.entries = sink.entries;
  run.reports = errors.reports;
  return run;
}

Outcome ClickChoosing(const QStringList& chosen) {
  FakeDialogs dialogs;
  if (!chosen.isEmpty()) dialogs.QueueOpenFiles(chosen);
  RecordingEntrySink sink;
  Outcome run = Click(dialogs, sink);
  run.messages = dialogs.Messages();
  run.dialogsShown = static_cast<int>(dialogs.Texts(FakeDialogs::Kind::OpenFiles).size());
  return run;
}

QString Q(const std::string& path) { return QString::fromStdString(path); }

TEST(LoadNumbersFromFiles, ShowsTheDialogWithItsTitleAndFilters) {
  FakeDialogs dialogs;
  RecordingEntrySink sink;
  Click(dialogs, sink);
  ASSERT_EQ(dialogs.AllShown().size(), 1u);
  EXPECT_EQ(dialogs.AllShown()[0].kind, FakeDialogs::Kind::OpenFiles);
  EXPECT_EQ(dialogs.AllShown()[0].text, "Load List(s) - Hold Ctrl to select multiple list files");
  EXPECT_EQ(dialogs.LastFilters(),
            (QStringList{"Text Files (*.txt)", "All Files (*)", "Tables (*.csv *.tsv *.ods *.xlsx)"}));
}

TEST(LoadNumbersFromFiles, CancellingChangesNothing) {
  Outcome run = ClickChoosing({});
  EXPECT_EQ(run.dialogsShown, 1);
  EXPECT_TRUE(run.entries.empty());
  EXPECT_TRUE(run.busy.empty()) << "the pointer must stay as it was";
  EXPECT_TRUE(run.messages.isEmpty());
  EXPECT_TRUE(run.reports.empty());
}

TEST(LoadNumbersFromFiles, ReadsTheChosenFilesInTheDialogsOrder) {
  TempTree tree;
  const std::string a = tree.File("a.txt", "1\r\n2\r\n");
  const std::string b = tree.File("b.txt", "3\n");
  const std::string c = tree.File("c.txt", " 4 \rabc\r5\r");
  const std::string other = tree.File("elsewhere/d.txt", "6\n");
  struct Case {
    const char* name;
    QStringList chosen;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {"one file", {Q(b)}, {"3"}},
      {"three files", {Q(c), Q(a), Q(b)}, {" 4 ", "5", "1", "2", "3"}},
      {"files of two folders", {Q(other), Q(a)}, {"6", "1", "2"}},
      {"the same file twice", {Q(b), Q(b)}, {"3", "3"}},
  };
  for (const Case& c : cases) {
    Outcome run = ClickChoosing(c.chosen);
    EXPECT_EQ(run.entries, c.expected) << c.name;
    EXPECT_EQ(run.busy, (std::vector<bool>{true, false})) << c.name;
    EXPECT_TRUE(run.messages.isEmpty()) << c.name;
    EXPECT_TRUE(run.reports.empty()) << c.name;
  }
}

TEST(LoadNumbersFromFiles, LetsWindowEventsRunWhileALongFileIsRead) {
  TempTree tree;
  std::string lines;
  while (lines.size() < 3 * kReadBlockBytes + 100) lines += std::to_string(lines.size()) + ".25\n";
  const std::string large = tree.File("large.txt", lines);
  const std::string small = tree.File("small.txt", "1\n2\n");
  const std::size_t largeEntries = static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
  struct Case {
    const char* name;
    QStringList chosen;
    std::size_t minRuns, maxRuns;
    std::size_t entries;  // every line, the large file's read a block ahead
  };
  const std::vector<Case> cases = {
      {"a small file: none", {Q(small)}, 0, 0, 2},
      {"a file of four blocks: after each block", {Q(large)}, 3, 4, largeEntries},
      {"small, large, small", {Q(small), Q(large), Q(small)}, 3, 4, largeEntries + 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDialogs dialogs;
    dialogs.QueueOpenFiles(c.chosen);
    RecordingEntrySink sink;
    RecordingErrorSink errors;
    std::vector<std::size_t> entriesAtRuns;
    LoadFilesHost host{dialogs, sink, errors, [](bool) {}, {}, [&] { entriesAtRuns.push_back(sink.entries.size()); }};
    LoadNumbersFromFiles(host);
    EXPECT_TRUE(errors.reports.empty());
    ASSERT_EQ(sink.entries.size(), c.entries);
    if (c.minRuns > 0) {
      // The large file's last line, in its place.
      const std::size_t lastStart = lines.rfind('\n', lines.size() - 2) + 1;
      EXPECT_EQ(sink.entries[c.entries - 1 - (c.chosen.size() > 1 ? 2 : 0)],
                lines.substr(lastStart, lines.size() - 1 - lastStart));
    }
    EXPECT_GE(entriesAtRuns.size(), c.minRuns);
    EXPECT_LE(entriesAtRuns.size(), c.maxRuns);
    // Each run comes with more of the file read; the first, early in it.
    for (std::size_t k = 0; k < entriesAtRuns.size(); ++k) {
      if (k > 0) {
        EXPECT_GT(entriesAtRuns[k], entriesAtRuns[k - 1]);
      }
      EXPECT_LE(entriesAtRuns[k], sink.entries.size());
    }
    if (!entriesAtRuns.empty()) {
      EXPECT_LT(entriesAtRuns.front(), largeEntries / 2);
    }
  }
}

TEST(LoadNumbersFromFiles, AStopInsideALongFileEndsTheCommandThere) {
  TempTree tree;
  std::string lines;
  Texts firstBlock;
  for (int i = 0; lines.size() < 3 * kReadBlockBytes; ++i) {
    const std::string line = std::to_string(i) + ".5";
    if (lines.size() + line.size() + 1 <= kReadBlockBytes) firstBlock.push_back(line);
    lines += line + "\n";
  }
  const std::string large = tree.File("large.txt", lines);
  const std::string small = tree.File("small.txt", "1\n2\n");
  Texts all = {"1", "2"};
  for (std::size_t at = 0; at < lines.size();) {
    const std::size_t end = lines.find('\n', at);
    all.push_back(lines.substr(at, end - at));
    at = end + 1;
  }
  all.insert(all.end(), {"1", "2"});
  Texts cut = {"1", "2"};
  cut.insert(cut.end(), firstBlock.begin(), firstBlock.end());
  struct Case {
    const char* name;
    int stopAtRun;  // the run of events after which the user stops (0: never)
    Texts entries;
    std::size_t read;
    bool stopped;
  };
  const std::vector<Case> cases = {
      {"stopped at the first chance: the whole lines read so far stay", 1, cut, 2, true},
      {"never stopped", 0, all, 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDialogs dialogs;
    dialogs.QueueOpenFiles({Q(small), Q(large), Q(small)});
    RecordingEntrySink sink;
    RecordingErrorSink errors;
    int runs = 0, askedAfterYes = 0;
    bool said = false;
    std::vector<bool> busy;
    LoadFilesHost host{dialogs,
                       sink,
                       errors,
                       [&](bool b) { busy.push_back(b); },
                       {},
                       [&] { ++runs; },
                       {},
                       [&] {
                         if (said) ++askedAfterYes;
                         said = c.stopAtRun > 0 && runs >= c.stopAtRun;
                         return said;
                       }};
    const DropState end = LoadNumbersFromFiles(host);
    EXPECT_EQ(sink.entries, c.entries);
    EXPECT_EQ(end.stopped, c.stopped);
    EXPECT_EQ(end.fileCut, c.stopped);
    EXPECT_EQ(end.filesRead, c.read);
    EXPECT_EQ(end.filesFound, 3u);
    EXPECT_EQ(askedAfterYes, 0) << "a stop is final";
    EXPECT_EQ(busy, (std::vector<bool>{true, false})) << "the pointer must come back after a stop";
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_TRUE(errors.reports.empty());
  }
}

TEST(LoadNumbersFromFiles, AMissingFileIsNotFoundAndTheNextIsRead) {
  TempTree tree;
  const std::string a = tree.File("a.txt", "1\n");
  const std::string b = tree.File("b.txt", "2\n");
  const std::string missing = tree.Path("typed-name.txt");
  const std::string pipe = tree.Fifo("pipe");
  struct Case {
    const char* name;
    QStringList chosen;
    Texts expected;
    std::string notFound;  // the path the notice names, and why when it is there but no file
  };
  const std::vector<Case> cases = {
      {"only a missing file", {Q(missing)}, {}, missing},
      {"missing in the middle", {Q(a), Q(missing), Q(b)}, {"1", "2"}, missing},
      {"a folder chosen", {Q(tree.Root())}, {}, tree.Root() + ": not a regular file"},
      {"a FIFO among files", {Q(a), Q(pipe), Q(b)}, {"1", "2"}, pipe + ": not a regular file"},
  };
  for (const Case& c : cases) {
    Outcome run = ClickChoosing(c.chosen);
    EXPECT_EQ(run.entries, c.expected) << c.name;
    // "File not found", and the path (with why) on a line of its own.
    EXPECT_EQ(run.messages, QStringList{Q("File not found\n" + c.notFound)}) << c.name;
    EXPECT_EQ(run.busy, (std::vector<bool>{true, false})) << c.name;
    EXPECT_TRUE(run.reports.empty()) << c.name;
  }
}

TEST(LoadNumbersFromFiles, AFileThatCannotBeReadIsReportedUnderItsCallingLine) {
  TempTree tree;
  const std::string locked = tree.File("locked.txt", "1\n");
  ::chmod(locked.c_str(), 0000);
  const std::string open = tree.File("open.txt", "2\n");
  auto describe = [](const Outcome& run) {
    std::string out = loadertest::Joined(run.entries) + " busy";
    for (bool b : run.busy) out += b ? " on" : " off";
    for (const Report& r : run.reports) out += " [" + r.description + " " + r.location + std::to_string(r.label) + "]";
    return out;
  };
  const std::string single = loadertest::RunUnprivileged([&] { return describe(ClickChoosing({Q(locked)})); });
  EXPECT_EQ(single,
            " busy on off [" + locked + ": Permission denied in Tallowmere2021/08/31.Form1.PushButton6_Click 120]");
  const std::string several = loadertest::RunUnprivileged([&] {
    return describe(ClickChoosing({Q(locked), Q(open)}));
  });
  EXPECT_EQ(several,
            "2 busy on off [" + locked + ": Permission denied in Tallowmere2021/08/31.Form1.PushButton6_Click 134]");
}

class FailingDialogs final : public Dialogs {
 public:
  void Message(const QString&) override {}
  void ErrorReport(const QString&) override {}
  QString Input(const QString&) override { return {}; }
  QStringList OpenFiles(const QString&, const QStringList&) override {
    throw std::runtime_error("Common dialog function failed");
  }
  QString SaveFile(const QString&, const QStringList&) override { return {}; }
};

TEST(LoadNumbersFromFiles, AFailingDialogIsReportedAndNothingIsRead) {
  FailingDialogs dialogs;
  RecordingEntrySink sink;
  Outcome run = Click(dialogs, sink);
  EXPECT_EQ(run.reports, (std::vector<Report>{{"Common dialog function failed", kLoadFilesLocation, 108}}));
  EXPECT_TRUE(run.entries.empty());
  EXPECT_TRUE(run.busy.empty());
}

// Notes how many entries were still held back each time a box was shown.
class PendingAtMessage final : public Dialogs {
 public:
  PendingAtMessage(const RecordingEntrySink& sink, QStringList chosen) : sink_(sink), chosen_(std::move(chosen)) {}
  std::vector<std::size_t> pending;
  void Message(const QString&) override { pending.push_back(sink_.pending); }
  void ErrorReport(const QString&) override { pending.push_back(sink_.pending); }
  QString Input(const QString&) override { return {}; }
  QStringList OpenFiles(const QString&, const QStringList&) override { return chosen_; }
  QString SaveFile(const QString&, const QStringList&) override { return {}; }

 private:
  const RecordingEntrySink& sink_;
  QStringList chosen_;
};

TEST(LoadNumbersFromFiles, MakesEntriesVisibleBeforeAMessageAndAtTheEnd) {
  TempTree tree;
  const std::string a = tree.File("a.txt", "1\n2\n");
  RecordingEntrySink sink;
  PendingAtMessage dialogs(sink, {Q(a), Q(tree.Path("missing")), Q(a)});
  Outcome run = Click(dialogs, sink);
  EXPECT_EQ(dialogs.pending, std::vector<std::size_t>{0});
  EXPECT_EQ(sink.pending, 0u);
  EXPECT_EQ(run.entries, (Texts{"1", "2", "1", "2"}));
}

TEST(DialogFileNames, GivesThePathsAsTheCommandReadsThem) {
  struct Case {
    const char* name;
    QStringList chosen;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {"nothing chosen", {}, {}},
      {"one file: its path as given", {"/data/x.txt"}, {"/data/x.txt"}},
      {"one file, untidy: as given", {"/data//x.txt"}, {"/data//x.txt"}},
      {"two files of one folder", {"/data/x.txt", "/data/y.txt"}, {"/data/x.txt", "/data/y.txt"}},
      {"the root folder", {"/x.txt", "/y.txt"}, {"/x.txt", "/y.txt"}},
      {"two folders", {"/a/x.txt", "/b/y.txt"}, {"/a/x.txt", "/b/y.txt"}},
      {"several, untidy: absolute and clean", {"/a//x.txt", "/b/../c/y.txt"}, {"/a/x.txt", "/c/y.txt"}},
      {"a name beyond ASCII", {QString::fromUtf8("/d/caf\xC3\xA9.txt"), "/d/z"}, {"/d/caf\xC3\xA9.txt", "/d/z"}},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogFileNames(c.chosen), c.expected) << c.name;
}

}  // namespace
