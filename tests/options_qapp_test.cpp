// The method and decimal options in the window: what each change stores, the
// "Show all decimals" coupling, Up and Down on the drop-down, and the
// complaint on leaving a non-numeric decimal-places text.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "results/Options.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::results;
using namespace tallowmere::app;

using namespace windowtest;

namespace {

class Options : public WindowTest {
 protected:
  // Moves the focus out of Combo1 to `target` and lets the window react.
  void LeaveCombo1For(QWidget* target) {
    Controls(form()).Combo1->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Controls(form()).Combo1->hasFocus(); }, 2000));
    target->setFocus(Qt::TabFocusReason);
    QTest::qWait(30);
  }
  bool Combo1HasFocus() {
    QWidget* focus = QApplication::focusWidget();
    return focus == Controls(form()).Combo1 || Controls(form()).Combo1->isAncestorOf(focus);
  }
};

TEST_F(Options, PopulationAndSampleStoreBothKeys) {
  Form1& f = OpenShown();
  AddEntries({"1", "2"});
  Controls(f).PushButton7->click();
  const QStringList before = ResultRows();
  Controls(f).Option2->click();
  EXPECT_EQ(Stored("Option1"), "False");
  EXPECT_EQ(Stored("Option2"), "True");
  EXPECT_FALSE(f.Analysis().Statistics().MethodIsSample());
  EXPECT_EQ(ResultRows(), before);  // applies from the next run only
  Controls(f).Option1->click();
  EXPECT_EQ(Stored("Option1"), "True");
  EXPECT_EQ(Stored("Option2"), "False");
  EXPECT_TRUE(f.Analysis().Statistics().MethodIsSample());
  // Clicking the selected one again changes nothing and keeps it selected.
  Controls(f).Option1->click();
  EXPECT_TRUE(Controls(f).Option1->isChecked());
}

TEST_F(Options, ShowAllDecimalsCouplesTheDropDown) {
  Form1& f = OpenShown();
  Controls(f).Combo1->setEditText("6");
  const struct {
    bool checked;
    bool comboEnabled;
    QString comboText, storedCheck, storedCombo;
  } steps[] = {
      {true, false, "10", "1", "10"},
      {false, true, "3", "0", "3"},  // back to 3, not to the 6 shown before
      {true, false, "10", "1", "10"},
  };
  for (const auto& s : steps) {
    Controls(f).Check1->click();
    EXPECT_EQ(Controls(f).Check1->isChecked(), s.checked);
    EXPECT_EQ(Controls(f).Combo1->isEnabled(), s.comboEnabled);
    EXPECT_EQ(Controls(f).Combo1->currentText(), s.comboText);
    EXPECT_EQ(Stored("Check1"), s.storedCheck);
    EXPECT_EQ(Stored("Combo1"), s.storedCombo);
  }
}

TEST_F(Options, EveryKeystrokeStoresTheWholeText) {
  Form1& f = OpenShown();
  Controls(f).Combo1->lineEdit()->selectAll();
  const char* typed[] = {"a", "ab", "abc"};
  QTest::keyClick(Controls(f).Combo1->lineEdit(), Qt::Key_A);
  EXPECT_EQ(Stored("Combo1"), typed[0]);
  QTest::keyClick(Controls(f).Combo1->lineEdit(), Qt::Key_B);
  EXPECT_EQ(Stored("Combo1"), typed[1]);
  QTest::keyClick(Controls(f).Combo1->lineEdit(), Qt::Key_C);
  EXPECT_EQ(Stored("Combo1"), typed[2]);
  QTest::keyClick(Controls(f).Combo1->lineEdit(), Qt::Key_Backspace);
  EXPECT_EQ(Stored("Combo1"), "ab");
  // Return does not add the text to the list.
  QTest::keyClick(Controls(f).Combo1->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(Controls(f).Combo1->count(), 10);
}

TEST_F(Options, PickingFromTheListStoresThePick) {
  Form1& f = OpenShown();
  Controls(f).Combo1->setFocus();
  Controls(f).Combo1->setCurrentIndex(4);  // "5"
  EXPECT_EQ(Stored("Combo1"), "5");
  QTest::keyClick(Controls(f).Combo1, Qt::Key_Down);
  EXPECT_EQ(Controls(f).Combo1->currentText(), "6");
  EXPECT_EQ(Stored("Combo1"), "6");
}

TEST_F(Options, UpAndDownStepThroughTheListFromWhatIsShown) {
  const struct {
    const char* name;
    QString shown;  // set as code or typing would leave it
    bool typed;
    std::vector<Qt::Key> keys;
    QString after;
  } cases[] = {
      {"DownFromTheDefault3", "3", false, {Qt::Key_Down}, "4"},
      {"UpFromTheDefault3", "3", false, {Qt::Key_Up}, "2"},
      {"DownAndOnInOrder", "3", false, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, "6"},
      {"DownThenUp", "3", false, {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}, "2"},
      {"PageKeysStepToo", "3", false, {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}, "4"},
      {"StaysAt10", "10", false, {Qt::Key_Down}, "10"},
      {"StaysAt1", "1", false, {Qt::Key_Up}, "1"},
      {"FromATyped7", "7", true, {Qt::Key_Down}, "8"},
      {"FromATypedFraction", "2.5", true, {Qt::Key_Down}, "3"},
      {"FromATypedFractionUp", "2.5", true, {Qt::Key_Up}, "2"},
      // Past an end: back to that end.
      {"PastTheTopDown", "15", true, {Qt::Key_Down}, "10"},
      {"PastTheTopUp", "15", true, {Qt::Key_Up}, "10"},
      {"BelowTheBottomUp", "-1", true, {Qt::Key_Up}, "1"},
      {"ZeroDown", "0", true, {Qt::Key_Down}, "1"},
      // Not a number: the list starts over at its first item.
      {"WordDown", "abc", true, {Qt::Key_Down}, "1"},
      {"WordUp", "abc", true, {Qt::Key_Up}, "1"},
      {"EmptyDown", "", true, {Qt::Key_Down}, "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = OpenShown();
    Controls(f).Combo1->setFocus();
    if (c.typed) {
      Controls(f).Combo1->lineEdit()->selectAll();
      if (c.shown.isEmpty())
        QTest::keyClick(Controls(f).Combo1, Qt::Key_Backspace);
      else
        QTest::keyClicks(Controls(f).Combo1, c.shown);
    } else {
      Controls(f).Combo1->setEditText(c.shown);
    }
    ASSERT_EQ(Controls(f).Combo1->currentText(), c.shown);
    for (Qt::Key key : c.keys) QTest::keyClick(Controls(f).Combo1, key);
    EXPECT_EQ(Controls(f).Combo1->currentText(), c.after);
    // Stored as a pick, and the list opens on the item shown.
    EXPECT_EQ(Stored("Combo1"), c.after);
    EXPECT_EQ(Controls(f).Combo1->itemText(Controls(f).Combo1->currentIndex()), c.after);
  }
}

TEST_F(Options, AStepIsAPickFromTheList) {
  Form1& f = OpenShown();
  int picks = 0;
  QObject::connect(Controls(f).Combo1, &QComboBox::editTextChanged, [&] { ++picks; });
  Controls(f).Combo1->setFocus();
  QTest::keyClick(Controls(f).Combo1, Qt::Key_Down);
  EXPECT_EQ(picks, 1);
  EXPECT_EQ(Stored("Combo1"), "4");
  // A step that changes nothing is no pick.
  Controls(f).Combo1->setEditText("10");
  picks = 0;
  QTest::keyClick(Controls(f).Combo1, Qt::Key_Down);
  EXPECT_EQ(picks, 0);
  // Alt+Down still opens the list rather than stepping.
  QTest::keyClick(Controls(f).Combo1, Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Controls(f).Combo1->view()->isVisible(); }, 2000));
  EXPECT_EQ(Controls(f).Combo1->currentText(), "10");
  Controls(f).Combo1->hidePopup();
}

