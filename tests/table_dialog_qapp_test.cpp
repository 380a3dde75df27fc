// The table dialog ("Open Table"): the layout it guesses from a file's first
// rows, and a column opened through the window's ways to it (the context
// menu, "Load Numbers From File", a drop), appended as one step that undo
// takes back, with the notice it leaves. A file of one column keeps the list
// file's way.
#include <sys/stat.h>
#include <xlsxwriter.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <set>

#include "app/CompareModel.h"
#include "app/CompareWindow.h"
#include "app/DropProgress.h"
#include "app/ListNotice.h"
#include "app/NumberListMenu.h"
#include "app/TableDialog.h"
#include "app/TableOpening.h"
#include "app/TablePreview.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using windowtest::Controls;
using windowtest::WindowTest;

namespace {

const QByteArray kLab = "id,weight,height,group\n1,61.5,170,A\n2,n/a,182,B\n3,55,165,A\n4,70.2,,B\n5,\"68.0\",175,A\n";
const QByteArray kLabGerman =
    "\xEF\xBB\xBFid;weight;height;group\r\n1;61,5;170;A\r\n2;n/a;182;B\r\n3;55;165;A\r\n4;70,2;;B\r\n"
    "5;\"68,0\";175;A\r\n";
const QByteArray kLabTabs = "id\tweight\theight\n1\t61.5\t170\n2\tn/a\t182\n3\t55\t165\n";

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

class TableDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(files_.isValid());
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = files_.path() + QLatin1Char('/') + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QString NoticeShown() {
    const ListNotice& notice = form().Notice();
    return notice.isVisible() ? notice.text() : QString();
  }
  QAction* ListMenuItem(const QString& text) {
    for (QAction* item : form().ListMenu().Menu()->actions())
      if (item->text() == text) return item;
    ADD_FAILURE() << "no item " << text.toStdString();
    return nullptr;
  }
  void Drop(const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QWidget* target = Controls(form()).ListView1->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
  }
  QTemporaryDir files_;
};

struct LayoutCase {
  const char* name;
  QByteArray bytes;
  QString delimiter;  // the delimiter box's text
  bool header;
  int decimal;  // the decimal box's row: 0 the locale's, 1 point, 2 comma
  QStringList columns;
  QString secondRowWeight;  // what the preview shows of the weight of the table's second data row
};

TEST_F(TableDialogTest, ShowsTheLayoutGuessedFromTheFirstRows) {
  const std::vector<LayoutCase> cases = {
      {"a lab's CSV", kLab, "Comma", true, 1, {"id", "weight", "height", "group"}, "n/a"},
      {"its German twin: a mark, CR LF, semicolons, decimal commas",
       kLabGerman,
       "Semicolon",
       true,
       2,
       {"id", "weight", "height", "group"},
       "n/a"},
      {"TSV", kLabTabs, "Tab", true, 1, {"id", "weight", "height"}, "n/a"},
      {"pipes without a header", "1|2.5\n3|4.5\n", "|", false, 1, {"Column 1", "Column 2"}, "4.5"},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Write("t.csv", c.bytes);
    TableDialog dialog(path, *ReadTableStart(path.toStdString()), {".", ","});
    EXPECT_EQ(dialog.windowTitle(), "Open Table");
    EXPECT_EQ(dialog.DelimiterBox()->currentText(), c.delimiter);
    EXPECT_EQ(dialog.HeaderBox()->isChecked(), c.header);
    EXPECT_EQ(dialog.DecimalBox()->currentIndex(), c.decimal);
    EXPECT_FALSE(dialog.SheetBox()->isEnabled());
    QStringList names;
    for (int i = 0; i < dialog.Columns()->rowCount(); ++i) names << dialog.Columns()->item(i)->text();
    EXPECT_EQ(names, c.columns);
    EXPECT_EQ(dialog.SplitBox()->count(), c.columns.size() + 1);
    EXPECT_EQ(dialog.Preview()->model()->index(1, 1).data().toString(), c.secondRowWeight);
    EXPECT_FALSE(dialog.OpenButton()->isEnabled()) << "nothing ticked yet";
  }
}

