// The Q-Q plot's page: the tests' lines for samples the tests cannot take,
// near-normal and skewed ones, with the user's decimal separator; and in the
// distribution window, Copy Picture and Save Picture of the page shown, and
// the page worked out once per analysis.
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <numeric>
#include <random>

#include "app/DistributionLink.h"
#include "app/DistributionWindow.h"
#include "app/QQPage.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::app;
using namespace windowtest;

namespace {

std::vector<double> Normalish(std::size_t n) {
  std::mt19937_64 random(11);
  std::normal_distribution<double> draw(50.0, 10.0);
  std::vector<double> v(n);
  for (double& x : v) x = draw(random);
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<double> LogNormal(std::size_t n) {
  std::mt19937_64 random(5);
  std::lognormal_distribution<double> draw(0.0, 1.0);
  std::vector<double> v(n);
  for (double& x : v) x = draw(random);
  std::sort(v.begin(), v.end());
  return v;
}

// Twenty numbers spread as a normal sample is, by design: both tests find
// nothing against normality.
std::vector<double> TwentyNearNormal() {
  return {38.1, 41.7, 43.9, 45.5, 46.8, 47.9, 48.9, 49.8, 50.6, 51.4,
          52.2, 53.1, 54.0, 55.0, 56.1, 57.4, 59.0, 61.3, 64.4, 70.2};
}

struct LinesCase {
  const char* name;
  std::vector<double> sorted;
  numtext::Separators separators;
  // What each line holds: its start, then the reading or the reason.
  const char* shapiroWilk;
  const char* omnibus;
  // A text neither line may hold.
  const char* absent;
};

class TestLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TestLines, StatisticPValueAndReading) {
  const LinesCase& c = GetParam();
  const double mean = std::accumulate(c.sorted.begin(), c.sorted.end(), 0.0) / static_cast<double>(c.sorted.size());
  const QStringList lines = NormalityLines(NormalityOf(c.sorted, mean), c.separators);
  ASSERT_EQ(lines.size(), 2) << c.name;
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Shapiro-Wilk: "))) << c.name << ": " << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("D'Agostino-Pearson: "))) << c.name << ": " << lines[1].toStdString();
  EXPECT_TRUE(lines[0].contains(QString::fromUtf8(c.shapiroWilk))) << c.name << ": " << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains(QString::fromUtf8(c.omnibus))) << c.name << ": " << lines[1].toStdString();
  for (const QString& line : lines)
    EXPECT_FALSE(line.contains(QString::fromUtf8(c.absent))) << c.name << ": " << line.toStdString();
}

// The mean given or not, K² is the same test.
TEST_P(TestLines, TheMeanOnlySavesAPass) {
  const LinesCase& c = GetParam();
  const double mean = std::accumulate(c.sorted.begin(), c.sorted.end(), 0.0) / static_cast<double>(c.sorted.size());
  EXPECT_EQ(NormalityLines(NormalityOf(c.sorted, mean), c.separators),
            NormalityLines(NormalityOf(c.sorted, std::nullopt), c.separators))
      << c.name;
}

const numtext::Separators kEnglish{".", ","};
const numtext::Separators kGerman{",", "."};

