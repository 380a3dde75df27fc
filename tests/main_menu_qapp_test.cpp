// The menu bar against the window's own controls: each item does what its
// button, option or context-menu item does; the controls' mnemonics, the
// growing window and its remembered size.
#include <QAction>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <set>

#include "app/DistributionLink.h"
#include "app/FormControls.h"
#include "app/FormInventory.h"
#include "app/GrowingLayout.h"
#include "app/MainMenu.h"
#include "app/Mnemonics.h"
#include "app/WindowSize.h"
#include "platform/Clipboard.h"
#include "tests/support/WindowTestKit.h"

namespace {

using tallowmere::app::Form1;
using windowtest::Controls;

class MainMenuTest : public windowtest::WindowTest {
 protected:
  static QAction* ItemOf(Form1& f, const char* name) {
    QAction* item = f.Menus().Item(name);
    EXPECT_NE(item, nullptr) << name;
    return item;
  }
  // As the user chooses it: its menu opens first, which names and enables
  // the items.
  static void Choose(Form1& f, const char* name) {
    QAction* item = ItemOf(f, name);
    ASSERT_NE(item, nullptr);
    for (QMenu* menu : f.Menus().Bar()->findChildren<QMenu*>())
      if (menu->actions().contains(item)) emit menu->aboutToShow();
    ASSERT_TRUE(item->isEnabled()) << name;
    item->trigger();
    QApplication::processEvents();
  }