TEST_F(TableDialogTest, ChangedSettingsShowAtOnce) {
  const QString path = Write("lab.csv", kLab);
  TableDialog dialog(path, *ReadTableStart(path.toStdString()), {".", ","});
  QAbstractItemModel* preview = dialog.Preview()->model();
  dialog.HeaderBox()->setChecked(false);
  EXPECT_EQ(preview->index(0, 1).data().toString(), "weight") << "the header row becomes a row";
  EXPECT_EQ(dialog.Columns()->item(1)->text(), "Column 2");
  dialog.DelimiterBox()->setCurrentText("Semicolon");
  EXPECT_EQ(preview->columnCount(), 1) << "no semicolon: one column";
  dialog.DelimiterBox()->setCurrentText("Other");
  EXPECT_FALSE(dialog.OpenButton()->isEnabled()) << "no delimiter typed";
  dialog.OtherDelimiter()->setText(".");
  EXPECT_EQ(preview->index(1, 1).data().toString(), "5,170,A") << "split at the point typed";
}

struct OpenCase {
  const char* name;
  const char* file;
  QByteArray bytes;
  std::vector<std::string> appended;
  QString notice;
};

// Each way in: the context menu's item, the load button, a drop, the
// command line's one file.
enum class Way { kMenu, kLoad, kDrop, kCommandLine };

TEST_F(TableDialogTest, OneTickedColumnIsAppendedAsOneStepThatUndoTakesBack) {
  const std::vector<OpenCase> cases = {
      {"a lab's CSV",
       "lab.csv",
       kLab,
       {"61.5", "55", "70.2", "68.0"},
       "Added 4 numbers from column \"weight\" of lab.csv; 1 cell was not a number (first: \"n/a\")."},
      {"its German twin",
       "lab_de.csv",
       kLabGerman,
       {"61,5", "55", "70,2", "68,0"},
       "Added 4 numbers from column \"weight\" of lab_de.csv; 1 cell was not a number (first: \"n/a\")."},
      {"TSV",
       "lab.tsv",
       kLabTabs,
       {"61.5", "55"},
       "Added 2 numbers from column \"weight\" of lab.tsv; 1 cell was not a number (first: \"n/a\")."},
  };
  for (const Way way : {Way::kMenu, Way::kLoad, Way::kDrop, Way::kCommandLine}) {
    for (const OpenCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (way == Way::kMenu   ? " by the menu"
                                          : way == Way::kLoad ? " loaded"
                                          : way == Way::kDrop ? " dropped"
                                                              : " given on the command line"));
      const QString path = Write(c.file, c.bytes);
      OpenShown();
      AddEntries({"7"});
      const TableDialogWatch watch([](TableDialog& dialog) {
        Tick(dialog, "weight");
        ASSERT_TRUE(dialog.OpenButton()->isEnabled());
        dialog.OpenButton()->click();
      });
      if (way == Way::kDrop) {
        Drop(path);
        QTest::qWait(50);
      } else if (way == Way::kCommandLine) {
        form().OpenPaths({path.toStdString()});
      } else {
        dialogs_.QueueOpenFiles({path});
        if (way == Way::kMenu)
          ListMenuItem("Open Table\u2026")->trigger();
        else
          Controls(form()).PushButton6->click();
      }
      std::vector<std::string> expected = {"7"};
      expected.insert(expected.end(), c.appended.begin(), c.appended.end());
      EXPECT_TRUE(watch.Seen());
      EXPECT_EQ(Entries(), expected);
      EXPECT_EQ(NoticeShown(), c.notice);
      EXPECT_EQ(UndoItemText(form().NumberList().History()), "Undo Open Table");
      EXPECT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join('|').toStdString();
      form().UndoListChange();
      EXPECT_EQ(Entries(), (std::vector<std::string>{"7"}));
    }
  }
}

struct ConventionCase {
  const char* name;
  QByteArray bytes;
  numtext::Separators user;
  int decimal;  // the decimal box's row chosen; -1 keeps the guess
  std::vector<std::string> appended;
};

