// A table pasted or dropped as text (a range copied from a spreadsheet)
// opens the table dialog: one column of it is appended as one paste step
// with the notice naming "the pasted table", several go where a file's do,
// and a single row or column is read as today. An unclosed quoted field is
// told after the reading, for a file and for a paste.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "app/CompareModel.h"
#include "app/CompareWindow.h"
#include "app/DropProgress.h"
#include "app/ListNotice.h"
#include "app/NumberListMenu.h"
#include "app/PastedTable.h"
#include "app/TableDialog.h"
#include "input/PastedText.h"
#include "platform/Clipboard.h"
#include "system/BlockReader.h"
#include "tests/support/LoaderTestKit.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using windowtest::Controls;
using windowtest::WindowTest;

namespace {

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

// A range as Calc copies it: a header, then 32 rows of id, weight, height
// and group, tab-separated; rows 5 and 17 have "n/a" for a weight.
struct Range {
  QString text;
  std::vector<std::string> weights;  // the weights that are numbers, as written
};

Range CalcRange(bool decimalComma, const char* lineEnd = "\n") {
  Range range;
  range.text = QStringLiteral("id\tweight\theight\tgroup") + QLatin1String(lineEnd);
  for (int i = 1; i <= 32; ++i) {
    QString weight = QStringLiteral("%1%2%3").arg(50 + i).arg(decimalComma ? ',' : '.').arg(i % 10);
    if (i == 5 || i == 17)
      weight = QStringLiteral("n/a");
    else
      range.weights.push_back(weight.toStdString());
    range.text += QStringLiteral("%1\t%2\t%3\t%4").arg(i).arg(weight).arg(160 + i).arg(i % 2 ? 'A' : 'B') +
                  QLatin1String(lineEnd);
  }
  return range;
}

// Acts on the table dialog from inside its modal loop, once it shows; and
// says whether it showed. Watches while it lives.
class TableDialogWatch {
 public:
  explicit TableDialogWatch(std::function<void(TableDialog&)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<TableDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      timer_.stop();
      seen_ = true;
      act_(*dialog);
    });
    timer_.start(10);
  }
  bool Seen() const { return seen_; }

 private:
  std::function<void(TableDialog&)> act_;
  QTimer timer_;
  bool seen_ = false;
};

void Tick(TableDialog& dialog, const QString& column) {
  const QList<QStandardItem*> found = dialog.Columns()->findItems(column, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << column.toStdString();
  found.front()->setCheckState(Qt::Checked);
}

// Whether the dialog shows `text` as a label (where a file's name stands).
bool ShowsLabel(const TableDialog& dialog, const QString& text) {
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    if (label->text() == text) return true;
  return false;
}

CompareWindow* ShownCompareWindow() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* compare = qobject_cast<CompareWindow*>(top); compare && compare->isVisible()) return compare;
  return nullptr;
}

// How a text reaches the list.
enum class Way { kCtrlV, kPasteCall, kDrop };

class PastedTableTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(files_.isValid());
  }
  void TearDown() override {
    platform::ClipboardClear();
    WindowTest::TearDown();
  }
  QString NoticeShown() {
    const ListNotice& notice = form().Notice();
    return notice.isVisible() ? notice.text() : QString();
  }
  QString Undo() { return UndoItemText(form().NumberList().History()); }
  void Give(const QString& text, Way way) {
    switch (way) {
      case Way::kCtrlV:
        ASSERT_TRUE(platform::ClipboardSetText(text));
        Controls(form()).ListView1->setFocus();
        QTest::keyClick(Controls(form()).ListView1, Qt::Key_V, Qt::ControlModifier);
        break;
      case Way::kPasteCall:
        form().PasteNumbers(text, AdditionSource::kClipboard);
        break;
      case Way::kDrop:
        Drop(text);
        break;
    }
  }
  void Drop(const QString& text) {
    QMimeData data;
    data.setText(text);
    QWidget* target = Controls(form()).ListView1->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    // A table's dialog opens once the drop has ended.
    QTest::qWait(50);
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = files_.path() + QLatin1Char('/') + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QTemporaryDir files_;
};

