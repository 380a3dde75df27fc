// Loading list files, dropping files and folders, pasting and dropping text,
// through the real window: the button with a scripted open dialog, keys and
// the context menu on the number list, drag events delivered to its viewport
// as the window system delivers them, and the notice each addition leaves.
#include <fcntl.h>
#include <unistd.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <functional>

#include "app/DropProgress.h"
#include "app/ListNotice.h"
#include "app/NumberListMenu.h"
#include "input/ListHistory.h"
#include "input/PastedText.h"
#include "platform/Clipboard.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::platform;
using namespace tallowmere::input;
using namespace tallowmere::app;

namespace {

using windowtest::Controls;
using windowtest::WindowTest;

class WindowLoadersTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(files_.isValid());
  }
  QString Write(const QString& relative, const QByteArray& bytes) {
    const QString path = files_.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QString Folder(const QString& relative) {
    const QString path = files_.path() + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
  }
  // Returns whether the list accepted the drag when it entered.
  bool DragAndDrop(const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    return DragAndDrop(data);
  }
  bool DragAndDrop(QMimeData& data) {
    QWidget* target = Controls(form()).ListView1->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
    return true;
  }
  // The notice's text while it shows; empty when none shows.
  QString NoticeShown() {
    const ListNotice& notice = form().Notice();
    return notice.isVisible() ? notice.text() : QString();
  }
  QTemporaryDir files_;
};

TEST_F(WindowLoadersTest, LoadButtonAppendsTheChosenFilesInDialogOrder) {
  const QString a = Write("a.txt", "1\r\n2\r\n");
  const QString b = Write("b.txt", "x\n 3 \r4");
  OpenShown();
  AddEntries({"7"});
  dialogs_.QueueOpenFiles({b, a});
  Controls(form()).PushButton6->click();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", " 3 ", "4", "1", "2"}));
  EXPECT_EQ(NoticeShown(), "Added 4 numbers from 2 files; 1 line was not a number (first: \"x\").");
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
  EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
  EXPECT_NE(form().cursor().shape(), Qt::WaitCursor);
}

TEST_F(WindowLoadersTest, CancelledLoadChangesNothing) {
  OpenShown();
  AddEntries({"7"});
  Controls(form()).PushButton6->click();  // no queued answer: the dialog is cancelled
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7"}));
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
}

TEST_F(WindowLoadersTest, DroppedFilesAndFolderTreesAreReadInOrder) {
  const QString one = Write("one.txt", "1\n");
  Write("tree/a.txt", "10\n");
  Write("tree/~skip.txt", "99\n");
  Write("tree/B/b.txt", "20\n");
  Write("tree/B/D/d.txt", "40\n");
  const QString two = Write("two.txt", "2\nnot a number\n");
  OpenShown();
  ASSERT_TRUE(DragAndDrop({one, Folder("tree"), two}));
  // Breadth first: the dropped folder, then B, then D. (Sibling folders come
  // in the file system's listing order, which is not fixed here.)
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1", "10", "20", "40", "2"}));
  EXPECT_EQ(NoticeShown(), "Added 5 numbers from 5 files; 1 line was not a number (first: \"not a number\").");
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
}

TEST_F(WindowLoadersTest, MissingDroppedPathIsReportedAndTheDropGoesOn) {
  const QString one = Write("one.txt", "5\n");
  OpenShown();
  ASSERT_TRUE(DragAndDrop({files_.path() + "/gone.txt", one}));
  // "File not found", then the path on a line of its own.
  EXPECT_EQ(dialogs_.Messages(), QStringList{"File not found\n" + files_.path() + "/gone.txt"});
  EXPECT_EQ(Entries(), (std::vector<std::string>{"5"}));
}

// A folder of a dropped tree that cannot be walked (here: its path is too
// long to be opened, the one such case a test running as root can make) is
// left out, and the notice says so after what was added.
TEST_F(WindowLoadersTest, AFolderOfADroppedTreeThatCannotBeWalkedIsTold) {
  Write("tree/a.txt", "1\n");
  Write("tree/Open/o.txt", "2\n");
  const std::string top = Folder("tree/deep").toStdString();
  const std::string name(255, 'd');
  int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY);
  std::size_t length = top.size();
  std::vector<int> chain;
  while (fd >= 0 && length < 4200) {
    chain.push_back(fd);
    if (::mkdirat(fd, name.c_str(), 0755) != 0) break;
    fd = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    length += name.size() + 1;
  }
  ASSERT_GE(length, 4200u);
  chain.push_back(fd);
  OpenShown();
  ASSERT_TRUE(DragAndDrop({Folder("tree")}));
  const QString told = NoticeShown();
  // Taken down from the bottom: no path to the deepest folders can be opened.
  for (std::size_t i = chain.size() - 1; i > 0; --i) {
    ::close(chain[i]);
    ::unlinkat(chain[i - 1], name.c_str(), AT_REMOVEDIR);
  }
  ::close(chain.front());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(
      told.startsWith(QStringLiteral("Added 2 numbers from 2 files.\n1 folder could not be read and was left "
                                     "out: \"ddd")))
      << told.toStdString();
  EXPECT_TRUE(told.endsWith(QStringLiteral("\" (File name too long)."))) << told.toStdString();
}

