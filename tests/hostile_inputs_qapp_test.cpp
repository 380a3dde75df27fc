// Hostile inputs the loaders' own tests do not reach: what the file system can
// throw at a drop through the real window (pipes, devices, names with control
// characters or bytes that are not UTF-8, a file that vanishes before it is
// read), and a user who clears the list, drops again, stops the drop or closes
// the window while a tree is walked. The program must keep working, lose no
// entry and say so where a message is due.
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/DropProgress.h"
#include "app/EndProgram.h"
#include "input/DropFiles.h"
#include "input/ListFile.h"
#include "tests/support/LoaderTestKit.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::input;
using namespace tallowmere::app;

extern char** environ;

namespace {

using loadertest::RecordingEntrySink;
using loadertest::RecordingErrorSink;
using loadertest::TempTree;
using Texts = std::vector<std::string>;
using windowtest::Controls;
using windowtest::WindowTest;

class HostileWindowTest : public WindowTest {
 protected:
  // Delivers a drag of `urls` to the number list (or to `target` over it) as
  // the window system does.
  void Drop(const QList<QUrl>& urls, QWidget* target = nullptr) {
    QMimeData data;
    data.setUrls(urls);
    if (!target) target = Controls(form()).ListView1->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
  }
  void DropPaths(const Texts& paths, QWidget* target = nullptr) {
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(p)));
    Drop(urls, target);
  }
};

// --- What a dropped tree may hold -------------------------------------------

TEST_F(HostileWindowTest, PipesDevicesAndOddFileNamesInADroppedTreeNeitherBlockNorLoseEntries) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/plain.txt", "1\n");
  tree.Fifo("A/pipe.txt");  // nobody writes: a reader that opened it would wait forever
  // A character device like /dev/zero: a reader would never reach its end.
  const bool haveDevice = ::mknod(tree.Path("A/zero.txt").c_str(), S_IFCHR | 0666, ::makedev(1, 5)) == 0;
  const Texts oddNames = {"tab\there.txt", "line\nfeed.txt",  "cr\rhere.txt",     "bell\x07.txt",
                          "del\x7f.txt",   "bad\xff\xfe.txt", "half\xE2\x82.txt", "esc\x1b[31m.txt"};
  int value = 10;
  Texts expected = {"1"};
  for (const std::string& name : oddNames) {
    tree.File("A/B/" + name, std::to_string(value) + "\n");
    expected.push_back(std::to_string(value++));
  }
  Open();
  const auto start = std::chrono::steady_clock::now();
  DropPaths({a});
  const auto took = std::chrono::steady_clock::now() - start;

  Texts got = Entries();
  std::sort(got.begin() + (got.empty() ? 0 : 1), got.end());  // within B the listing order is the file system's
  std::sort(expected.begin() + 1, expected.end());
  EXPECT_EQ(got, expected);
  EXPECT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join(" | ").toStdString();
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty()) << dialogs_.ErrorReports().join(" | ").toStdString();
  EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(took).count(), 10);
  if (!haveDevice) GTEST_LOG_(INFO) << "no device node could be made here; the pipe was still tried";
}

TEST_F(HostileWindowTest, PipesAndDevicesDroppedThemselvesAreRefusedWithAMessage) {
  TempTree tree;
  const std::string pipe = tree.Fifo("pipe");
  const std::string after = tree.File("after.txt", "7\n");
  Open();
  DropPaths({pipe, "/dev/zero", "/dev/urandom", after});
  EXPECT_EQ(Entries(), Texts{"7"});
  // Each notice names its path on a second line (in a drop of many, which
  // one) and why it was not read.
  EXPECT_EQ(dialogs_.Messages(),
            (QStringList{"File not found\n" + QString::fromStdString(pipe) + ": not a regular file",
                         "File not found\n/dev/zero: not a regular file",
                         "File not found\n/dev/urandom: not a regular file"}));
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
}