struct DetectCase {
  const char* name;
  QString text;
  bool table;
};

TEST_F(PastedTableTest, OnlyTextOfSeveralRowsAndColumnsIsATable) {
  const std::vector<DetectCase> cases = {
      {"a Calc range", CalcRange(false).text, true},
      {"a German Calc's range", CalcRange(true).text, true},
      {"CR LF line ends", CalcRange(false, "\r\n").text, true},
      {"two rows of CSV", "a,b\n1,2\n", true},
      {"two rows of numbers", "1\t2\t3\n4\t5\t6", true},
      {"one row", "1\t2\t3", false},
      {"one row with its line end", "1\t2\t3\n", false},
      {"one row and blank lines", "1\t2\t3\r\n\r\n\n", false},
      {"a column with a header", "weight\n61.5\n70.2\n", false},
      {"a German column", "61,5\n70,2\n55\n", false},
      {"one number", "61.5", false},
      {"nothing", "", false},
  };
  for (const DetectCase& c : cases) EXPECT_EQ(LooksLikePastedTable(c.text, kEnglish), c.table) << c.name;
}

TEST_F(PastedTableTest, TheTextIsHeldInUtf8WholeWhereverItsBlocksEnd) {
  const QString smile = QString::fromUtf8("\U0001F600");
  const struct {
    const char* name;
    QString text;
  } cases[] = {
      {"ASCII", "a\tb\n1\t2\n"},
      {"beyond ASCII", QString::fromUtf8("Größe\t重さ\n1\t2\n")},
      {"a pair of surrogates across the first block's end",
       QString(input::kPastedBlockCharacters - 1, QLatin1Char('a')) + smile + QStringLiteral("b\n")},
      {"three blocks and more", QString(3 * input::kPastedBlockCharacters + 7, QLatin1Char('x'))},
  };
  for (const auto& c : cases) {
    const std::shared_ptr<const std::string> held = PastedTableText(c.text);
    ASSERT_TRUE(held) << c.name;
    EXPECT_EQ(*held, c.text.toUtf8().toStdString()) << c.name;
  }
}

struct PasteCase {
  const char* name;
  Range range;
  numtext::Separators user;
  Way way;
  int decimal;  // the decimal box's guess: 1 point, 2 comma
  QString notice;
  QString undo;
};

TEST_F(PastedTableTest, APastedTablesColumnIsAppendedAsOneStepThatUndoTakesBack) {
  const QString notice =
      "Added 30 numbers from column \"weight\" of the pasted table; 2 cells were not numbers (first: \"n/a\").";
  const std::vector<PasteCase> cases = {
      {"a Calc range by Ctrl+V", CalcRange(false), kEnglish, Way::kCtrlV, 1, notice, "Undo Paste"},
      {"a German Calc's range", CalcRange(true), kEnglish, Way::kPasteCall, 2, notice, "Undo Paste"},
      {"a German Calc's range for a German user", CalcRange(true), kGerman, Way::kCtrlV, 2, notice, "Undo Paste"},
      {"CR LF line ends", CalcRange(false, "\r\n"), kEnglish, Way::kPasteCall, 1, notice, "Undo Paste"},
      {"a range dropped as text", CalcRange(false), kEnglish, Way::kDrop, 1,
       "Added 30 numbers from column \"weight\" of the dropped table; 2 cells were not numbers (first: \"n/a\").",
       "Undo Drop"},
  };
  for (const PasteCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown(c.user);
    AddEntries({"7"});
    const QString source = c.way == Way::kDrop ? "the dropped table" : "the pasted table";
    const TableDialogWatch watch([&](TableDialog& dialog) {
      EXPECT_EQ(dialog.DelimiterBox()->currentText(), "Tab");
      EXPECT_TRUE(dialog.HeaderBox()->isChecked());
      EXPECT_EQ(dialog.DecimalBox()->currentIndex(), c.decimal);
      EXPECT_TRUE(ShowsLabel(dialog, source));
      EXPECT_EQ(dialog.EncodingBox()->currentText(), "UTF-8");
      EXPECT_FALSE(dialog.EncodingBox()->isEnabled()) << "the text came as characters";
      EXPECT_EQ(dialog.Preview()->model()->index(0, 1).data().toString(), QString::fromStdString(c.range.weights[0]));
      Tick(dialog, "weight");
      dialog.OpenButton()->click();
    });
    Give(c.range.text, c.way);
    EXPECT_TRUE(watch.Seen());
    std::vector<std::string> expected = {"7"};
    expected.insert(expected.end(), c.range.weights.begin(), c.range.weights.end());
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(NoticeShown(), c.notice);
    EXPECT_EQ(Undo(), c.undo);
    EXPECT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join('|').toStdString();
    form().UndoListChange();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"7"}));
  }
}