// A drag with a local file is a drop of files, whatever text it carries too;
// one with text, or with links only, is read as pasted text; one with
// neither is refused.
TEST_F(WindowLoadersTest, DroppedTextIsReadAsPastedAndFilesComeFirst) {
  const QString file = Write("one.txt", "5\nfive\n");
  const struct {
    const char* name;
    QString text;
    QList<QUrl> urls;
    QByteArray other;  // data of another kind only
    bool accepted;
    std::vector<std::string> entries;
    QString notice;
  } rows[] = {
      {"a column",
       "Weight\n61.5\n70.2",
       {},
       {},
       true,
       {"61.5", "70.2"},
       "Added 2 numbers from the dropped text; 1 item was not a number (first: \"Weight\")."},
      // Cells of several rows are a table, which opens the table dialog.
      {"the cells of a row",
       "1\t2\t3\t4\r\n",
       {},
       {},
       true,
       {"1", "2", "3", "4"},
       "Added 4 numbers from the dropped text."},
      {"a file with text beside it",
       "1\n2",
       {QUrl::fromLocalFile(file)},
       {},
       true,
       {"5"},
       "Added 1 number from one.txt; 1 line was not a number (first: \"five\")."},
      {"a link only",
       {},
       {QUrl("https://example.org/3")},
       {},
       true,
       {},
       "The dropped text holds no numbers: its only item is not a number in this locale (first: "
       "\"https://example.org/3\")."},
      {"neither", {}, {}, "\x89PNG", false, {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    OpenShown();
    QMimeData data;
    if (!row.text.isNull()) data.setText(row.text);
    if (!row.urls.isEmpty()) data.setUrls(row.urls);
    if (!row.other.isEmpty()) data.setData("image/png", row.other);
    EXPECT_EQ(DragAndDrop(data), row.accepted);
    EXPECT_EQ(Entries(), row.entries);
    EXPECT_EQ(NoticeShown(), row.notice);
    EXPECT_TRUE(dialogs_.Messages().isEmpty());
  }
}

// Ctrl+V, Shift+Insert and the context menu's item append the clipboard's
// numbers after what the list holds.
TEST_F(WindowLoadersTest, PasteAppendsTheClipboardsNumbers) {
  const struct {
    const char* name;
    std::function<void(Form1&)> paste;
  } ways[] = {
      {"Ctrl+V", [](Form1& f) { QTest::keyClick(Controls(f).ListView1, Qt::Key_V, Qt::ControlModifier); }},
      {"Shift+Insert", [](Form1& f) { QTest::keyClick(Controls(f).ListView1, Qt::Key_Insert, Qt::ShiftModifier); }},
      {"the context menu",
       [](Form1& f) {
         // Undo, Redo and a separator come first; the removal of the
         // entries that are not numbers, a separator and "Show
         // Distribution…" after.
         f.ListView1_ContextMenu(QPoint(5, 5));
         QMenu* menu = f.ListMenu().Menu();
         const QList<QAction*> items = menu->actions();
         ASSERT_EQ(items.size(), 8);
         EXPECT_TRUE(items[2]->isSeparator());
         EXPECT_EQ(items[3]->text(), kPasteNumbersItem);
         EXPECT_EQ(items[4]->text(), "Remove Entries That Are Not Numbers");
         EXPECT_FALSE(items[4]->isEnabled());  // "7" is a number
         EXPECT_EQ(items[5]->text(), QString::fromUtf8("Open Table\u2026"));
         EXPECT_TRUE(items[6]->isSeparator());
         EXPECT_EQ(items[7]->text(), QString::fromUtf8("Show Distribution\u2026"));
         EXPECT_TRUE(items[3]->isEnabled());
         menu->hide();
         items[3]->trigger();
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    OpenShown();
    AddEntries({"7"});
    ASSERT_TRUE(ClipboardSetText(QStringLiteral("Weight\r\n61.5\r\n70.2\r\n")));
    Controls(form()).ListView1->setFocus();
    way.paste(form());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "61.5", "70.2"}));
    EXPECT_EQ(NoticeShown(), "Added 2 numbers from the clipboard; 1 item was not a number (first: \"Weight\").");
    // The notice neither takes the focus nor moves a control.
    EXPECT_TRUE(Controls(form()).ListView1->hasFocus());
    EXPECT_EQ(form().Notice().geometry().bottom(), Controls(form()).ListView1->viewport()->rect().bottom());
    EXPECT_TRUE(dialogs_.Messages().isEmpty());
  }
  ClipboardClear();
}

TEST_F(WindowLoadersTest, EveryAdditionLeavesANoticeThatFades) {
  const QString file = Write("weights.csv", "Weight\n61.5\n");
  const struct {
    const char* name;
    std::function<void()> add;
    QString notice;  // empty: none
  } rows[] = {
      {"the sample series", [this] { Controls(form()).PushButton2->click(); }, "Added the 4 sample numbers."},
      {"typed pieces",
       [this] {
         dialogs_.QueueInput(QStringLiteral("1, 2,3"));
         Controls(form()).PushButton3->click();
       },
       "Added 3 numbers."},
      {"typed pieces, one not a number",
       [this] {
         dialogs_.QueueInput(QStringLiteral("1, 2,x"));
         Controls(form()).PushButton3->click();
       },
       "Added 3 numbers. 1 entry is not a number and counts as 0: \"x\"."},
      {"typed pieces, several not numbers",
       [this] {
         dialogs_.QueueInput(QStringLiteral("10, 20, n/a, 42 kg,  "));
         Controls(form()).PushButton3->click();
       },
       "Added 5 numbers. 3 entries are not numbers and count as 0, 42 and 0: \"n/a\", \"42 kg\", \"\"."},
      {"a cancelled prompt", [this] { Controls(form()).PushButton3->click(); }, {}},
      {"one file loaded",
       [this, file] {
         dialogs_.QueueOpenFiles({file});
         Controls(form()).PushButton6->click();
       },
       "Added 1 number from weights.csv; 1 line was not a number (first: \"Weight\")."},
      {"a cancelled dialog", [this] { Controls(form()).PushButton6->click(); }, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    OpenShown();
    row.add();
    EXPECT_EQ(NoticeShown(), row.notice);
  }
  // Gone after its time, without a click.
  OpenShown();
  form().Notice().SetTimes(std::chrono::milliseconds(50), std::chrono::milliseconds(50));
  Controls(form()).PushButton2->click();
  ASSERT_TRUE(form().Notice().isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form().Notice().isVisible(); }, 5000));
}