TEST_F(TableDialogTest, TheTablesDecimalConventionDecidesWhatItsNumbersMean) {
  const numtext::Separators english{".", ","};
  const numtext::Separators german{",", "."};
  const std::vector<ConventionCase> cases = {
      {"thousands in a table of decimal commas", "id;w\n1;61,5\n2;1.234\n", english, -1, {"61,5", "1234"}},
      {"the same for a user of decimal commas", "id;w\n1;61,5\n2;1.234\n", german, -1, {"61,5", "1234"}},
      {"the decimal point chosen: the user's own", "id;w\n1;1,234\n2;5\n", english, 1, {"1,234", "5"}},
      {"the decimal comma chosen", "id;w\n1;1,234\n2;5\n", english, 2, {"1.234", "5"}},
  };
  for (const ConventionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Write("c.csv", c.bytes);
    OpenShown(c.user);
    const TableDialogWatch watch([&c](TableDialog& dialog) {
      if (c.decimal >= 0) dialog.DecimalBox()->setCurrentIndex(c.decimal);
      Tick(dialog, "w");
      dialog.OpenButton()->click();
    });
    form().OpenTableFile(path);
    EXPECT_TRUE(watch.Seen());
    EXPECT_EQ(Entries(), c.appended);
  }
}

TEST_F(TableDialogTest, SeveralColumnsOrASplitGoToTheHookAndAppendNothing) {
  const QString path = Write("lab.csv", kLab);
  OpenShown();
  std::vector<TableChoice> heard;
  form().SetTableChoiceHook([&heard](const TableChoice& choice) { heard.push_back(choice); });
  const TableDialogWatch watch([](TableDialog& dialog) {
    Tick(dialog, "weight");
    Tick(dialog, "height");
    dialog.SplitBox()->setCurrentText("group");
    dialog.OpenButton()->click();
  });
  form().OpenTableFile(path);
  EXPECT_TRUE(watch.Seen());
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].path, path.toStdString());
  EXPECT_EQ(heard[0].columns, (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(heard[0].names, (std::vector<std::string>{"weight", "height"}));
  EXPECT_EQ(heard[0].group, std::optional<std::size_t>(3));
  EXPECT_EQ(heard[0].layout.delimiter, std::optional<char>(','));
  EXPECT_TRUE(heard[0].layout.header);
  EXPECT_TRUE(Entries().empty());
}

struct CompareCase {
  const char* name;
  QByteArray text;
  std::vector<std::string> headings;
  std::vector<std::size_t> counts;
  std::vector<double> sums;
};

// Without a hook the chosen columns, split by the group, open a compare
// window whose lists read the table's own decimal convention.
TEST_F(TableDialogTest, SeveralColumnsOrASplitOpenACompareWindow) {
  const CompareCase cases[] = {
      {"a lab's CSV",
       kLab,
       {"weight: A", "weight: B", "height: A", "height: B"},
       {3, 1, 3, 1},
       {184.5, 70.2, 510, 182}},
      {"its German twin",
       kLabGerman,
       {"weight: A", "weight: B", "height: A", "height: B"},
       {3, 1, 3, 1},
       {184.5, 70.2, 510, 182}},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Write("lab.csv", c.text);
    OpenShown();
    const TableDialogWatch watch([](TableDialog& dialog) {
      Tick(dialog, "weight");
      Tick(dialog, "height");
      dialog.SplitBox()->setCurrentText("group");
      dialog.OpenButton()->click();
    });
    form().OpenTableFile(path);
    EXPECT_TRUE(watch.Seen());
    CompareWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* compare = qobject_cast<CompareWindow*>(top); compare && compare->isVisible()) window = compare;
    ASSERT_NE(window, nullptr);
    const results::CompareTable& table = window->Model().Table();
    ASSERT_EQ(table.Columns().size(), c.headings.size());
    for (std::size_t k = 0; k < c.headings.size(); ++k) {
      EXPECT_EQ(table.Columns()[k].heading, c.headings[k]) << k;
      EXPECT_EQ(table.Columns()[k].values.size(), c.counts[k]) << k;
      double sum = 0;
      for (const double v : table.Columns()[k].values) sum += v;
      EXPECT_DOUBLE_EQ(sum, c.sums[k]) << k;
    }
    // Nothing reached the number list.
    EXPECT_TRUE(Entries().empty());
    delete window;
  }
}

