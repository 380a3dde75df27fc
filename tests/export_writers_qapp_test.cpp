// The text-file and clipboard writers, byte for byte.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include "platform/Clipboard.h"
#include "results/ExportWriters.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ReportListKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::platform;
using namespace tallowmere::results;

using reportlist::Make;
using reportlist::Row;
using reportlist::Spaces;
using reportlist::Text;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

QByteArray Bytes(const QString& text) { return text.toUtf8(); }

const QString kResults = QStringLiteral("Result(s)");

// ---------------------------------------------------------------------------
// The text file.

struct FileCase {
  const char* name;
  std::vector<QString> headers;
  std::vector<Row> rows;
  QString expected;  // written as UTF-8
};

class TextFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(TextFile, WritesTheExactBytes) {
  const FileCase& c = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("out.txt"));
  auto list = Make(c.headers, c.rows);
  SaveListViewAsTextFile(*list, path);
  EXPECT_EQ(ReadAll(path), Bytes(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TextFile,
    ::testing::Values(
        // An unticked row wider than the ticked ones still sets the width.
        FileCase{"TickedShortUntickedLong",
                 {kResults},
                 {{{"abc"}, true}, {{Text(22)}, false}},
                 kResults + Spaces(13) + "\t\r\n" + "abc" + Spaces(19) + "\t\r\n"},
        FileCase{"EmptyList", {kResults}, {}, "Result(s)\t\r\n"},
        FileCase{"NoneTickedPadsTheHeaderToTheLongestRow",
                 {kResults},
                 {{{"The mean is: 3.75"}, false}, {{"abc"}, false}},
                 kResults + Spaces(8) + "\t\r\n"},
        FileCase{"HeaderWiderThanEveryRow", {kResults}, {{{"ab"}, true}}, "Result(s)\t\r\nab" + Spaces(7) + "\t\r\n"},
        FileCase{"LongestTickedRowGetsOnlyItsTab",
                 {kResults},
                 {{{"The coefficient of variation is: 33.555 %"}, true}, {{"x"}, true}},
                 kResults + Spaces(32) + "\t\r\n" + "The coefficient of variation is: 33.555 %\t\r\n" + "x" +
                     Spaces(40) + "\t\r\n"},
        FileCase{"SeveralColumns",
                 {"Name", "Value", "Note"},
                 {{{"a", "12345", ""}, true}, {{"longer name", "1", "n"}, true}, {{"x", "y", "zzzz"}, false}},
                 "Name" + Spaces(7) + "\tValue\tNote\t\r\n" + "a" + Spaces(10) + "\t12345\t" + Spaces(4) + "\t\r\n" +
                     "longer name\t1" + Spaces(4) + "\tn" + Spaces(3) + "\t\r\n"},
        FileCase{"EmptyHeadersTakeTheirWidthFromTheRows",
                 {"", "B"},
                 {{{"abc", "d"}, true}, {{"", ""}, true}},
                 Spaces(3) + "\tB\t\r\n" + "abc\td\t\r\n" + Spaces(3) + "\t \t\r\n"},
        FileCase{"AllHeadersEmptyAndNoRows", {"", ""}, {}, "\t\t\r\n"},
        FileCase{"UntickedRowsLeaveNoLineButWidenTheColumns",
                 {"A", "B"},
                 {{{"1", "2"}, false}, {{"a", "b"}, true}, {{Text(6), Text(4)}, false}, {{"c", "d"}, true}},
                 "A" + Spaces(5) + "\tB" + Spaces(3) + "\t\r\n" + "a" + Spaces(5) + "\tb" + Spaces(3) + "\t\r\n" + "c" +
                     Spaces(5) + "\td" + Spaces(3) + "\t\r\n"},
        FileCase{"TrailingAndLeadingSpacesAreKept",
                 {kResults},
                 {{{"  ab  "}, true}},
                 "Result(s)\t\r\n  ab  " + Spaces(3) + "\t\r\n"},
        // Widths count characters; the file holds their UTF-8 bytes.
        FileCase{"NonAsciiTextCountsCharacters",
                 {QStringLiteral("Größe")},
                 {{{QStringLiteral("é")}, true}, {{QStringLiteral("ñandú €")}, true}},
                 QStringLiteral("Größe") + Spaces(2) + "\t\r\n" + QStringLiteral("é") + Spaces(6) + "\t\r\n" +
                     QStringLiteral("ñandú €") + "\t\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFileTarget, ReplacesAnExistingFileWithoutAsking) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.txt"));
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(5000, 'z'));
  }
  auto list = Make({kResults}, {{{"abc"}, true}});
  SaveListViewAsTextFile(*list, path);
  EXPECT_EQ(ReadAll(path), QByteArray("Result(s)\t\r\nabc      \t\r\n"));
}