// A long paste is stopped as a drop is (Esc, or the strip's stop mark), and
// says how far it came.
TEST_F(WindowLoadersTest, ALongPasteCanBeStopped) {
  QString text;
  while (text.size() < 3 * kPastedBlockCharacters) text += QStringLiteral("12345\n");
  OpenShown();
  form().Drops().SetEventPump([this] { return [this] { form().Drops().StopInnermost(); }; });
  form().PasteNumbers(text, AdditionSource::kClipboard);
  // The first block only, without the line it cut.
  const auto firstBlock = static_cast<std::size_t>(kPastedBlockCharacters / 6);
  EXPECT_EQ(Entries().size(), firstBlock);
  EXPECT_EQ(dialogs_.Messages(), QStringList{QStringLiteral("Pasting was stopped part-way through the text; %1 "
                                                            "numbers were added.")
                                                 .arg(GroupedCount(firstBlock))});
  EXPECT_EQ(NoticeShown(), QString());
}

TEST_F(WindowLoadersTest, DroppedNumbersAreAnalysed) {
  const QString list = Write("list.txt", "2\n4\n4\n5\n");
  OpenShown();
  ASSERT_TRUE(DragAndDrop({list}));
  Controls(form()).PushButton7->click();
  const QStringList rows = ResultRows();
  ASSERT_EQ(rows.size(), 12);
  EXPECT_EQ(rows[6], "The mean is: 3.75");
  EXPECT_EQ(rows[4], "The mode is: 4");
}