TEST_F(HostileWindowTest, DroppedFilesWithControlCharactersOrInvalidBytesInTheirNamesAreRead) {
  TempTree tree;
  const Texts names = {"tab\there.txt", "new\nline.txt", "bad\xff.txt", "lone\x80.txt", "esc\x1b.txt"};
  Texts paths, expected;
  for (std::size_t i = 0; i < names.size(); ++i) {
    paths.push_back(tree.File(names[i], std::to_string(100 + i) + "\n"));
    expected.push_back(std::to_string(100 + i));
  }
  // The desktop sends file URLs with every byte of the name percent-encoded
  // (text/uri-list); build them the same way rather than through a QString,
  // which cannot hold bytes that are not UTF-8.
  QList<QUrl> urls;
  for (const std::string& p : paths)
    urls << QUrl::fromEncoded("file://" + QByteArray::fromStdString(p).toPercentEncoding("/"));
  Open();
  Drop(urls);
  EXPECT_EQ(Entries(), expected);
  EXPECT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join(" | ").toStdString();
}

// A file system that lets a named file vanish the moment the drop has
// decided to read it: between the walk and the read.
class VanishingFileSystem final : public system::FileSystem {
 public:
  explicit VanishingFileSystem(std::string victim) : victim_(std::move(victim)) {}
  unsigned Attributes(const std::string& path) override {
    const unsigned attributes = real_.Attributes(path);
    if (path == victim_) ::unlink(path.c_str());
    return attributes;
  }
  bool Exists(const std::string& path) override { return real_.Exists(path); }
  bool IsRegularFile(const std::string& path) override { return real_.IsRegularFile(path); }
  bool IsRoot(const std::string& path) override { return real_.IsRoot(path); }
  std::vector<std::string> SubFolderNames(const std::string& folder) override { return real_.SubFolderNames(folder); }
  std::vector<std::string> FileNames(const std::string& folder) override { return real_.FileNames(folder); }

 private:
  system::FileSystem& real_ = system::RealFileSystem();
  std::string victim_;
};

TEST(HostileDrop, AFileDeletedBetweenTheWalkAndTheReadIsNotFoundAndTheRestIsRead) {
  TempTree tree;
  const std::string a = tree.Folder("A");
  tree.File("A/B/before.txt", "1\n");
  const std::string victim = tree.File("A/C/victim.txt", "2\n");
  tree.File("A/C/D/after.txt", "3\n");
  VanishingFileSystem fs(victim);
  RecordingEntrySink sink;
  RecordingErrorSink errors;
  Texts messages;
  DropHost ctx{sink, errors, [&](const std::string& p, NotRead) { messages.push_back(FileNotFoundText(p)); }, {}, fs};
  ReadDroppedPaths({a}, ctx);
  EXPECT_FALSE(std::filesystem::exists(victim)) << "the file never vanished: the test proves nothing";
  EXPECT_EQ(sink.entries, (Texts{"1", "3"}));
  EXPECT_EQ(messages, Texts{"File not found\n" + victim});
  EXPECT_TRUE(errors.reports.empty());
}

// --- The user acts while a tree is walked --------------------------------------

// A tree big enough that its walk lets window events run many times (a walk
// of 400 folders took 6 ms here, within one interval of the event pump).
std::string BuildWideTree(TempTree& tree, int folders, Texts& order) {
  const std::string top = tree.Folder("Wide");
  for (int i = 0; i < folders; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "Wide/f%04d", i);
    tree.File(std::string(name) + "/n.txt", std::to_string(1000 + i) + "\n");
  }
  // The walk reads folder by folder in listing order.
  for (const std::string& sub : system::RealFileSystem().SubFolderNames(top))
    order.push_back(std::to_string(1000 + std::atoi(sub.c_str() + 1)));
  return top;
}