INSTANTIATE_TEST_SUITE_P(
    Samples, TestLines,
    ::testing::Values(
        LinesCase{"two_numbers", {1.5, 2.5}, kEnglish, "needs at least 3 numbers", "needs at least 8 numbers", "p = "},
        LinesCase{"seven_numbers",
                  {1, 2, 3, 4, 5, 6, 8},
                  kEnglish,
                  "no evidence against normality",
                  "needs at least 8 numbers",
                  "unlikely"},
        LinesCase{"twenty_near_normal", TwentyNearNormal(), kEnglish, "no evidence against normality",
                  "no evidence against normality", "unlikely"},
        LinesCase{"log_normal", LogNormal(200), kEnglish, "unlikely to come from a normal distribution (p = ",
                  "unlikely to come from a normal distribution (p = ", "no evidence"},
        LinesCase{"six_thousand", Normalish(6000), kEnglish, "takes at most 5000 numbers", "K² = ", "W = "},
        LinesCase{"all_equal",
                  {3, 3, 3, 3, 3, 3, 3, 3, 3},
                  kEnglish,
                  "All the numbers are equal",
                  "All the numbers are equal",
                  "p = "},
        LinesCase{"decimal_comma", TwentyNearNormal(), kGerman, "W = 0,", "p = 0,", "p = 0."}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// In the window.

class QQWindowTest : public WindowTest {
 public:
  using WindowTest::AddEntries;
  using WindowTest::form;

 protected:
  void TearDown() override {
    if (form_ && Window()) Window()->close();
    WindowTest::TearDown();
  }
  void Analyse(const std::vector<std::string>& numbers) {
    AddEntries(numbers);
    Controls(form()).PushButton7->click();
  }
  bool OpenWindowOn(const std::vector<std::string>& numbers) {
    OpenShown();
    Analyse(numbers);
    QTest::keyClick(Controls(form()).ListView1, Qt::Key_D, Qt::ControlModifier);
    return Window() && Window()->isVisible();
  }
  DistributionWindow* Window() { return form().Distribution().Window(); }
  void ShowPage(int index) {
    Window()->Views()->setCurrentIndex(index);
    QApplication::processEvents();
  }
};

std::vector<std::string> Weights() {
  return {"61.5", "70.2", "55.1", "68.0", "72.4", "59.9", "64.3", "66.6", "63.0", "58.2", "999", "250"};
}

int Count(const QImage& image, QColor colour) {
  int found = 0;
  for (int y = 0; y < image.height(); y += 1)
    for (int x = 0; x < image.width(); x += 1) found += image.pixelColor(x, y) == colour;
  return found;
}

// Pixels of about the accent's hue, its edges smoothed onto the white.
int Bluish(const QImage& image) {
  int found = 0;
  for (int y = 0; y < image.height(); y += 1)
    for (int x = 0; x < image.width(); x += 1) {
      const QColor c = image.pixelColor(x, y);
      found += c.blue() - c.red() > 40 && c.blue() - c.green() > 20;
    }
  return found;
}

const QColor kBarFill(0x9e, 0xc3, 0xe6);

struct CopyCase {
  const char* name;
  int page;  // 0 the histogram, 1 the Q-Q plot
  bool titled;
  bool bars;          // the histogram's bar fill in the image
  bool tallerByText;  // taller than the view
};

class CopyPicture : public QQWindowTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyPicture, ThePageShown) {
  const CopyCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(Weights()));
  Window()->Titled()->setChecked(c.titled);
  ShowPage(c.page);
  QApplication::clipboard()->clear();
  QApplication::setActiveWindow(Window());
  Window()->Views()->currentWidget()->setFocus();
  QTest::keyClick(Window(), Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull()) << c.name;
  const qreal ratio = Window()->Picture()->devicePixelRatioF();
  EXPECT_EQ(Count(copied, kBarFill) > 0, c.bars) << c.name;
  EXPECT_EQ(copied.height() > Window()->Views()->currentWidget()->height() * ratio, c.tallerByText) << c.name;
  // The other page's picture is another image.
  ShowPage(1 - c.page);
  EXPECT_NE(Window()->PictureImage().convertToFormat(QImage::Format_RGB32),
            copied.convertToFormat(QImage::Format_RGB32))
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(Pages, CopyPicture,
                         ::testing::Values(CopyCase{"histogram", 0, false, true, false},
                                           CopyCase{"histogram_titled", 0, true, true, true},
                                           CopyCase{"qq_plot", 1, false, false, false},
                                           CopyCase{"qq_plot_titled", 1, true, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QQWindowTest, TheQQPlotHasItsPointsInBlue) {
  ASSERT_TRUE(OpenWindowOn(Weights()));
  ShowPage(1);
  EXPECT_GT(Bluish(Window()->PictureImage()), 20);
}

struct SaveCase {
  const char* name;
  QString file;
  bool titled;
  const char* svgTitle;  // empty for a PNG
};

class SavePicture : public QQWindowTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SavePicture, TheQQPlotIntoTheFile) {
  const SaveCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(Weights()));
  Window()->Titled()->setChecked(c.titled);
  ShowPage(1);
  QTemporaryDir dir;
  dialogs_.QueueSaveFile(dir.filePath(c.file));
  Window()->SavePicture();
  const QString path = dir.filePath(c.file);
  ASSERT_TRUE(QFileInfo::exists(path)) << c.name;
  if (c.svgTitle[0] == '\0') {
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << c.name;
    EXPECT_EQ(Count(image, kBarFill), 0) << c.name;
    EXPECT_GT(Bluish(image), 20) << c.name;
  } else {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains(QByteArray("<title>") + c.svgTitle + "</title>")) << c.name;
    EXPECT_TRUE(svg.contains("Shapiro-Wilk")) << c.name;  // the description, and the lines when titled
    EXPECT_TRUE(QSvgRenderer(svg).isValid()) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, SavePicture,
                         ::testing::Values(SaveCase{"png", QStringLiteral("qq.png"), false, ""},
                                           SaveCase{"svg", QStringLiteral("qq.svg"), false, "Normal Q-Q plot"},
                                           SaveCase{"svg_titled", QStringLiteral("qq.svg"), true,
                                                    "Distribution of 12 numbers"}),
                         [](const auto& info) { return std::string(info.param.name); });

// What is worked out again, and when: the tests and the points once per
// analysis, never for a change of the histogram's options.
struct RefreshCase {
  const char* name;
  std::function<void(QQWindowTest&, DistributionWindow&)> act;
  int analyses;
};

class Refreshing : public QQWindowTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(Refreshing, OncePerAnalysis) {
  const RefreshCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(Weights()));
  ASSERT_EQ(Window()->QQ()->Analyses(), 1) << c.name;
  c.act(*this, *Window());
  EXPECT_EQ(Window()->QQ()->Analyses(), c.analyses) << c.name;
  // Whatever happened, the lines are those of the numbers shown.
  EXPECT_EQ(Window()->QQ()->Tests()->text(), Window()->QQ()->Lines().join(QLatin1Char('\n'))) << c.name;
  EXPECT_EQ(Window()->QQ()->Figure().count, Window()->Figure().count) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, Refreshing,
    ::testing::Values(
        RefreshCase{"bins_changed", [](QQWindowTest&, DistributionWindow& w) { w.Bins()->setValue(7); }, 1},
        RefreshCase{"logarithmic_axis", [](QQWindowTest&, DistributionWindow& w) { w.Logarithmic()->toggle(); }, 1},
        RefreshCase{"titled", [](QQWindowTest&, DistributionWindow& w) { w.Titled()->toggle(); }, 1},
        RefreshCase{"resized", [](QQWindowTest&, DistributionWindow& w) { w.resize(w.width() + 200, w.height()); }, 1},
        RefreshCase{"analysed_again",
                    [](QQWindowTest& t, DistributionWindow&) {
                      t.AddEntries({"64.1"});
                      Controls(t.form()).PushButton7->click();
                    },
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QQWindowTest, ThePlotTakesTheFocusAndDescribesTheTests) {
  ASSERT_TRUE(OpenWindowOn(Weights()));
  ShowPage(1);
  QQView* view = Window()->QQ()->View();
  EXPECT_EQ(view->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(Window()->Views()->tabText(1), QStringLiteral("&Q-Q Plot"));
  const QString description = view->accessibleDescription();
  EXPECT_TRUE(description.contains(QStringLiteral("Q-Q plot of 12 numbers"))) << description.toStdString();
  EXPECT_TRUE(description.contains(QStringLiteral("Shapiro-Wilk: W = "))) << description.toStdString();
  EXPECT_TRUE(description.contains(QStringLiteral("D'Agostino-Pearson: K² = "))) << description.toStdString();
}

}  // namespace

namespace {

// Ctrl+C where the tests' lines have the focus copies their text, not the
// picture.
struct TextCopyCase {
  const char* name;
  int selectFrom;  // -1: nothing selected
  int selectLength;
  const char* starts;
  const char* holds;
  const char* absent;
};

class TestsTextCopy : public QQWindowTest, public ::testing::WithParamInterface<TextCopyCase> {};

TEST_P(TestsTextCopy, CtrlCOnTheLines) {
  const TextCopyCase& c = GetParam();
  ASSERT_TRUE(OpenWindowOn(Weights()));
  ShowPage(1);
  QLabel* tests = Window()->QQ()->Tests();
  QApplication::setActiveWindow(Window());
  tests->setFocus();
  ASSERT_TRUE(tests->hasFocus()) << c.name;
  if (c.selectFrom >= 0) tests->setSelection(c.selectFrom, c.selectLength);
  QApplication::clipboard()->clear();
  QTest::keyClick(tests, Qt::Key_C, Qt::ControlModifier);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(QApplication::clipboard()->image().isNull()) << c.name;
  EXPECT_TRUE(copied.startsWith(QString::fromUtf8(c.starts))) << c.name << ": " << copied.toStdString();
  EXPECT_TRUE(copied.contains(QString::fromUtf8(c.holds))) << c.name << ": " << copied.toStdString();
  EXPECT_FALSE(copied.contains(QString::fromUtf8(c.absent))) << c.name << ": " << copied.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Selections, TestsTextCopy,
                         ::testing::Values(TextCopyCase{"nothing_selected", -1, 0,
                                                        "Shapiro-Wilk: W = ", "\nD'Agostino-Pearson: K² = ", "\t"},
                                           TextCopyCase{"a_word_selected", 0, 12, "Shapiro-Wilk", "Shapiro-Wilk",
                                                        ": W"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