// A workbook of two sheets, the table on the second.
void WriteLabWorkbook(const QString& path) {
  lxw_workbook* book = workbook_new(path.toLocal8Bit().constData());
  lxw_worksheet* notes = workbook_add_worksheet(book, "Notes");
  worksheet_write_string(notes, 0, 0, "see Lab", nullptr);
  lxw_worksheet* lab = workbook_add_worksheet(book, "Lab");
  worksheet_write_string(lab, 0, 0, "id", nullptr);
  worksheet_write_string(lab, 0, 1, "weight", nullptr);
  worksheet_write_number(lab, 1, 0, 1, nullptr);
  worksheet_write_number(lab, 1, 1, 61.5, nullptr);
  worksheet_write_number(lab, 2, 0, 2, nullptr);
  worksheet_write_string(lab, 2, 1, "n/a", nullptr);
  worksheet_write_number(lab, 3, 0, 3, nullptr);
  worksheet_write_string(lab, 3, 1, "70,2", nullptr);
  worksheet_write_number(lab, 4, 0, 4, nullptr);
  worksheet_write_number(lab, 4, 1, 55, nullptr);
  ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

TEST_F(TableDialogTest, AWorkbooksSheetIsChosenAndItsColumnAppended) {
  const QString path = files_.path() + "/lab.xlsx";
  WriteLabWorkbook(path);
  for (const Way way : {Way::kMenu, Way::kLoad, Way::kDrop}) {
    SCOPED_TRACE(way == Way::kMenu ? "by the menu" : way == Way::kLoad ? "loaded" : "dropped");
    OpenShown();
    const TableDialogWatch watch([](TableDialog& dialog) {
      EXPECT_TRUE(dialog.SheetBox()->isEnabled());
      EXPECT_FALSE(dialog.DelimiterBox()->isEnabled());
      EXPECT_FALSE(dialog.EncodingBox()->isEnabled()) << "a workbook says its own encoding";
      EXPECT_EQ(dialog.SheetBox()->currentText(), "Notes");
      dialog.SheetBox()->setCurrentText("Lab");
      EXPECT_TRUE(dialog.HeaderBox()->isChecked()) << "guessed again for the sheet";
      EXPECT_EQ(dialog.Preview()->model()->index(2, 1).data().toString(), "70,2");
      Tick(dialog, "weight");
      dialog.OpenButton()->click();
    });
    if (way == Way::kDrop) {
      Drop(path);
      QTest::qWait(50);
    } else {
      dialogs_.QueueOpenFiles({path});
      if (way == Way::kMenu)
        ListMenuItem("Open Table\u2026")->trigger();
      else
        Controls(form()).PushButton6->click();
    }
    EXPECT_TRUE(watch.Seen());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"61.5", "70,2", "55"}));
    EXPECT_EQ(NoticeShown(),
              "Added 3 numbers from column \"weight\" of lab.xlsx; 1 cell was not a number (first: \"n/a\").");
    EXPECT_EQ(UndoItemText(form().NumberList().History()), "Undo Open Table");
  }
}

TEST_F(TableDialogTest, AFileThatLooksLikeAWorkbookButIsNoneIsTold) {
  const QString path = Write("bad.xlsx", QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(600, 'x'));
  OpenShown();
  const TableDialogWatch watch([](TableDialog& dialog) { dialog.reject(); });
  dialogs_.QueueOpenFiles({path});
  ListMenuItem("Open Table\u2026")->trigger();
  QTest::qWait(30);
  EXPECT_FALSE(watch.Seen());
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_TRUE(dialogs_.Messages()[0].startsWith("bad.xlsx is damaged and could not be read ("))
      << dialogs_.Messages()[0].toStdString();
  EXPECT_EQ(dialogs_.LastFilters(), (QStringList{"Tables (*.csv *.tsv *.ods *.xlsx)", "All Files (*)"}));
}

TEST_F(TableDialogTest, CancelledDialogChangesNothing) {
  const QString path = Write("lab.csv", kLab);
  OpenShown();
  AddEntries({"7"});
  const TableDialogWatch watch([](TableDialog& dialog) { dialog.reject(); });
  form().OpenTableFile(path);
  EXPECT_TRUE(watch.Seen());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"7"}));
  EXPECT_EQ(UndoItemText(form().NumberList().History()), "Undo");
}

struct ListFileCase {
  const char* name;
  QByteArray bytes;
  std::vector<std::string> appended;
  QString notice;
};

