// The options of the distribution window's statistics table: each restored
// from the settings (a stored text that names nothing is the default) and
// stored when it changes; a wrong list of percentiles told in place while the
// last good one stays shown; and in the window, the method moving the box and
// the quartiles, the level and the trim redrawing the table at once, and
// every copy of a value that depends on the method naming it.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <functional>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/StatisticsOptions.h"
#include "stats/Distribution.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace tallowmere::stats;
using namespace windowtest;

namespace {

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

class OptionsTest : public WindowTest {
 protected:
  std::unique_ptr<StatisticsOptions> Options(const numtext::Separators& sep = kEnglish) {
    store_ = std::make_unique<platform::SettingsStore>(QString::fromLatin1(platform::kSettingsApplication),
                                                       QString::fromLatin1(platform::kSettingsSection), dialogs_);
    return std::make_unique<StatisticsOptions>(*store_, sep, nullptr);
  }
  std::unique_ptr<platform::SettingsStore> store_;
};

// ---------------------------------------------------------------------------
// Restored from the settings.

struct StoredCase {
  const char* name;
  numtext::Separators sep;
  // Each setting's text; kAbsent: none stored.
  QString method, percentiles, trim, level;
  QuantileMethod shownMethod;
  const char* shownPercentiles;
  double shownTrim, shownLevel;
};

class StoredOptions : public OptionsTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredOptions, AreRestored) {
  const StoredCase& c = GetParam();
  const std::pair<const char*, QString> stored[] = {{kQuantileMethodKey, c.method},
                                                    {kDistributionPercentilesKey, c.percentiles},
                                                    {kDistributionTrimKey, c.trim},
                                                    {kConfidenceLevelKey, c.level}};
  for (const auto& [key, text] : stored)
    if (text != kAbsent) Store(key, text);
  const auto options = Options(c.sep);
  EXPECT_EQ(options->Method(), c.shownMethod);
  EXPECT_EQ(options->MethodBox()->currentText(), MethodName(c.shownMethod));
  EXPECT_EQ(options->PercentilesEdit()->text().toStdString(), c.shownPercentiles);
  EXPECT_TRUE(options->PercentilesError().isEmpty());
  EXPECT_EQ(options->Trim()->value(), c.shownTrim);
  EXPECT_EQ(options->Level()->value(), c.shownLevel);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredOptions,
                         ::testing::Values(StoredCase{"NoneStored", kEnglish, kAbsent, kAbsent, kAbsent, kAbsent,
                                                      QuantileMethod::kInclusive, "5, 95", 5, 95},
                                           StoredCase{"EachStored", kEnglish, "hazen", "2.5;50;97.5", "12.5", "99.5",
                                                      QuantileMethod::kHazen, "2.5, 50, 97.5", 12.5, 99.5},
                                           StoredCase{"GermanShowsItsOwnNumbers", kGerman, "exclusive", "2.5;97.5",
                                                      "10", "90", QuantileMethod::kExclusive, "2,5; 97,5", 10, 90},
                                           StoredCase{"KeyInCapitals", kEnglish, "NEAREST-RANK", kAbsent, kAbsent,
                                                      kAbsent, QuantileMethod::kNearestRank, "5, 95", 5, 95},
                                           StoredCase{"NoneKept", kEnglish, kAbsent, "", kAbsent, kAbsent,
                                                      QuantileMethod::kInclusive, "", 5, 95},
                                           StoredCase{"UnknownTexts", kEnglish, "type-10", "lots", "some", "high",
                                                      QuantileMethod::kInclusive, "5, 95", 5, 95},
                                           StoredCase{"OutOfRange", kEnglish, "0", "5;101", "50", "99.95",
                                                      QuantileMethod::kInclusive, "5, 95", 5, 95},
                                           StoredCase{"EmptyMethod", kEnglish, "", kAbsent, "-1", "49",
                                                      QuantileMethod::kInclusive, "5, 95", 5, 95}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsTest, EachChangeIsStored) {
  const auto options = Options();
  QSignalSpy method(options.get(), &StatisticsOptions::methodChanged);
  QSignalSpy table(options.get(), &StatisticsOptions::tableChanged);
  options->MethodBox()->setCurrentIndex(options->MethodBox()->findText(MethodName(QuantileMethod::kMedianUnbiased)));
  EXPECT_EQ(Stored(kQuantileMethodKey), "median-unbiased");
  EXPECT_EQ(method.count(), 1);
  options->Trim()->setValue(12.5);
  EXPECT_EQ(Stored(kDistributionTrimKey), "12.5");
  options->Level()->setValue(99);
  EXPECT_EQ(Stored(kConfidenceLevelKey), "99");
  options->PercentilesEdit()->selectAll();
  QTest::keyClicks(options->PercentilesEdit(), QStringLiteral("1; 99"));
  // Nothing is taken while it is typed.
  EXPECT_EQ(Stored(kDistributionPercentilesKey), kAbsent);
  EXPECT_EQ(table.count(), 2);
  QTest::keyClick(options->PercentilesEdit(), Qt::Key_Return);
  EXPECT_EQ(Stored(kDistributionPercentilesKey), "1;99");
  EXPECT_EQ(options->Choices().percentiles, (std::vector<double>{1, 99}));
  // The two spin boxes, then the list when done.
  EXPECT_EQ(table.count(), 2 + 1);
}

// ---------------------------------------------------------------------------
// A wrong list told in place.

struct TypedCase {
  const char* name;
  numtext::Separators sep;
  const char* typed;
  bool good;
  std::vector<double> percentiles;  // shown afterwards
};

class TypedPercentiles : public OptionsTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedPercentiles, WrongOnesAreToldAndTheLastGoodStay) {
  const TypedCase& c = GetParam();
  const auto options = Options(c.sep);
  QLineEdit* edit = options->PercentilesEdit();
  edit->clear();
  QTest::keyClicks(edit, QString::fromUtf8(c.typed));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(options->PercentilesError().isEmpty(), c.good) << options->PercentilesError().toStdString();
  EXPECT_EQ(options->Choices().percentiles, c.percentiles);
  // Told by a frame and the tool tip, not by a box to close.
  EXPECT_EQ(edit->styleSheet().isEmpty(), c.good);
  EXPECT_EQ(edit->toolTip() == options->PercentilesError(), !c.good);
  EXPECT_EQ(options->PercentilesErrorLabel()->isVisibleTo(options.get()), !c.good);
  if (!c.good) {
    EXPECT_TRUE(options->PercentilesErrorLabel()->text().endsWith(options->PercentilesError()));
  }
  EXPECT_TRUE(dialogs_.Messages().isEmpty());
  EXPECT_EQ(edit->text().toStdString(), c.typed);  // the text stays as typed, to be mended
  if (c.good) return;
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("50"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(options->PercentilesError().isEmpty());
  EXPECT_TRUE(edit->styleSheet().isEmpty());
  EXPECT_FALSE(options->PercentilesErrorLabel()->isVisibleTo(options.get()));
  EXPECT_EQ(options->Choices().percentiles, std::vector<double>{50});
}

INSTANTIATE_TEST_SUITE_P(Typing, TypedPercentiles,
                         ::testing::Values(TypedCase{"EnglishGood", kEnglish, "2.5, 97.5", true, {2.5, 97.5}},
                                           // A wrong list leaves the last one taken, the stored 5 and 95,
                                           // whatever was good on the way ("2.5", "5, 10").
                                           TypedCase{"EnglishWord", kEnglish, "2.5, x", false, {5, 95}},
                                           TypedCase{"EnglishTooHigh", kEnglish, "5, 101", false, {5, 95}},
                                           TypedCase{"GermanGood", kGerman, "2,5; 97,5", true, {2.5, 97.5}},
                                           // A comma parts nothing in German: "2,5, 97,5" is one wrong number.
                                           TypedCase{"GermanCommaList", kGerman, "2,5, 97,5", false, {5, 95}},
                                           TypedCase{"GermanThousand", kGerman, "1.000", false, {5, 95}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// In the window.

class WindowOptions : public WindowTest {
 protected:
  void TearDown() override {
    if (form_ && Window()) Window()->close();
    WindowTest::TearDown();
  }
  bool OpenWindowOn(const std::vector<std::string>& numbers) {
    OpenShown();
    Controls(form()).Combo1->setEditText(QStringLiteral("3"));
    AddEntries(numbers);
    Controls(form()).PushButton7->click();
    QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
    return Window() && Window()->isVisible();
  }
  DistributionWindow* Window() { return form().Distribution().Window(); }
  StatisticsOptions* Options() { return Window()->TableOptions(); }
  int RowOf(std::string_view key) {
    const std::vector<StatisticLine>& lines = Window()->Statistics();
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i].key == key) return static_cast<int>(i);
    return -1;
  }
  QString ValueOf(std::string_view key) {
    const int row = RowOf(key);
    return row < 0 ? QStringLiteral("(none)") : Window()->Table()->item(row, 1)->text();
  }
  void ChooseMethod(QuantileMethod method) {
    Options()->MethodBox()->setCurrentIndex(Options()->MethodBox()->findText(MethodName(method)));
  }
};

const std::vector<std::string> kOneToTen = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

TEST_F(WindowOptions, TheMethodMovesTheBoxAndTheQuartilesAndTheDefaultIsAsBefore) {
  ASSERT_TRUE(OpenWindowOn(kOneToTen));
  const std::vector<double> sorted = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const BoxPlot inclusive = MakeBoxPlot(sorted);
  EXPECT_EQ(Window()->Figure().box.q1, inclusive.q1);
  EXPECT_EQ(Window()->Figure().box.q3, inclusive.q3);
  const QImage before = Window()->PictureImage();
  const QStringList runRows = {ValueOf("first_quartile"), ValueOf("third_quartile"), ValueOf("interquartile_range")};
  EXPECT_EQ(runRows, (QStringList{"3.25", "7.75", "4.5"}));

  ChooseMethod(QuantileMethod::kExclusive);
  EXPECT_EQ(Window()->Method(), QuantileMethod::kExclusive);
  EXPECT_EQ(Window()->Figure().box.q1, 2.75);
  EXPECT_EQ(Window()->Figure().box.q3, 8.25);
  EXPECT_EQ(Window()->Figure().box.median, 5.5);
  EXPECT_EQ(ValueOf("first_quartile"), "2.75");
  EXPECT_EQ(ValueOf("interquartile_range"), "5.5");
  EXPECT_NE(Window()->PictureImage(), before);

  ChooseMethod(QuantileMethod::kInclusive);
  EXPECT_EQ(Window()->Figure().box.q1, inclusive.q1);
  EXPECT_EQ(Window()->PictureImage(), before);
  EXPECT_EQ((QStringList{ValueOf("first_quartile"), ValueOf("third_quartile"), ValueOf("interquartile_range")}),
            runRows);
}

TEST_F(WindowOptions, TheLevelAndTheTrimRedrawTheTableAtOnce) {
  ASSERT_TRUE(OpenWindowOn({"1", "2", "3", "4", "5", "6", "7", "8", "9", "100"}));
  EXPECT_EQ(ValueOf("trimmed_mean"), "14.5");
  Options()->Trim()->setValue(10);
  EXPECT_EQ(ValueOf("trimmed_mean"), "5.5");
  EXPECT_EQ(Window()->Table()->item(RowOf("trimmed_mean"), 0)->text(), "10 % trimmed mean");

  ASSERT_GE(RowOf("ci95_low"), 0);
  Options()->Level()->setValue(99);
  EXPECT_EQ(RowOf("ci95_low"), -1);
  const int low = RowOf("ci99_low");
  ASSERT_GE(low, 0);
  EXPECT_EQ(Window()->Table()->item(low, 0)->text(), "99 % confidence interval, low");
  EXPECT_EQ(Window()->Table()->item(low + 1, 0)->text(), "99 % confidence interval, high");
  // R: t.test(c(1:9, 100), conf.level = 0.99)$conf.int
  EXPECT_EQ(ValueOf("ci99_low"), "-16.487");
  EXPECT_EQ(ValueOf("median_ci99_coverage"), "99.805 %");
}

struct CopyCase {
  const char* name;
  std::vector<const char*> selected;  // the rows' keys
  const char* copied;
};

class CopiedRows : public WindowOptions, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopiedRows, NameTheMethodOfTheirValues) {
  const CopyCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(kOneToTen));
  ChooseMethod(QuantileMethod::kHazen);
  QApplication::setActiveWindow(Window());
  QTableWidget* table = Window()->Table();
  table->setFocus();
  table->clearSelection();
  for (const char* key : c.selected) {
    ASSERT_GE(RowOf(key), 0) << key;
    table->selectionModel()->select(table->model()->index(RowOf(key), 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  QApplication::clipboard()->clear();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.copied);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, CopiedRows,
    ::testing::Values(CopyCase{"QuartileTakesTheMethod",
                               {"first_quartile"},
                               "First quartile\t3\nQuantile method\tHazen, midpoint steps (R type 5)\n"},
                      CopyCase{"PercentileTakesTheMethod",
                               {"p95"},
                               "Quantile method\tHazen, midpoint steps (R type 5)\n95th percentile\t10\n"},
                      CopyCase{"MethodSelectedToo",
                               {"method", "p5"},
                               "Quantile method\tHazen, midpoint steps (R type 5)\n5th percentile\t1\n"},
                      CopyCase{"MeanAlone", {"mean"}, "Mean\t5.5\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowOptions, TheMenusCopyAndThePictureNameTheMethod) {
  ASSERT_TRUE(OpenWindowOn(kOneToTen));
  ChooseMethod(QuantileMethod::kNormalUnbiased);
  QTableWidget* table = Window()->Table();
  table->clearSelection();
  ASSERT_FALSE(table->actions().isEmpty());
  table->actions().first()->trigger();  // the context menu's Copy: every row
  const QString all = QApplication::clipboard()->text();
  EXPECT_TRUE(all.contains(QStringLiteral("Quantile method\tNormal-unbiased, Blom (R type 9)\n")));
  EXPECT_EQ(all.count(QLatin1Char('\n')), table->rowCount());
  // The titled picture's table is the window's.
  Window()->Titled()->setChecked(true);
  const std::vector<StatisticLine>& shown = Window()->Statistics();
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const StatisticLine& line) {
    return line.key == kMethodKey && line.value == MethodName(QuantileMethod::kNormalUnbiased);
  }));
}

TEST_F(WindowOptions, OnlyValuesInWordsAreCutShort) {
  OpenShown();
  Controls(form()).Check1->setChecked(true);  // every digit
  AddEntries({"1", "2", "2", "-7"});
  Controls(form()).PushButton7->click();
  QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
  ASSERT_TRUE(Window() && Window()->isVisible());
  const QTableWidget* table = Window()->Table();
  const auto cut = [&](std::string_view key) { return table->item(RowOf(key), 1)->data(Qt::SizeHintRole).isValid(); };
  EXPECT_EQ(ValueOf("mean"), "-0.5");
  EXPECT_EQ(ValueOf("standard_deviation"), "4.3588989435");
  EXPECT_FALSE(cut("standard_deviation"));
  EXPECT_TRUE(cut("method"));
  EXPECT_TRUE(cut("harmonic_mean"));  // a negative number: the reason
  EXPECT_EQ(table->item(RowOf("method"), 1)->toolTip(), MethodName(QuantileMethod::kInclusive));
}

TEST_F(WindowOptions, EveryOptionHasAnAccessibleNameAndIsOffWhileARunTakesTheNumbers) {
  ASSERT_TRUE(OpenWindowOn(kOneToTen));
  for (QWidget* w : Options()->TabOrder()) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
    EXPECT_TRUE(w->isEnabled());
  }
  Window()->ForgetNumbers();
  for (QWidget* w : Options()->TabOrder()) EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
}

}  // namespace