TEST_F(Options, LeavingTheDropDownChecksItsText) {
  const struct {
    QString text;
    bool complains;
  } cases[] = {
      {"abc", true}, {"1,2,", true}, {"", false}, {"2.5", false}, {"-1", false}, {"1E1", false}, {" 4 ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    Form1& f = OpenShown();
    dialogs_.Clear();
    Controls(f).Combo1->setEditText(c.text);
    LeaveCombo1For(Controls(f).PushButton7);
    if (c.complains) {
      EXPECT_EQ(dialogs_.Messages(), QStringList({"Must be a numeric entry."}));
      EXPECT_EQ(dialogs_.AllShown().front().caption, "Tallowmere");
      EXPECT_TRUE(Combo1HasFocus());
    } else {
      EXPECT_TRUE(dialogs_.Messages().isEmpty());
      EXPECT_TRUE(Controls(f).PushButton7->hasFocus());
    }
    // Neither corrected nor cleared, and already stored.
    EXPECT_EQ(Controls(f).Combo1->currentText(), c.text);
    EXPECT_EQ(Stored("Combo1"), c.text);
  }
}

TEST_F(Options, OnlyALeaveToAnotherControlOfTheWindowCounts) {
  Form1& f = OpenShown();
  Controls(f).Combo1->setEditText("abc");
  Controls(f).Combo1->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Controls(f).Combo1->hasFocus(); }, 2000));
  // Another window takes the focus: no complaint.
  QLineEdit other;
  other.show();
  other.activateWindow();
  QApplication::setActiveWindow(&other);
  other.setFocus();
  QTest::qWait(30);
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
  other.close();
  QApplication::setActiveWindow(&f);
  QTest::qWait(30);
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
}

TEST_F(Options, TheComplaintCannotTriggerItself) {
  Form1& f = OpenShown();
  Controls(f).Combo1->setEditText("abc");
  int shown = 0;
  // While the box is up, the focus sits in another window, as with a real box.
  dialogs_.OnShow([&](const FakeDialogs::Shown&) {
    ++shown;
    QLineEdit box;
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus();
    QTest::qWait(20);
    box.close();
    QApplication::setActiveWindow(&f);
  });
  LeaveCombo1For(Controls(f).Check1);
  QTest::qWait(50);
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(Combo1HasFocus());
}

TEST_F(Options, AcceptableDecimalPlacesTexts) {
  const struct {
    const char* text;
    bool ok;
  } cases[] = {{"", true},      {"3", true},    {"2.5", true}, {"-1", true}, {"1E1", true},
               {"1,000", true}, {"abc", false}, {"3x", false}, {".", false}, {" ", false}};
  for (const auto& c : cases) EXPECT_EQ(results::DecimalPlacesAcceptable(c.text, {".", ","}), c.ok) << c.text;
}

}  // namespace