TEST_F(TableDialogTest, FilesOfOneColumnAreReadAsListFilesWithoutTheDialog) {
  const std::vector<ListFileCase> cases = {
      {"a column with a header",
       "weight\n61.5\n70.2\n",
       {"61.5", "70.2"},
       "Added 2 numbers from w.csv; 1 line was not a number (first: \"weight\")."},
      {"a German list: a decimal comma is no delimiter",
       "61,5\n70,2\n55\n",
       {"61,5", "70,2", "55"},
       "Added 3 numbers from w.csv; 2 lines were read with a decimal comma (first: \"61,5\")."},
  };
  for (const bool dropped : {false, true}) {
    for (const ListFileCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (dropped ? " dropped" : " loaded"));
      const QString path = Write("w.csv", c.bytes);
      OpenShown();
      const TableDialogWatch watch([](TableDialog& dialog) { dialog.reject(); });
      if (dropped) {
        Drop(path);
      } else {
        dialogs_.QueueOpenFiles({path});
        Controls(form()).PushButton6->click();
      }
      QTest::qWait(30);
      EXPECT_FALSE(watch.Seen());
      EXPECT_EQ(Entries(), c.appended);
      EXPECT_EQ(NoticeShown(), c.notice);
      EXPECT_EQ(UndoItemText(form().NumberList().History()), dropped ? "Undo Drop" : "Undo Load Numbers");
    }
  }
}

TEST_F(TableDialogTest, TabReachesEveryControlAndEachHasAName) {
  const QString path = Write("lab.csv", kLab);
  TableDialog dialog(path, *ReadTableStart(path.toStdString()), {".", ","});
  dialog.DelimiterBox()->setCurrentText("Other");
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QApplication::setActiveWindow(&dialog);
  dialog.DelimiterBox()->setFocus();
  const std::vector<QWidget*> controls = {dialog.EncodingBox(), dialog.DelimiterBox(), dialog.OtherDelimiter(),
                                          dialog.HeaderBox(),   dialog.DecimalBox(),   dialog.Preview(),
                                          dialog.ColumnList(),  dialog.SplitBox()};
  std::set<QWidget*> reached;
  for (int i = 0; i < 20; ++i) {
    reached.insert(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  for (QWidget* control : controls) {
    EXPECT_TRUE(reached.count(control)) << control->metaObject()->className();
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
  }
  EXPECT_FALSE(dialog.SheetBox()->accessibleName().isEmpty());
}

struct EncodingCase {
  const char* name;
  QByteArray bytes;
  QString detected;  // the encoding box's text as the dialog opens
  QString chosen;    // the encoding then chosen; empty: the detected one kept
  QString secondColumn;
  std::set<std::string> groups;  // the labels "Gewicht" is split into by "Gruppe", as read
};

// A German table as Calc or Excel saves it on Windows, and its twins.
const QByteArray kGermanUtf8 =
    "Gewicht;Gr\xC3\xB6\xC3\x9F"
    "e;Gruppe\r\n61,5;1,70;S\xC3\xBC"
    "d\r\n70,2;1,82;Nord\r\n";
const QByteArray kGerman1252 =
    "Gewicht;Gr\xF6\xDF"
    "e;Gruppe\r\n61,5;1,70;S\xFC"
    "d\r\n70,2;1,82;Nord\r\n";

TEST_F(TableDialogTest, TheEncodingIsToldAndDecidesThePreviewAndTheRead) {
  const QString groesse = QString::fromUtf8(
      "Gr\xC3\xB6\xC3\x9F"
      "e");
  const std::string sued =
      "S\xC3\xBC"
      "d";
  // "Größe" and "Süd" in UTF-8, read as Windows-1252.
  const QString garbled = QString::fromUtf8(
      "Gr\xC3\x83\xC2\xB6\xC3\x83\xC5\xB8"
      "e");
  const QByteArray utf16 =
      QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(QString::fromUtf8(kGermanUtf8).utf16()),
                                          QString::fromUtf8(kGermanUtf8).size() * 2);
  const EncodingCase cases[] = {
      {"Windows-1252, detected", kGerman1252, "Western (Windows-1252)", "", groesse, {sued, "Nord"}},
      {"UTF-8, detected", kGermanUtf8, "UTF-8", "", groesse, {sued, "Nord"}},
      {"UTF-16 with a mark, detected", utf16, "UTF-16 (little-endian)", "", groesse, {sued, "Nord"}},
      {"UTF-8 read as Windows-1252",
       kGermanUtf8,
       "UTF-8",
       "Western (Windows-1252)",
       garbled,
       {"S\xC3\x83\xC2\xBC"
        "d",
        "Nord"}},
      // Its bytes are handed on as they are, as any list file's are.
      {"Windows-1252 read as UTF-8",
       kGerman1252,
       "Western (Windows-1252)",
       "UTF-8",
       QString::fromUtf8("Gr\xF6\xDF"
                         "e"),
       {"S\xFC"
        "d",
        "Nord"}},
  };
  for (const EncodingCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Write("german.csv", c.bytes);
    TableDialog dialog(path, *ReadTableStart(path.toStdString()), {",", "."});
    EXPECT_TRUE(dialog.EncodingBox()->isEnabled());
    EXPECT_EQ(dialog.EncodingBox()->currentText(), c.detected);
    if (!c.chosen.isEmpty()) dialog.EncodingBox()->setCurrentText(c.chosen);
    EXPECT_EQ(dialog.DelimiterBox()->currentText(), "Semicolon");
    ASSERT_EQ(dialog.Columns()->rowCount(), 3);
    EXPECT_EQ(dialog.Columns()->item(1)->text(), c.secondColumn);
    EXPECT_EQ(dialog.Preview()->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), c.secondColumn);
    Tick(dialog, "Gewicht");
    dialog.SplitBox()->setCurrentIndex(3);
    std::vector<input::ColumnEntries> blocks;
    ASSERT_TRUE(ReadChosenColumns(dialog.Choice(), {",", "."}, blocks, {}, {}, {}));
    std::set<std::string> groups;
    for (const input::ColumnEntries& block : blocks) groups.insert(block.group.value_or("(none)"));
    EXPECT_EQ(groups, c.groups);
  }
}