struct PlainCase {
  const char* name;
  QString text;
  numtext::Separators user;
  QString notice;
};

// The text read as characters, as before tables could be pasted.
std::vector<std::string> ReadAsCharacters(const QString& text, const numtext::Separators& user) {
  loadertest::RecordingEntrySink sink;
  EXPECT_TRUE(input::ReadPastedCharacters(sink, text, user));
  return sink.entries;
}

TEST_F(PastedTableTest, OneColumnOrOneRowIsReadAsCharactersWithoutTheDialog) {
  const std::vector<PlainCase> cases = {
      {"a Calc column with a header", "Weight\r\n61.5\r\n70.2\r\n", kEnglish,
       "Added 2 numbers from the clipboard; 1 item was not a number (first: \"Weight\")."},
      {"a German column", "61,5\n70,2\n55\n", kGerman, "Added 3 numbers from the clipboard."},
      {"a German column for an English user", "61,5\n70,2\n55\n", kEnglish,
       "Added 3 numbers from the clipboard; 2 items were read with a decimal comma (first: \"61,5\")."},
      {"a Calc row", "10\t20\t30", kEnglish, "Added 3 numbers from the clipboard."},
      {"a row with a header cell", "Weight\t61.5\t70.2\n", kEnglish,
       "Added 2 numbers from the clipboard; 1 item was not a number (first: \"Weight\")."},
      {"one number", "61.5", kEnglish, "Added 1 number from the clipboard."},
  };
  for (const Way way : {Way::kCtrlV, Way::kDrop}) {
    for (const PlainCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (way == Way::kDrop ? " dropped" : " pasted"));
      OpenShown(c.user);
      AddEntries({"7"});
      const TableDialogWatch watch([](TableDialog& dialog) { dialog.reject(); });
      Give(c.text, way);
      EXPECT_FALSE(watch.Seen());
      std::vector<std::string> expected = {"7"};
      const std::vector<std::string> read = ReadAsCharacters(c.text, c.user);
      expected.insert(expected.end(), read.begin(), read.end());
      EXPECT_EQ(Entries(), expected);
      QString notice = c.notice;
      if (way == Way::kDrop) notice.replace("the clipboard", "the dropped text");
      EXPECT_EQ(NoticeShown(), notice);
      EXPECT_EQ(Undo(), way == Way::kDrop ? "Undo Drop" : "Undo Paste");
    }
  }
}

TEST_F(PastedTableTest, ACancelledDialogAddsNothing) {
  for (const Way way : {Way::kCtrlV, Way::kDrop}) {
    SCOPED_TRACE(way == Way::kDrop ? "dropped" : "pasted");
    OpenShown();
    AddEntries({"7"});
    const TableDialogWatch watch([](TableDialog& dialog) {
      Tick(dialog, "weight");
      dialog.reject();
    });
    Give(CalcRange(false).text, way);
    EXPECT_TRUE(watch.Seen());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"7"}));
    EXPECT_EQ(Undo(), "Undo");
    EXPECT_EQ(NoticeShown(), QString());
    EXPECT_TRUE(dialogs_.Messages().isEmpty());
  }
}