TEST_F(HostileWindowTest, ClearingTheListAndDroppingAgainDuringAWalkLoseNothingAfterwards) {
  TempTree tree;
  Texts order;
  const std::string top = BuildWideTree(tree, 3000, order);
  const std::string extra = tree.File("extra.txt", "-5\n");
  Open();
  AddEntries({"42"});
  bool acted = false, wasRunning = false;
  std::size_t sizeBeforeClear = 0;
  QTimer::singleShot(0, [&] {
    acted = true;
    wasRunning = form().CommandRunning();
    sizeBeforeClear = form().NumberList().Count();
    Controls(form()).PushButton1->click();  // "Clear List": the drop set no busy pointer
    DropPaths({extra});
  });
  DropPaths({top});
  ASSERT_TRUE(acted);
  ASSERT_TRUE(wasRunning) << "the user's actions came after the walk, not during it";

  // What the walk had read before the clear is gone with "42"; the nested
  // drop's entry comes next, then everything the walk read after it, in order.
  const Texts got = Entries();
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.front(), "-5");
  const Texts rest(got.begin() + 1, got.end());
  ASSERT_LE(rest.size(), order.size());
  EXPECT_EQ(rest, Texts(order.end() - static_cast<std::ptrdiff_t>(rest.size()), order.end()));
  EXPECT_EQ(rest.size() + (sizeBeforeClear - 1), order.size())
      << "entries read before the clear plus those after must be the whole tree";
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());

  // The window still works: the analysis counts what the list holds.
  Controls(form()).PushButton7->click();
  ASSERT_FALSE(ResultRows().isEmpty());
  EXPECT_EQ(ResultRows().front(), QStringLiteral("The number of entries is: %1").arg(got.size()));
}

// --- A long drop shows how far it has come and can be stopped ----------------

// The drops' clock stands still unless the test moves it, and window events
// run at every chance a drop gives them (not at most every 10 ms), so a timer
// of the test sees every step of the drop.
class LongDropTest : public HostileWindowTest {
 protected:
  Form1& OpenForALongDrop() {
    Form1& window = OpenShown();
    window.Drops().SetClock([this] { return now_; });
    window.Drops().SetEventPump([] { return std::function<void()>([] { QCoreApplication::processEvents(); }); });
    return window;
  }
  std::size_t Count() { return form().NumberList().Count(); }

  DropProgress::Clock::time_point now_{};
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

Texts Prefix(const Texts& all, std::size_t n) {
  return Texts(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n));
}