// Whether `condition` holds within a second, events running meanwhile.
bool Eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 100 && !condition(); ++i) QTest::qWait(10);
  return condition();
}

struct MnemonicCase {
  const char* name;
  Qt::Key key;
  std::function<QWidget*(const TableDialog&)> control;
};

TEST_F(TableDialogTest, AltLettersReachTheControlsAndSpaceTicksAColumn) {
  const QString path = Write("lab.csv", kLab);
  TableDialog dialog(path, *ReadTableStart(path.toStdString()), {".", ","});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QApplication::setActiveWindow(&dialog);
  const std::vector<MnemonicCase> cases = {
      {"Encoding", Qt::Key_N, [](const TableDialog& d) -> QWidget* { return d.EncodingBox(); }},
      {"Delimiter", Qt::Key_D, [](const TableDialog& d) -> QWidget* { return d.DelimiterBox(); }},
      {"Decimal separator", Qt::Key_E, [](const TableDialog& d) -> QWidget* { return d.DecimalBox(); }},
      {"Preview", Qt::Key_V, [](const TableDialog& d) -> QWidget* { return d.Preview(); }},
      {"Columns", Qt::Key_L, [](const TableDialog& d) -> QWidget* { return d.ColumnList(); }},
      {"Split by", Qt::Key_S, [](const TableDialog& d) -> QWidget* { return d.SplitBox(); }},
      {"First row is a header", Qt::Key_H, [](const TableDialog& d) -> QWidget* { return d.HeaderBox(); }},
  };
  for (const MnemonicCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTest::keyClick(&dialog, c.key, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), c.control(dialog));
  }
  // A button's Alt letter clicks it as a short press shows.
  EXPECT_TRUE(Eventually([&] { return !dialog.HeaderBox()->isChecked(); })) << "Alt+H toggles the header off";
  QTest::keyClick(&dialog, Qt::Key_L, Qt::AltModifier);
  QTest::keyClick(dialog.ColumnList(), Qt::Key_Down);
  QTest::keyClick(dialog.ColumnList(), Qt::Key_Space);
  EXPECT_EQ(dialog.Columns()->item(1)->checkState(), Qt::Checked);
  EXPECT_TRUE(dialog.OpenButton()->isEnabled());
  QTest::keyClick(&dialog, Qt::Key_O, Qt::AltModifier);
  EXPECT_TRUE(Eventually([&] { return dialog.result() == QDialog::Accepted; }));
  EXPECT_EQ(dialog.Choice().columns, std::vector<std::size_t>{1});
}