// A file counts as its writer meant it, in the user's locale, whether it is
// loaded or dropped; the list shows each line as it stands in the file.
TEST_F(WindowLoadersTest, FilesCountAsWrittenInTheUserLocale) {
  const numtext::Separators english{".", ","};
  const numtext::Separators german{",", "."};
  const struct {
    const char* name;
    numtext::Separators sep;
    QByteArray file;
    std::vector<std::string> entries;
    const char* meanRow;
  } rows[] = {
      {"English, grouped",
       english,
       "Amount\n1,234.5\n12,345\n2.5\n",
       {"1,234.5", "12,345", "2.5"},
       "The mean is: 4527.333"},
      // Only the decimal comma reads "1,5": 1.5, not cut to 1.
      {"English, a decimal comma", english, "1,5\n2\n", {"1,5", "2"}, "The mean is: 1.75"},
      {"German, decimal commas", german, "Gewicht\r\n61,5\r\n70,25\r\n", {"61,5", "70,25"}, "The mean is: 65,875"},
      {"German, grouped and points",
       german,
       "1.234,5\n1.234.567\n1.5\n",
       {"1.234,5", "1.234.567", "1.5"},
       "The mean is: 411934,333"},
  };
  for (const auto& row : rows) {
    for (const bool drop : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (drop ? ", dropped" : ", loaded"));
      const QString path = Write("numbers.csv", row.file);
      OpenShown(row.sep);
      if (drop) {
        ASSERT_TRUE(DragAndDrop({path}));
      } else {
        dialogs_.QueueOpenFiles({path});
        Controls(form()).PushButton6->click();
      }
      EXPECT_EQ(Entries(), row.entries);
      Controls(form()).PushButton7->click();
      const QStringList rows = ResultRows();
      ASSERT_EQ(rows.size(), 12);
      EXPECT_EQ(rows[6], row.meanRow);
      EXPECT_TRUE(dialogs_.ErrorReports().isEmpty());
      // Cleared and brought back by undo, the entries count as before.
      EXPECT_EQ(form().NumberList().History().UndoName(), drop ? kDropStep : kLoadNumbersStep);
      Controls(form()).PushButton1->click();
      form().UndoListChange();
      EXPECT_EQ(Entries(), row.entries);
      Controls(form()).PushButton7->click();
      EXPECT_EQ(ResultRows().value(6), row.meanRow);
    }
  }
}

TEST_F(WindowLoadersTest, PathsFromTheCommandLineAreUndoneAsADrop) {
  const QString a = Write("a.txt", "1\n2\n");
  const QString b = Write("b.txt", "3\n");
  OpenShown();
  Controls(form()).PushButton2->click();
  form().OpenPaths({a.toStdString(), b.toStdString()});
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "15", "61", "100", "1", "2", "3"}));
  EXPECT_EQ(form().NumberList().History().UndoName(), kDropStep);
  form().UndoListChange();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7", "15", "61", "100"}));
  EXPECT_EQ(form().NumberList().History().UndoName(), kSampleNumbersStep);
}

// What a long drop says: on its strip while it runs, in a notice when it was
// stopped. Counts are grouped with ',' whatever the locale.
TEST(DropProgressTexts, SayWhereTheDropIsWithGroupedCounts) {
  using P = DropPhase;
  const struct {
    DropState state;
    const char* strip;
    const char* notice;
    const char* loadNotice;  // when "Load Numbers From File" stopped there (it only reads files)
  } rows[] = {
      {{P::kCollectingFolders, 0, 0, 0, true},
       "Collecting folders: 0 \u2014 Esc to stop",
       "The drop was stopped while collecting folders; no files were read.",
       nullptr},
      {{P::kCollectingFolders, 1240, 0, 1, true},
       "Collecting folders: 1,240 \u2014 Esc to stop",
       "The drop was stopped while collecting folders; 1 file was read.",
       nullptr},
      {{P::kCollectingFiles, 6100, 45210, 1000, true},
       "Collecting files: 45,210 \u2014 Esc to stop",
       "The drop was stopped while collecting files; 1,000 files were read.",
       nullptr},
      {{P::kReadingFiles, 6100, 120000, 5600, true},
       "Reading files: 5,600 of 120,000 \u2014 Esc to stop",
       "The drop was stopped after 5,600 of 120,000 files.",
       "Loading was stopped after 5,600 of 120,000 files."},
      {{P::kReadingFiles, 0, 1, 0, true},
       "Reading files: 0 of 1 \u2014 Esc to stop",
       "The drop was stopped after 0 of 1 file.",
       "Loading was stopped after 0 of 1 file."},
      {{P::kReadingFiles, 0, 1234567, 999, true},
       "Reading files: 999 of 1,234,567 \u2014 Esc to stop",
       "The drop was stopped after 999 of 1,234,567 files.",
       "Loading was stopped after 999 of 1,234,567 files."},
      // The stop came inside a file (one that never ends, or a long one).
      {{P::kReadingFiles, 0, 1, 1, true, true},
       "Reading files: 1 of 1 \u2014 Esc to stop",
       "The drop was stopped part-way through file 1 of 1.",
       "Loading was stopped part-way through file 1 of 1."},
      {{P::kReadingFiles, 10, 2500, 1234, true, true},
       "Reading files: 1,234 of 2,500 \u2014 Esc to stop",
       "The drop was stopped part-way through file 1,234 of 2,500.",
       "Loading was stopped part-way through file 1,234 of 2,500."},
  };
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // would group with '.'
  for (const auto& row : rows) {
    EXPECT_EQ(DropProgressText(row.state), QString::fromUtf8(row.strip));
    EXPECT_EQ(DropStoppedNotice(row.state), QString::fromUtf8(row.notice));
    if (row.loadNotice) {
      EXPECT_EQ(LoadStoppedNotice(row.state), QString::fromUtf8(row.loadNotice));
    }
  }
  QLocale::setDefault(before);
}

}  // namespace