TEST_F(LongDropTest, EscOrTheStopMarkEndsALongDropAfterTheCurrentFile) {
  TempTree tree;
  Texts order;
  const std::string top = BuildWideTree(tree, 3000, order);
  const std::string small = tree.Folder("Small");
  tree.File("Small/a.txt", "7\n");
  tree.File("Small/B/b.txt", "8\n");
  const struct Row {
    const char* name;
    std::function<QWidget*(Form1&)> focus;
    const char* stopWhenShowing;
    std::size_t stopAtRead;  // while reading: stop once this many files were read
    bool click;              // the stop mark rather than Esc
    const char* notice;
    bool smallScreen = false;  // the window scrolls inside one that fits the screen
  } rows[] = {
      {"Esc in the number list while reading", [](Form1& w) -> QWidget* { return Controls(w).ListView1; },
       "Reading files: ", 1000, false, "The drop was stopped after 1,000 of 3,000 files."},
      {"Esc in the decimal places box while collecting folders",
       [](Form1& w) -> QWidget* { return Controls(w).Combo1; }, "Collecting folders: ", 0, false,
       "The drop was stopped while collecting folders; no files were read."},
      {"the stop mark while reading", [](Form1& w) -> QWidget* { return Controls(w).PushButton7; },
       "Reading files: ", 2500, true, "The drop was stopped after 2,500 of 3,000 files."},
      {"Esc in the number list of the window on a small screen",
       [](Form1& w) -> QWidget* { return Controls(w).ListView1; }, "Reading files: ", 1000, false,
       "The drop was stopped after 1,000 of 3,000 files.", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Form1& window = OpenForALongDrop();
    if (row.smallScreen) {
      window.PlaceOnScreen(QRect(0, 27, 800, 573));
      ASSERT_FALSE(window.isWindow());
      QApplication::setActiveWindow(window.window());
    }
    now_ = {};
    dialogs_.Clear();
    QWidget* focus = row.focus(window);
    focus->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QApplication::focusWidget() == focus || focus->isAncestorOf(QApplication::focusWidget()));
    DropProgressStrip* strip = window.Drops().Strip();
    PaintCounter paints;
    Controls(window).ListView1->viewport()->installEventFilter(&paints);

    std::vector<std::pair<long long, bool>> shown;  // fake ms since the drop began, strip visible
    bool stopped = false, stripAtNotice = true, busy = false;
    int rowsBehind = 0, paintsAtFirstEntry = -1, paintsWhileReading = 0;
    std::size_t readAtStop = 0;
    QString textAtStop;
    dialogs_.OnShow([&](const FakeDialogs::Shown&) { stripAtNotice = strip->isVisible(); });
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      if (!window.Drops().Running() || stopped) return;
      if (shown.size() < 4)
        shown.emplace_back(std::chrono::duration_cast<std::chrono::milliseconds>(now_.time_since_epoch()).count(),
                           strip->isVisible());
      now_ += std::chrono::milliseconds(250);
      busy = busy || window.Pointer().IsBusy();
      // What was read is in the list's rows already, not held back to the end.
      if (window.NumberList().rowCount() != static_cast<int>(Count())) ++rowsBehind;
      if (Count() > 0 && paintsAtFirstEntry < 0) paintsAtFirstEntry = paints.paints;
      const QString text = strip->Text();
      if (!strip->isVisible() || !text.startsWith(QLatin1String(row.stopWhenShowing))) return;
      if (Count() < row.stopAtRead) return;
      stopped = true;
      readAtStop = Count();
      textAtStop = text;
      if (paintsAtFirstEntry >= 0) paintsWhileReading = paints.paints - paintsAtFirstEntry;
      if (row.click)
        QTest::mouseClick(strip->StopMark(), Qt::LeftButton);
      else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    tick.start();
    DropPaths({top});
    tick.stop();
    Controls(window).ListView1->viewport()->removeEventFilter(&paints);

    ASSERT_TRUE(stopped) << "the strip never showed the moment to stop";
    // Shown only once the drop has run for more than half a second.
    EXPECT_EQ(shown, (std::vector<std::pair<long long, bool>>{{0, false}, {250, false}, {500, false}, {750, true}}));
    EXPECT_FALSE(busy) << "a drop must not make the window busy";
    if (row.stopAtRead > 0) {
      EXPECT_EQ(textAtStop,
                QStringLiteral("Reading files: %1 of 3,000 \u2014 Esc to stop").arg(GroupedCount(row.stopAtRead)));
      EXPECT_GT(paintsWhileReading, 0) << "the list was not painted while the files were read";
    } else {
      EXPECT_TRUE(textAtStop.endsWith(QStringLiteral(" \u2014 Esc to stop"))) << textAtStop.toStdString();
    }
    EXPECT_EQ(rowsBehind, 0) << "entries read were not in the list's rows while the drop ran";
    // The files read before the stop, in the walk's order, and not one more.
    EXPECT_EQ(readAtStop, row.stopAtRead);
    EXPECT_EQ(Entries(), Prefix(order, row.stopAtRead));
    EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromLatin1(row.notice)});
    EXPECT_FALSE(stripAtNotice) << "the strip must be gone when the notice opens";
    EXPECT_FALSE(strip->isVisible());
    EXPECT_FALSE(window.Drops().Running());

    // An Esc between drops leaves no stop behind: the next drop reads everything.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    DropPaths({small});
    Texts expected = Prefix(order, row.stopAtRead);
    expected.insert(expected.end(), {"7", "8"});
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(dialogs_.Messages().size(), 1);
    EXPECT_FALSE(strip->isVisible());
    // Not destroyed with the focus in the decimal places box: the box's own
    // handlers would run on the half-destroyed window as it lost the focus.
    Controls(window).ListView1->setFocus(Qt::OtherFocusReason);
    form_.reset();
  }
}