TEST(TextFileTarget, UsesTheNameExactlyAsGiven) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results"));
  auto list = Make({kResults}, {});
  SaveListViewAsTextFile(*list, path);
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_FALSE(QFile::exists(path + ".txt"));
}

TEST(TextFileTarget, FailsForAFolderThatDoesNotExist) {
  QTemporaryDir dir;
  auto list = Make({kResults}, {{{"abc"}, true}});
  EXPECT_THROW(SaveListViewAsTextFile(*list, dir.filePath(QStringLiteral("missing/out.txt"))), std::exception);
}

TEST(TextFileTarget, FailsWhenTheDiskIsFull) {
  if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full here";
  auto list = Make({kResults}, {{{"abc"}, true}});
  EXPECT_THROW(SaveListViewAsTextFile(*list, QStringLiteral("/dev/full")), std::exception);
}

// What the error report says, and that a file already there is left whole.
TEST(TextFileTarget, AFailedWriteKeepsTheOldFileAndNamesTheReason) {
  QTemporaryDir dir;
  auto list = Make({kResults}, {{{QString(3000, QLatin1Char('9'))}, true}});
  const QString old = dir.filePath(QStringLiteral("old.txt"));
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept\r\n");
  }
  const struct {
    const char* name;
    QString path;
    rlim_t sizeLimit;
    std::string message;
  } cases[] = {
      {"file cut short", old, 1024, std::string("cannot write the file: ") + std::strerror(EFBIG)},
      {"device", QStringLiteral("/dev/full"), RLIM_INFINITY, "cannot create the file: not a regular file"},
      {"missing folder", dir.filePath(QStringLiteral("missing/out.txt")), RLIM_INFINITY,
       std::string("cannot create the file: ") + std::strerror(ENOENT)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string message;
    try {
      const tallowmere::test::FileSizeLimit limit(c.sizeLimit);
      SaveListViewAsTextFile(*list, c.path);
    } catch (const std::runtime_error& e) {
      message = e.what();
    }
    EXPECT_EQ(message, c.message);
  }
  EXPECT_EQ(ReadAll(old), QByteArray("kept\r\n"));
  EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

TEST(TextFileTarget, APartlyWrittenFileStaysWhenTheListChangesUnderneath) {
  // Another command empties the list while window events run, just before the
  // first row is written: the header line is already in the file.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out.txt"));
  auto list = Make({kResults}, {{{"abc"}, true}, {{"de"}, true}});
  int calls = 0;
  const int firstRowCall = 2 /* widths */ + 1 /* header */ + 1;
  auto pump = [&] {
    if (++calls == firstRowCall) list->rows.clear();
  };
  EXPECT_THROW(SaveListViewAsTextFile(*list, path, pump), std::out_of_range);
  EXPECT_EQ(ReadAll(path), QByteArray("Result(s)\t\r\n"));
}

// ---------------------------------------------------------------------------
// The clipboard text.

struct ClipCase {
  const char* name;
  std::vector<QString> headers;
  std::vector<Row> rows;
  QString expected;
};

class ClipboardText : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipboardText, IsBuiltExactly) {
  const ClipCase& c = GetParam();
  auto list = Make(c.headers, c.rows);
  EXPECT_EQ(Bytes(ClipboardTextOfListView(*list)), Bytes(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ClipboardText,
    ::testing::Values(
        ClipCase{"UntickedWider", {kResults}, {{{"abc"}, true}, {{Text(22)}, false}, {{"de"}, true}}, "abc\r\nde\r\n"},
        ClipCase{"TwoColumnsPaddedBetweenTrimmedAtTheEnd",
                 {"A", "B"},
                 {{{"a", "bb"}, true}, {{"xyz", "q"}, false}},
                 "a  \tbb\r\n"},
        ClipCase{"NoneTicked", {kResults}, {{{"abc"}, false}, {{"de"}, false}}, ""},
        ClipCase{"TrailingSpacesGoLeadingSpacesStay", {kResults}, {{{"  x  "}, true}, {{"y"}, true}}, "  x\r\ny\r\n"},
        ClipCase{"HeadersNeverWidenAColumn", {"A very long first header", "Second"}, {{{"a", "b"}, true}}, "a\tb\r\n"},
        ClipCase{"LongUntickedRowWidensThePaddingBetweenColumns",
                 {"A", "B"},
                 {{{"a", "b"}, true}, {{Text(8), "c"}, false}},
                 "a" + Spaces(7) + "\tb\r\n"},
        ClipCase{"EmptySecondTextKeepsTheFirstCellsTab",
                 {"A", "B"},
                 {{{"a", ""}, true}, {{"abc", "long"}, false}},
                 "a  \t\r\n"},
        ClipCase{"EmptyTextsOnly", {"A", "B"}, {{{"", ""}, true}}, "\t\r\n"},
        ClipCase{"NonAscii",
                 {"A", "B"},
                 {{{QStringLiteral("é"), QStringLiteral("ü ")}, true}, {{QStringLiteral("ñandú"), "x"}, false}},
                 QStringLiteral("é") + Spaces(4) + "\t" + QStringLiteral("ü") + "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Letting window events run: before every cell and every row, reading the
// list live.

struct PumpCase {
  const char* name;
  int columns, rows, ticked;
  int fileCalls, clipboardCalls;
};

class PendingEvents : public ::testing::TestWithParam<PumpCase> {};

TEST_P(PendingEvents, RunBeforeEveryCellAndRow) {
  const PumpCase& c = GetParam();
  std::vector<QString> headers(static_cast<std::size_t>(c.columns), QStringLiteral("H"));
  std::vector<Row> rows;
  for (int r = 0; r < c.rows; ++r)
    rows.push_back({std::vector<QString>(static_cast<std::size_t>(c.columns), QStringLiteral("v")), r < c.ticked});
  auto list = Make(headers, rows);
  int calls = 0;
  auto pump = [&] { ++calls; };

  QTemporaryDir dir;
  SaveListViewAsTextFile(*list, dir.filePath(QStringLiteral("out.txt")), pump);
  EXPECT_EQ(calls, c.fileCalls) << "text file";
  calls = 0;
  ClipboardTextOfListView(*list, pump);
  EXPECT_EQ(calls, c.clipboardCalls) << "clipboard";
}

// File: R*C (widths) + C (header) + R (rows) + T*C (cells of ticked rows).
// Clipboard: the same without the header.
INSTANTIATE_TEST_SUITE_P(Counts, PendingEvents,
                         ::testing::Values(PumpCase{"Empty", 1, 0, 0, 1, 0}, PumpCase{"Results", 1, 12, 3, 28, 27},
                                           PumpCase{"ThreeColumns", 3, 4, 2, 25, 22}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PendingEventsLive, ARowTickedWhileEventsRunIsWritten) {
  auto list = Make({kResults}, {{{"abc"}, false}, {{"de"}, false}});
  bool ticked = false;
  auto pump = [&] {
    if (!ticked) list->rows[1].ticked = true;
    ticked = true;
  };
  EXPECT_EQ(ClipboardTextOfListView(*list, pump), QStringLiteral("de\r\n"));
}

TEST(PendingEventsLive, AListEmptiedWhileEventsRunFailsInsteadOfReadingNothing) {
  auto list = Make({kResults}, {{{"abc"}, true}, {{"de"}, true}});
  auto pump = [&] { list->rows.clear(); };
  EXPECT_THROW(ClipboardTextOfListView(*list, pump), std::out_of_range);
}

// ---------------------------------------------------------------------------
// The clipboard itself.

QClipboard& Clip() { return *QGuiApplication::clipboard(); }

TEST(Clipboard, CopyPutsTheTextAsPlainText) {
  auto list = Make({kResults}, {{{"The mean is: 3.75  "}, true}, {{"x"}, false}, {{"y"}, true}});
  CopyListViewToClipboard(*list);
  EXPECT_EQ(Clip().text(), QStringLiteral("The mean is: 3.75\r\ny\r\n"));
}

TEST(Clipboard, AnEmptyListLeavesTheClipboardAsItWas) {
  Clip().setText(QStringLiteral("kept"));
  auto list = Make({kResults}, {});
  CopyListViewToClipboard(*list);
  EXPECT_EQ(Clip().text(), QStringLiteral("kept"));
}

TEST(Clipboard, NoneTickedLeavesTheEmptyText) {
  Clip().setText(QStringLiteral("old"));
  auto list = Make({kResults}, {{{"abc"}, false}});
  CopyListViewToClipboard(*list);
  EXPECT_EQ(Clip().text(), QString());
}

}  // namespace