struct HookCase {
  const char* name;
  QStringList ticked;
  QString split;  // empty: none
  std::vector<std::size_t> columns;
  std::optional<std::size_t> group;
};

TEST_F(PastedTableTest, SeveralColumnsOrASplitGoToTheHookWithTheText) {
  const std::vector<HookCase> cases = {
      {"weight and height", {"weight", "height"}, {}, {1, 2}, std::nullopt},
      {"weight split by group", {"weight"}, "group", {1}, 3},
  };
  const Range range = CalcRange(true);
  for (const HookCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown();
    std::vector<TableChoice> heard;
    form().SetTableChoiceHook([&heard](const TableChoice& choice) { heard.push_back(choice); });
    const TableDialogWatch watch([&c](TableDialog& dialog) {
      for (const QString& column : c.ticked) Tick(dialog, column);
      if (!c.split.isEmpty()) dialog.SplitBox()->setCurrentText(c.split);
      dialog.OpenButton()->click();
    });
    form().PasteNumbers(range.text, AdditionSource::kClipboard);
    EXPECT_TRUE(watch.Seen());
    ASSERT_EQ(heard.size(), 1u);
    ASSERT_TRUE(heard[0].text);
    EXPECT_EQ(*heard[0].text, range.text.toUtf8().toStdString());
    EXPECT_TRUE(heard[0].path.empty());
    EXPECT_EQ(heard[0].columns, c.columns);
    EXPECT_EQ(heard[0].group, c.group);
    EXPECT_EQ(heard[0].layout.delimiter, std::optional<char>('\t'));
    EXPECT_EQ(heard[0].layout.decimal, input::DecimalConvention::kComma);
    EXPECT_TRUE(Entries().empty());
  }
}

TEST_F(PastedTableTest, SeveralPastedColumnsOpenACompareWindow) {
  const Range range = CalcRange(true);
  OpenShown();
  const TableDialogWatch watch([](TableDialog& dialog) {
    Tick(dialog, "weight");
    dialog.SplitBox()->setCurrentText("group");
    dialog.OpenButton()->click();
  });
  form().PasteNumbers(range.text, AdditionSource::kClipboard);
  EXPECT_TRUE(watch.Seen());
  CompareWindow* window = ShownCompareWindow();
  ASSERT_NE(window, nullptr);
  const results::CompareTable& table = window->Model().Table();
  ASSERT_EQ(table.Columns().size(), 2u);
  EXPECT_EQ(table.Columns()[0].heading, "weight: A");
  EXPECT_EQ(table.Columns()[1].heading, "weight: B");
  // Rows 5 and 17 (group A) have no weight; 51,1 is the first of A's.
  EXPECT_EQ(table.Columns()[0].values.size(), 14u);
  EXPECT_EQ(table.Columns()[1].values.size(), 16u);
  EXPECT_DOUBLE_EQ(table.Columns()[0].values.front(), 51.1);
  EXPECT_TRUE(Entries().empty());
  delete window;
}

struct UnclosedCase {
  const char* name;
  bool paste;
  QStringList ticked;
  QString message;
  std::vector<std::string> entries;   // one column: what the list holds after
  std::vector<std::size_t> compared;  // several: each compared list's count
};

