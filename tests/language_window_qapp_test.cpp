// The window in each shipped language, one run per language (the test
// command starts this program once for each, with LANGUAGE set): the
// translation loads, the captions, menus, result rows and messages are its
// own, and every caption still fits the control that shows it.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyle>

#include "app/FormControls.h"
#include "app/FormInventory.h"
#include "app/MainMenu.h"
#include "app/Mnemonics.h"
#include "platform/Language.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace windowtest;

namespace {

platform::Translations& Loaded() {
  static platform::Translations translations;
  return translations;
}

class LanguageWindow : public WindowTest {
 protected:
  static void SetUpTestSuite() { platform::StartTranslations(Loaded(), true); }
  static QString Language() {
    return platform::ChooseLanguage(platform::MessageLocaleFromEnvironment(), platform::ShippedLanguages());
  }
  // What the loaded translation makes of a source text; it must be a text
  // of its own, not the English one.
  static QString Own(const char* context, const char* source) {
    const QString text = Loaded().Translate(context, source);
    EXPECT_NE(text.toStdString(), source) << context;
    EXPECT_FALSE(text.isEmpty()) << context << ": " << source;
    return text;
  }
};

TEST_F(LanguageWindow, TheLanguageAskedForIsShippedAndLoads) {
  const QString language = Language();
  ASSERT_FALSE(language.isEmpty()) << "LANGUAGE=" << qgetenv("LANGUAGE").toStdString();
  EXPECT_TRUE(platform::ShippedLanguages().contains(language));
  platform::Translations again;
  EXPECT_TRUE(again.Load(language, platform::TranslationsFolder())) << platform::TranslationsFolder().toStdString();
}

TEST_F(LanguageWindow, CaptionsAndMenusAreTheLanguagesOwn) {
  Form1& f = Open();
  const Controls c(f);
  EXPECT_EQ(ShownCaption(c.PushButton7->text()), ShownCaption(Own("Form1", "Start Analysis")));
  EXPECT_EQ(c.ListView1->model()->headerData(0, Qt::Horizontal).toString(), Own("tallowmere::app::Form1", "Number(s)"));
  const QList<QAction*> titles = f.Menus().Bar()->actions();
  ASSERT_EQ(titles.size(), 4);
  EXPECT_EQ(titles[1]->text(), Own("MainMenu", "&Edit"));
}

TEST_F(LanguageWindow, ResultRowsAndMessagesAreTheLanguagesOwn) {
  Form1& f = OpenShown();
  Controls(f).PushButton7->click();
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_EQ(dialogs_.Messages()[0], Own("Analysis", "You forgot to input numbers."));
  AddEntries({"2", "4", "4", "5"});
  Controls(f).PushButton7->click();
  const QStringList rows = ResultRows();
  ASSERT_EQ(rows.size(), 12);
  EXPECT_TRUE(rows[6].startsWith(Own("ResultRows", "The mean is: "))) << rows[6].toStdString();
}

// A caption cut short by its control's size in the inventory is a fault of the
// translation: each caption's text, with the room its control's style draws
// around it, fits the control.
int RoomAroundCaption(const QWidget& control) {
  const QStyle* style = control.style();
  if (qobject_cast<const QCheckBox*>(&control))
    return style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  if (qobject_cast<const QRadioButton*>(&control))
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  if (qobject_cast<const QPushButton*>(&control)) return 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
  return 0;
}

TEST_F(LanguageWindow, EveryCaptionFitsItsControl) {
  Form1& f = OpenShown();
  int checked = 0;
  for (const ControlSpec& spec : kFormInventory) {
    auto* control = f.findChild<QWidget*>(QString::fromLatin1(spec.name));
    ASSERT_NE(control, nullptr) << spec.name;
    if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLabel*>(control)) continue;
    ++checked;
    const QString caption = ShownCaption(CaptionOf(*control));
    const int needs = QFontMetrics(control->font()).horizontalAdvance(caption) + RoomAroundCaption(*control);
    EXPECT_LE(needs, control->width()) << spec.name << " \"" << caption.toStdString() << "\"";
  }
  EXPECT_EQ(checked, 13);
}

}  // namespace