struct TableLikeCase {
  const char* name;
  QByteArray bytes;
  bool table;
};

TEST_F(TableDialogTest, OnlyFilesOfSeveralColumnsAreTables) {
  const numtext::Separators english{".", ","};
  const std::vector<TableLikeCase> cases = {
      {"a lab's CSV", kLab, true},
      {"its German twin", kLabGerman, true},
      {"TSV", kLabTabs, true},
      {"UTF-16 TSV",
       QByteArray("\xFF\xFE"
                  "a\0\t\0b\0\n\0"
                  "1\0\t\0"
                  "2\0\n\0",
                  18),
       true},
      {"a column with a header", "weight\n61.5\n70.2\n", false},
      {"a German list: each line one number", "61,5\n70,2\n55\n", false},
      {"a German list with a header", "Gewicht\n61,5\n70,2\n", false},
      {"words with a comma", "name, weight\nann\n", false},
      {"a workbook", QByteArray("PK\x03\x04\x14\0\x06\0", 8) + QByteArray(300, 'x'), false},
  };
  for (const TableLikeCase& c : cases) {
    const QString path = Write("t.csv", c.bytes);
    const std::optional<TableStart> start = ReadTableStart(path.toStdString());
    ASSERT_TRUE(start) << c.name;
    EXPECT_EQ(LooksLikeTable(*start, english), c.table) << c.name;
  }
}

TEST_F(TableDialogTest, OnlyTheFirstBlockOfARegularFileIsRead) {
  const QString big = Write("big.csv", QByteArray(3 << 20, 'x'));
  const QString small = Write("small.csv", "a,b\n1,2\n");
  const QString fifo = files_.path() + "/fifo.csv";
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  const struct {
    const char* name;
    QString path;
    bool read;
    std::size_t bytes;
    bool whole;
  } cases[] = {
      {"a file of three blocks", big, true, std::size_t{1} << 20, false},
      {"a small file", small, true, 8, true},
      {"a FIFO, which would block", fifo, false, 0, false},
      {"a folder", files_.path(), false, 0, false},
      {"nothing there", files_.path() + "/missing.csv", false, 0, false},
  };
  for (const auto& c : cases) {
    const std::optional<TableStart> start = ReadTableStart(c.path.toStdString());
    ASSERT_EQ(start.has_value(), c.read) << c.name;
    if (!start) continue;
    EXPECT_EQ(start->bytes.size(), c.bytes) << c.name;
    EXPECT_EQ(start->whole, c.whole) << c.name;
  }
}

struct LongReadCase {
  const char* name;
  bool stop;  // Esc between the blocks of the file
  QStringList messages;
  QString notice;
};

TEST_F(TableDialogTest, ALongTableCanBeStoppedAndKeepsWhatItRead) {
  // Three blocks and more of rows of ten bytes.
  QByteArray bytes = "id,w\n";
  constexpr int kRows = 350000;
  for (int i = 0; i < kRows; ++i) bytes += QByteArray::number(100000 + i).right(4) + ",61.5\n";
  const QString path = Write("long.csv", bytes);
  const std::vector<LongReadCase> cases = {
      {"stopped", true, {"Loading was stopped part-way through file 1 of 1."}, ""},
      {"read to its end", false, {}, "Added 350,000 numbers from column \"w\" of long.csv."},
  };
  for (const LongReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenShown();
    dialogs_.Clear();
    AddEntries({"7"});
    if (c.stop) form().Drops().SetEventPump([this] { return [this] { form().Drops().StopInnermost(); }; });
    const TableDialogWatch watch([](TableDialog& dialog) {
      Tick(dialog, "w");
      dialog.OpenButton()->click();
    });
    form().OpenTableFile(path);
    EXPECT_TRUE(watch.Seen());
    EXPECT_EQ(dialogs_.Messages(), c.messages);
    EXPECT_EQ(NoticeShown(), c.notice);
    const std::vector<std::string> read = Entries();
    ASSERT_GT(read.size(), 1u);
    EXPECT_EQ(read[1], "61.5");
    if (c.stop)
      EXPECT_LT(read.size(), std::size_t{kRows});
    else
      EXPECT_EQ(read.size(), std::size_t{kRows} + 1);
    form().UndoListChange();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"7"})) << "what was read is one step";
  }
}

}  // namespace