TEST_F(PastedTableTest, AnUnclosedQuoteIsToldOnceAndWhatCameBeforeIsKept) {
  const QByteArray file = "name,weight,height\nann,61.5,170\nbob,55,182\ncid,\"70.2,165\ndan,80,175\n";
  // Tabs quote nothing: the pasted table is a CSV's text.
  const QString pasted = QString::fromUtf8(file);
  const QString told = ": line 4: the quoted field begun here is not closed before the end of the file; it is left out";
  const std::vector<UnclosedCase> cases = {
      {"a file's column", false, {"weight"}, "lab.csv" + told, {"61.5", "55"}, {}},
      {"a file's two columns", false, {"weight", "height"}, "lab.csv" + told, {}, {2, 2}},
      {"a pasted column", true, {"weight"}, "the pasted table" + told, {"61.5", "55"}, {}},
      {"two pasted columns", true, {"weight", "height"}, "the pasted table" + told, {}, {2, 2}},
  };
  const QString path = Write("lab.csv", file);
  for (const UnclosedCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown();
    dialogs_.Clear();
    const TableDialogWatch watch([&c](TableDialog& dialog) {
      for (const QString& column : c.ticked) Tick(dialog, column);
      dialog.OpenButton()->click();
    });
    if (c.paste)
      form().PasteNumbers(pasted, AdditionSource::kClipboard);
    else
      form().OpenTableFile(path);
    EXPECT_TRUE(watch.Seen());
    EXPECT_EQ(dialogs_.Messages().join('|').toStdString(), c.message.toStdString());
    EXPECT_EQ(Entries(), c.entries);
    CompareWindow* window = ShownCompareWindow();
    ASSERT_EQ(window != nullptr, !c.compared.empty());
    if (!window) continue;
    const results::CompareTable& table = window->Model().Table();
    ASSERT_EQ(table.Columns().size(), c.compared.size());
    for (std::size_t k = 0; k < c.compared.size(); ++k) EXPECT_EQ(table.Columns()[k].values.size(), c.compared[k]) << k;
    delete window;
  }
}

struct LongCase {
  const char* name;
  bool stop;  // Esc between the text's blocks
};

TEST_F(PastedTableTest, ALongPastedTableShowsTheStripAndCanBeStopped) {
  // Three blocks and more of rows of ten bytes.
  constexpr int kRows = 350000;
  QString text = QStringLiteral("id\tw\n");
  text.reserve(kRows * 10 + 5);
  for (int i = 0; i < kRows; ++i) text += QString::number(100000 + i).right(4) + QStringLiteral("\t61.5\n");
  // The rows whole in the first block of bytes, the one it cuts left out.
  const std::size_t firstBlock = (system::kReadBlockBytes - 5) / 10;
  for (const LongCase& c : {LongCase{"stopped", true}, LongCase{"read to its end", false}}) {
    SCOPED_TRACE(c.name);
    OpenShown();
    dialogs_.Clear();
    AddEntries({"7"});
    // Every look at the clock finds a second gone: the strip shows at once.
    auto now = std::make_shared<DropProgress::Clock::time_point>();
    form().Drops().SetClock([now] { return *now += std::chrono::seconds(1); });
    QStringList strip;
    form().Drops().SetEventPump([this, &strip, &c] {
      return [this, &strip, &c] {
        strip << form().Drops().Strip()->Text();
        if (c.stop) form().Drops().StopInnermost();
      };
    });
    const TableDialogWatch watch([](TableDialog& dialog) {
      Tick(dialog, "w");
      dialog.OpenButton()->click();
    });
    form().PasteNumbers(text, AdditionSource::kClipboard);
    EXPECT_TRUE(watch.Seen());
    ASSERT_FALSE(strip.isEmpty());
    EXPECT_TRUE(strip.front().startsWith("Reading the text: ")) << strip.front().toStdString();
    const std::vector<std::string> read = Entries();
    if (c.stop) {
      EXPECT_EQ(read.size(), firstBlock + 1);
      EXPECT_EQ(dialogs_.Messages(), QStringList{"Pasting was stopped part-way through the text; " +
                                                 GroupedCount(firstBlock) + " numbers were added."});
      EXPECT_EQ(NoticeShown(), QString());
    } else {
      EXPECT_EQ(read.size(), std::size_t{kRows} + 1);
      EXPECT_TRUE(dialogs_.Messages().isEmpty());
      EXPECT_EQ(NoticeShown(), "Added 350,000 numbers from column \"w\" of the pasted table.");
    }
    form().UndoListChange();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"7"})) << "what was read is one step";
  }
}

}  // namespace
