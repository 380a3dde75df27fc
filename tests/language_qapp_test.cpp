// The window in German, from the translations the build makes: its captions,
// its result rows and its messages; the numbers keep the locale's separators.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>

#include "app/AdditionNotice.h"
#include "app/Mnemonics.h"
#include "platform/Language.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace windowtest;

namespace {

class GermanWindow : public WindowTest {
 protected:
  // Once for the program: the translations stay installed, as in the window.
  static void SetUpTestSuite() {
    qputenv("LANG", "de_DE.UTF-8");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    static platform::Translations translations;
    platform::StartTranslations(translations, true);
  }
};

TEST_F(GermanWindow, CaptionsAreGerman) {
  Form1& f = Open({",", "."});
  const Controls c(f);
  const struct {
    QAbstractButton* control;
    const char* caption;
  } cases[] = {
      {c.PushButton7, "Analyse starten"}, {c.PushButton1, "Liste leeren"}, {c.PushButton6, "Zahlen aus Datei laden"},
      {c.Option1, "Stichprobe"},          {c.Option2, "Gesamtheit"},       {c.Check1, "Alle Stellen zeigen"},
  };
  for (const auto& k : cases) EXPECT_EQ(tallowmere::app::ShownCaption(k.control->text()).toStdString(), k.caption);
  EXPECT_EQ(c.ListView1->model()->headerData(0, Qt::Horizontal).toString().toStdString(), "Zahl(en)");
}

TEST_F(GermanWindow, ResultRowsAreGermanWithGermanNumbers) {
  Form1& f = OpenShown({",", "."});
  AddEntries({"2", "4", "4", "5"});
  Controls(f).Combo1->setEditText(QStringLiteral("3"));
  Controls(f).PushButton7->click();
  const QStringList rows = ResultRows();
  ASSERT_EQ(rows.size(), 12);
  EXPECT_EQ(rows[0].toStdString(), "Die Anzahl der Einträge ist: 4");
  EXPECT_EQ(rows[6].toStdString(), "Der Mittelwert ist: 3,75");
  EXPECT_EQ(rows[11].toStdString(), "Der Variationskoeffizient ist: 33,555 %");
}

// The words a row shows in place of a number are German too; the numbers
// between them are the numbers the row would show.
TEST_F(GermanWindow, TheModesWordsAreGerman) {
  const struct {
    std::vector<std::string> entries;
    const char* mode;
  } cases[] = {
      {{"1", "2"}, "Der Modus ist: Keiner"},
      {{"3", "7", "3", "7"}, "Der Modus ist: 3 oder 7"},
      {{"2", "4", "4", "5"}, "Der Modus ist: 4"},
  };
  for (const auto& c : cases) {
    Form1& f = OpenShown({",", "."});
    AddEntries(c.entries);
    Controls(f).PushButton7->click();
    const QStringList rows = ResultRows();
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(rows[4].toStdString(), c.mode);
  }
}

TEST_F(GermanWindow, MessagesAreGerman) {
  Form1& f = OpenShown({",", "."});
  Controls(f).PushButton7->click();
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_EQ(dialogs_.Messages()[0].toStdString(), "Sie haben keine Zahlen eingegeben.");
}

// Each count in the plural form the German translation gives it, written
// as the program writes counts.
TEST_F(GermanWindow, NoticesTakeThePluralFormOfTheirCount) {
  const struct {
    AdditionSource source;
    std::size_t appended, skipped, files;
    const char* notice;
  } cases[] = {
      {AdditionSource::kClipboard, 1, 0, 0, "1 Zahl aus der Zwischenablage hinzugefügt."},
      {AdditionSource::kClipboard, 4, 0, 0, "4 Zahlen aus der Zwischenablage hinzugefügt."},
      {AdditionSource::kTyped, 1234, 0, 0, "1,234 Zahlen hinzugefügt."},
      {AdditionSource::kFiles, 2, 0, 3, "2 Zahlen aus 3 Dateien hinzugefügt."},
      {AdditionSource::kFiles, 2, 1, 1, "2 Zahlen aus 1 Datei hinzugefügt; 1 Zeile war keine Zahl (erstes: \"x\")."},
      {AdditionSource::kClipboard, 0, 0, 0, "Die Zwischenablage enthält keine Zahlen."},
  };
  for (const auto& c : cases) {
    Addition a(c.source);
    a.tally.appended = c.appended;
    a.files = c.files;
    if (c.skipped) a.tally.NoteSkipped("x", c.skipped);
    EXPECT_EQ(AdditionNoticeText(a).toStdString(), c.notice);
  }
}

}  // namespace