  // What a command leaves for the user to see.
  struct Seen {
    std::vector<std::string> entries;
    QStringList results;
    std::vector<QString> messages;
    QString clipboard;
    bool sample = false, population = false, allDecimals = false, ended = false;
    friend bool operator==(const Seen&, const Seen&) = default;
  };
  Seen Look(Form1& f) {
    return {Entries(),
            ResultRows(),
            dialogs_.Texts(FakeDialogs::Kind::Message),
            tallowmere::platform::ClipboardText(),
            Controls(f).Option1->isChecked(),
            Controls(f).Option2->isChecked(),
            Controls(f).Check1->isChecked(),
            f.ProgramEnded()};
  }
  QString NumbersFile() const {
    const QString path = settingsDir_.path() + QStringLiteral("/numbers.txt");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("7\n8\n");
    return path;
  }
};

// Each item against the control whose command it runs: the same start, the
// same outcome, and an outcome that differs from the start.
TEST_F(MainMenuTest, ItemsDoWhatTheirControlsDo) {
  const struct {
    const char* item;
    const char* control;
    std::vector<std::string> entries;
    bool analysed = false;
    const char* storedPopulation = "False";
  } cases[] = {
      {"loadNumbersItem", "PushButton6", {"1"}},
      {"saveTextItem", "PushButton4", {"1", "2"}, true},
      {"saveExcelItem", "PushButton13", {"1", "2"}, true},
      {"copyResultsItem", "PushButton5", {"1", "2"}, true},
      {"clearNumbersItem", "PushButton1", {"1", "2"}},
      {"clearResultsItem", "PushButton8", {"1", "2"}, true},
      {"startAnalysisItem", "PushButton7", {"1", "2", "4"}},
      {"sampleItem", "Option1", {}, false, "True"},
      {"populationItem", "Option2", {}},
      {"showAllDecimalsItem", "Check1", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    Seen seen[2];
    for (int byMenu = 0; byMenu < 2; ++byMenu) {
      Store("Option1", c.storedPopulation == std::string("True") ? "False" : "True");
      Store("Option2", QString::fromLatin1(c.storedPopulation));
      Store("Check1", "0");
      Store("Combo1", "3");
      Form1& f = Open();
      AddEntries(c.entries);
      if (c.analysed) Controls(f).PushButton7->click();
      tallowmere::platform::ClipboardSetText(QStringLiteral("before"));
      dialogs_.Clear();
      dialogs_.QueueOpenFiles({NumbersFile()});
      const Seen before = Look(f);
      if (byMenu)
        Choose(f, c.item);
      else
        f.findChild<QAbstractButton*>(QString::fromLatin1(c.control))->click();
      QApplication::processEvents();
      seen[byMenu] = Look(f);
      EXPECT_FALSE(seen[byMenu] == before) << (byMenu ? "the item" : "the control") << " changed nothing";
      form_.reset();
    }
    EXPECT_TRUE(seen[0] == seen[1]);
    EXPECT_EQ(seen[0].clipboard, seen[1].clipboard);
    EXPECT_EQ(seen[0].allDecimals, seen[1].allDecimals);
    EXPECT_EQ(seen[0].sample, seen[1].sample);
    EXPECT_EQ(seen[0].entries, seen[1].entries);
    EXPECT_EQ(seen[0].results, seen[1].results);
    EXPECT_EQ(seen[0].messages, seen[1].messages);
  }
}

// Items with no button: what their context menu or key does.
TEST_F(MainMenuTest, ItemsOfTheContextMenusAndKeys) {
  const struct {
    const char* name;
    std::vector<std::string> entries;
    std::function<void(Form1&)> before;
    const char* item;
    std::vector<std::string> entriesAfter;
    QString clipboardAfter;  // empty: not looked at
  } cases[] = {
      {"UndoTakesBackAClear",
       {"1", "2"},
       [](Form1& f) { Controls(f).PushButton1->click(); },
       "undoItem",
       {"1", "2"},
       {}},
      {"RedoMakesItAgain",
       {"1", "2"},
       [](Form1& f) {
         Controls(f).PushButton1->click();
         f.UndoListChange();
       },
       "redoItem",
       {},
       {}},
      {"PasteAppendsTheClipboardsNumbers",
       {"1"},
       [](Form1&) { tallowmere::platform::ClipboardSetText(QStringLiteral("4\n5")); },
       "pasteNumbersItem",
       {"1", "4", "5"},
       {}},
      {"RemovesWhatIsNotANumber", {"1", "x", "2"}, [](Form1&) {}, "removeNotNumbersItem", {"1", "2"}, {}},
      {"CopiesTheResultsAsATable",
       {"2", "4"},
       [](Form1& f) { Controls(f).PushButton7->click(); },
       "copyAsTableItem",
       {"2", "4"},
       QStringLiteral("\t")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Open();
    AddEntries(c.entries);
    c.before(f);
    QApplication::processEvents();
    Choose(f, c.item);
    EXPECT_EQ(Entries(), c.entriesAfter);
    if (!c.clipboardAfter.isEmpty()) {
      const QStringList lines = tallowmere::platform::ClipboardText().split('\n', Qt::SkipEmptyParts);
      EXPECT_EQ(lines.size(), 12);
      for (const QString& line : lines) EXPECT_TRUE(line.contains(c.clipboardAfter)) << line.toStdString();
    }
    form_.reset();
  }
}

TEST_F(MainMenuTest, ItemsAreEnabledAsTheContextMenusItemsAre) {
  Form1& f = Open();
  QApplication::clipboard()->clear();
  emit f.Menus().Menu(tallowmere::app::MenuTitle::kEdit)->aboutToShow();
  for (const char* off : {"undoItem", "redoItem", "removeNotNumbersItem", "copyAsTableItem", "pasteNumbersItem"})
    EXPECT_FALSE(ItemOf(f, off)->isEnabled()) << off;
  AddEntries({"1", "2"});
  Controls(f).PushButton1->click();
  emit f.Menus().Menu(tallowmere::app::MenuTitle::kEdit)->aboutToShow();
  EXPECT_TRUE(ItemOf(f, "undoItem")->isEnabled());
  // Named after the step, as the context menu names it, keys kept.
  EXPECT_EQ(tallowmere::app::ShownCaption(ItemOf(f, "undoItem")->text()),
            "Undo Clear List\t" + QKeySequence("Ctrl+Z").toString());
  f.close();
}

TEST_F(MainMenuTest, OptionItemsFollowTheOptionsBothWays) {
  Form1& f = Open();
  QAction* sample = ItemOf(f, "sampleItem");
  QAction* population = ItemOf(f, "populationItem");
  QAction* decimals = ItemOf(f, "showAllDecimalsItem");
  EXPECT_TRUE(sample->isChecked() && !population->isChecked() && !decimals->isChecked());
  Controls(f).Option2->click();
  EXPECT_TRUE(!sample->isChecked() && population->isChecked());
  Controls(f).Check1->click();
  EXPECT_TRUE(decimals->isChecked());
  Choose(f, "sampleItem");
  EXPECT_TRUE(Controls(f).Option1->isChecked() && sample->isChecked() && !population->isChecked());
  EXPECT_EQ(Stored("Option1"), "True");
  // Choosing the ticked one again leaves it ticked, as a second click on an
  // option button does.
  Choose(f, "sampleItem");
  EXPECT_TRUE(Controls(f).Option1->isChecked() && sample->isChecked());
  Choose(f, "showAllDecimalsItem");
  EXPECT_FALSE(Controls(f).Check1->isChecked() || decimals->isChecked());
  EXPECT_EQ(Stored("Check1"), "0");
}

TEST_F(MainMenuTest, QuitEndsTheProgramAndKeysAreShownOrBound) {
  Form1& f = Open();
  EXPECT_EQ(ItemOf(f, "quitItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  // Keys the window binds already are only shown: one key, one owner.
  for (const char* shown : {"undoItem", "redoItem", "pasteNumbersItem", "showDistributionItem"}) {
    EXPECT_TRUE(ItemOf(f, shown)->shortcut().isEmpty()) << shown;
    EXPECT_TRUE(ItemOf(f, shown)->text().contains('\t')) << shown;
  }
  QStringList titles;
  for (QAction* menu : f.Menus().Bar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Analysis", "&Help"}));
  Choose(f, "quitItem");
  EXPECT_TRUE(f.ProgramEnded());
}

TEST_F(MainMenuTest, ARowAddsAnItemAndASubmenuIsFilledAsItOpens) {
  Form1& f = Open();
  int runs = 0;
  QAction* added = f.Menus().Add(
      tallowmere::app::Item(tallowmere::app::MenuTitle::kHelp, "&Tips", "F2", "tipsItem", [&runs] { ++runs; }));
  EXPECT_EQ(f.Menus().Item("tipsItem"), added);
  EXPECT_EQ(f.Menus().Menu(tallowmere::app::MenuTitle::kHelp)->actions().constLast(), added);
  EXPECT_EQ(added->shortcut(), QKeySequence(Qt::Key_F2));
  added->trigger();
  EXPECT_EQ(runs, 1);
  int fills = 0;
  QMenu* recent = f.Menus().AddSubmenu(tallowmere::app::MenuTitle::kFile, "Open &Recent", "recentMenu",
                                       [&fills](QMenu& menu) { menu.addAction(QString::number(++fills)); });
  for (int open = 1; open <= 2; ++open) {
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);  // filled afresh, not added to
    EXPECT_EQ(recent->actions()[0]->text(), QString::number(open));
  }
}

TEST_F(MainMenuTest, MnemonicsAreUniqueAndLeaveTheCaptionsAsTheyRead) {
  Form1& f = Open();
  QString keys = f.Menus().TitleKeys();
  EXPECT_EQ(keys, "FEAH");
  int marked = 0;
  for (const tallowmere::app::ControlSpec& spec : tallowmere::app::kFormInventory) {
    auto* control = f.findChild<QWidget*>(QString::fromLatin1(spec.name));
    const QString raw = qobject_cast<QAbstractButton*>(control) ? qobject_cast<QAbstractButton*>(control)->text()
                        : qobject_cast<QLabel*>(control)        ? qobject_cast<QLabel*>(control)->text()
                                                                : QString();
    EXPECT_EQ(tallowmere::app::CaptionOf(*control), QString::fromLatin1(spec.caption)) << spec.name;
    const qsizetype at = raw.indexOf('&');
    if (at < 0) continue;
    ++marked;
    const QChar key = raw[at + 1].toUpper();
    EXPECT_FALSE(keys.contains(key)) << spec.name << " takes " << QString(key).toStdString() << " again";
    keys += key;
  }
  EXPECT_EQ(marked, 13);  // nine buttons, two options, the check box, the label
}

TEST_F(MainMenuTest, TheListsTakeWhatTheWindowGrowsBy) {
  Form1& f = OpenShown();
  const int bar = f.MenuBarHeight();
  for (const QSize size : {QSize(536, 638 + bar), QSize(1200, 1000), QSize(537, 1000), QSize(1500, 700)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    f.resize(size);
    QApplication::processEvents();
    ASSERT_EQ(f.size(), size);
    const Controls c(f);
    // The lists and "Start Analysis" span the window, 8 from either side.
    for (QWidget* spans : {static_cast<QWidget*>(c.ListView1), static_cast<QWidget*>(c.ListView2),
                           static_cast<QWidget*>(c.PushButton7)}) {
      EXPECT_EQ(spans->x(), 8);
      EXPECT_EQ(spans->width(), size.width() - 16);
    }
    // The last row stands 7 above the bottom edge; the right column 8 in
    // from the right edge; sizes as in the inventory.
    EXPECT_EQ(c.PushButton8->geometry().bottom(), size.height() - 8);
    EXPECT_EQ(c.PushButton8->geometry().right(), size.width() - 9);
    EXPECT_EQ(c.Frame2->geometry().right(), size.width() - 9);
    EXPECT_EQ(c.PushButton5->x(), 8);
    for (QWidget* kept : {static_cast<QWidget*>(c.PushButton3), static_cast<QWidget*>(c.Frame1),
                          static_cast<QWidget*>(c.Frame2), static_cast<QWidget*>(c.PushButton8)})
      EXPECT_EQ(kept->size(), kept == c.Frame1 || kept == c.Frame2 ? QSize(256, 71) : QSize(256, 27));
    // The rows keep their order and gaps; the extra height goes to the lists
    // in proportion 121 : 249.
    const int extra = size.height() - 638 - bar;
    EXPECT_EQ(c.ListView1->height(), 121 + extra * 121 / 370);
    EXPECT_EQ(c.ListView2->height(), 249 + extra - extra * 121 / 370);
    EXPECT_EQ(c.PushButton3->y() - c.ListView1->geometry().bottom(), 134 - 126);
    EXPECT_EQ(c.PushButton4->y() - c.ListView2->geometry().bottom(), 570 - 562);
    EXPECT_EQ(f.Menus().Bar()->geometry(), QRect(0, 0, size.width(), bar));
  }
}

TEST_F(MainMenuTest, TheSizeIsKeptBetweenRuns) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize least = Open().minimumSize();
  form_.reset();
  // Within the screen's room, which the least size may exceed.
  const QSize larger = QSize(least.width() + 40, least.height() + 30).boundedTo(area.size()).expandedTo(least);
  const struct {
    const char* name;
    QString stored;  // empty: absent (the first case)
    QSize opens;
  } cases[] = {
      {"Absent", {}, least},
      {"Larger", tallowmere::app::WindowSizeText(larger), larger},
      {"Damaged", "damaged", least},
      {"NoHeight", "900x", least},
      {"Negative", "-700x-900", least},
      {"TooSmall", "100x100", least},
      {"LargerThanTheScreen", "99999x99999", area.size().expandedTo(least)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.stored.isEmpty()) Store("WindowSize", c.stored);
    Form1& f = Open();
    EXPECT_EQ(f.size(), c.opens);
    f.resize(700, 900);
    f.close();
    EXPECT_EQ(Stored("WindowSize"), "700x900");
    form_.reset();
  }
}

TEST_F(MainMenuTest, AWindowLargerThanTheScreenComesDownToItsRoom) {
  const struct {
    const char* name;
    QRect area;
    QSize before;
    bool fits;  // as its own window, no scrolling
  } cases[] = {
      {"WiderAndTaller", {0, 0, 900, 800}, {1000, 1000}, true},
      {"OnlyTaller", {100, 0, 1280, 700}, {600, 900}, true},
      {"SmallerThanTheContent", {0, 0, 500, 400}, {1000, 1000}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Open();
    f.resize(c.before);
    f.PlaceOnScreen(c.area);
    EXPECT_EQ(f.isWindow(), c.fits);
    EXPECT_EQ(f.size(), c.before.boundedTo(c.area.size()).expandedTo(f.minimumSize()));
    if (c.fits) {
      EXPECT_TRUE(c.area.contains(f.geometry()));
    }
    form_.reset();
  }
}

}  // namespace