// A file that reports no size and reads without end (/proc/self/pagemap,
// given on the command line, dropped or loaded): the window keeps running
// events while it is read, shows the strip, and Esc ends the reading.
TEST_F(LongDropTest, AFileThatNeverEndsKeepsTheWindowRunningAndEscStopsIt) {
  const std::string endless = "/proc/self/pagemap";
  const struct Row {
    const char* name;
    std::function<void(Form1&)> start;
    const char* notice;
    bool busyWhileReading;  // the load command shows the busy pointer, a drop does not
  } rows[] = {
      {"given on the command line", [&](Form1& w) { w.OpenPaths({endless}); },
       "The drop was stopped part-way through file 1 of 1.", false},
      {"dropped", [&](Form1&) { DropPaths({endless}); }, "The drop was stopped part-way through file 1 of 1.", false},
      {"loaded with the button",
       [&](Form1& w) {
         dialogs_.QueueOpenFiles({QString::fromStdString(endless)});
         Controls(w).PushButton6->click();
       },
       "Loading was stopped part-way through file 1 of 1.", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Form1& window = OpenForALongDrop();
    now_ = {};
    dialogs_.Clear();
    DropProgressStrip* strip = window.Drops().Strip();
    int ticks = 0;
    bool stopped = false, busy = false, stripAtFirstTick = false;
    QString textAtStop;
    // The user takes long over the open dialog: the strip's half second
    // must still count from when the reading began.
    dialogs_.OnShow([&](const FakeDialogs::Shown& shown) {
      if (shown.kind == FakeDialogs::Kind::OpenFiles) now_ += std::chrono::seconds(10);
    });
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      if (!window.Drops().Running() || stopped) return;
      if (ticks == 0) stripAtFirstTick = strip->isVisible();
      ++ticks;
      now_ += std::chrono::milliseconds(250);
      busy = busy || window.Pointer().IsBusy();
      if (!strip->isVisible() || ticks < 10) return;
      stopped = true;
      textAtStop = strip->Text();
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Controls(window).ListView1,
                      Qt::Key_Escape);
    });
    tick.start();
    const auto began = std::chrono::steady_clock::now();
    row.start(window);
    tick.stop();
    const auto took = std::chrono::steady_clock::now() - began;

    ASSERT_TRUE(stopped) << "the window ran no events while the file was read";
    EXPECT_GE(ticks, 10);
    EXPECT_FALSE(stripAtFirstTick) << "the strip showed before the reading had run for half a second";
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(took).count(), 30);
    EXPECT_EQ(textAtStop, QStringLiteral("Reading files: 0 of 1 \u2014 Esc to stop"));
    EXPECT_EQ(busy, row.busyWhileReading);
    EXPECT_EQ(dialogs_.Messages(), QStringList{QString::fromLatin1(row.notice)});
    EXPECT_TRUE(dialogs_.ErrorReports().isEmpty()) << dialogs_.ErrorReports().join(" | ").toStdString();
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(strip->isVisible());
    EXPECT_FALSE(window.Drops().Running());
    EXPECT_FALSE(window.Pointer().IsBusy());
    dialogs_.OnShow({});
    form_.reset();
  }
}

TEST_F(LongDropTest, StoppingADropMadeDuringADropEndsOnlyTheInnerOne) {
  TempTree outerTree, innerTree;
  Texts outer, inner;
  const std::string outerTop = BuildWideTree(outerTree, 1000, outer);
  const std::string innerTop = BuildWideTree(innerTree, 300, inner);
  Form1& window = OpenForALongDrop();
  DropProgressStrip* strip = window.Drops().Strip();

  bool dropped = false, stopped = false;
  QString innerText;
  // The inner drop's own timer: the outer one does not fire again while its
  // handler (which made the inner drop) runs.
  QTimer innerTick;
  innerTick.setInterval(0);
  QObject::connect(&innerTick, &QTimer::timeout, [&] {
    now_ += std::chrono::milliseconds(100);
    if (stopped || !strip->isVisible() || Count() < 100 + 50) return;
    stopped = true;
    innerText = strip->Text();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  QTimer outerTick;
  outerTick.setInterval(0);
  QObject::connect(&outerTick, &QTimer::timeout, [&] {
    now_ += std::chrono::milliseconds(100);
    if (dropped || !strip->isVisible() || !strip->Text().startsWith(QLatin1String("Reading")) || Count() < 100) return;
    dropped = true;
    innerTick.start();
    // Dropped on the strip, which lies over the list: it lands in the list.
    DropPaths({innerTop}, strip);
    innerTick.stop();
  });
  outerTick.start();
  DropPaths({outerTop});
  outerTick.stop();

  ASSERT_TRUE(dropped);
  ASSERT_TRUE(stopped);
  EXPECT_EQ(innerText, QStringLiteral("Reading files: 50 of 300 \u2014 Esc to stop"));
  EXPECT_EQ(dialogs_.Messages(), QStringList{QStringLiteral("The drop was stopped after 50 of 300 files.")});
  // The outer drop went on to its end around the inner one's first 50 files.
  Texts expected = Prefix(outer, 100);
  const Texts innerRead = Prefix(inner, 50);
  expected.insert(expected.end(), innerRead.begin(), innerRead.end());
  expected.insert(expected.end(), outer.begin() + 100, outer.end());
  EXPECT_EQ(Entries(), expected);
  EXPECT_FALSE(strip->isVisible());
}

// The window closed in the middle of a walk must end the program at once. The
// test runs a child copy of this test program that opens the window, drops a
// big tree and closes the window from inside the walk; the child installs the
// program's ending (leave at once when a command is running, as the program's
// main does) and must exit 0 quickly, without a crash and without finishing
// the walk.
constexpr const char* kChildTreeVariable = "TALLOWMERE_HOSTILE_CLOSE_TREE";

TEST_F(HostileWindowTest, ChildClosesTheWindowDuringAWalk) {
  const char* top = std::getenv(kChildTreeVariable);
  if (!top) GTEST_SKIP() << "runs only as the child of WindowClosedDuringAWalkEndsTheProgramAtOnce";
  Form1& window = Open();
  // The program's own ending: it must end the process here, in the middle
  // of the walk; if it only left the event loop, the walk would run on.
  window.SetEndProgram([&window] {
    std::printf("window closed with %zu entries, command running: %d\n", window.NumberList().Count(),
                window.CommandRunning() ? 1 : 0);
    std::fflush(nullptr);
    EndProgram(window);
  });
  window.show();
  QTimer::singleShot(0, [&window] { window.close(); });
  DropPaths({top});
  std::printf("the walk ran to its end after the window closed\n");
  std::fflush(nullptr);
  std::_Exit(3);
}

TEST(HostileWindowClose, WindowClosedDuringAWalkEndsTheProgramAtOnce) {
  TempTree tree;
  Texts order;
  const std::string top = BuildWideTree(tree, 3000, order);
  const std::string variable = std::string(kChildTreeVariable) + "=" + top;
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  env.push_back(variable);
  env.push_back("QT_QPA_PLATFORM=offscreen");
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string self = "/proc/self/exe";
  std::string filter = "--gtest_filter=HostileWindowTest.ChildClosesTheWindowDuringAWalk";
  char* argv[] = {self.data(), filter.data(), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  ASSERT_EQ(::posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, envp.data()), 0);
  int status = 0;
  pid_t done = 0;
  while ((done = ::waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() - start < std::chrono::seconds(60))
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (done == 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    FAIL() << "the program did not end within 60 s of the window closing";
  }
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_TRUE(WIFEXITED(status)) << "the program died of signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : -1);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "3: the walk went on after the window closed";
  std::printf("window closed during a walk of %zu folders: the program ended after %lld ms (start included)\n",
              order.size(), static_cast<long long>(took.count()));
}

}  // namespace
