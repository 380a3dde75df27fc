#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTranslator>
#include <set>

#include "app/AboutBox.h"
#include "app/CommandLine.h"
#include "app/HelpWindow.h"
#include "app/KeyboardShortcuts.h"
#include "app/ManualText.h"

namespace tallowmere::app {
namespace {

std::set<QString> DocumentAnchors(const QTextDocument& document) {
  std::set<QString> anchors;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (const QString& name : block.charFormat().anchorNames()) anchors.insert(name);
    for (auto it = block.begin(); !it.atEnd(); ++it)
      for (const QString& name : it.fragment().charFormat().anchorNames()) anchors.insert(name);
  }
  return anchors;
}

QStringList Captures(const QString& html, const QString& pattern) {
  QStringList found;
  for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(html)) found << match.captured(1);
  return found;
}

TEST(ManualText, ListsAreClosedAndEveryLinkHasItsHeading) {
  const QString html = ManualHtml(QStringLiteral("qrc:/manual/"));
  for (const char* tag : {"ul", "dl"})
    EXPECT_EQ(html.count(QStringLiteral("<%1>").arg(QLatin1String(tag))),
              html.count(QStringLiteral("</%1>").arg(QLatin1String(tag))))
        << tag;
  const QStringList links = Captures(html, QStringLiteral("href=\"#([^\"]+)\""));
  const QStringList ids = Captures(html, QStringLiteral("id=\"([^\"]+)\""));
  ASSERT_EQ(links.size(), static_cast<qsizetype>(ManualSections().size()));
  for (const QString& link : links) EXPECT_TRUE(ids.contains(link)) << link.toStdString();
}

// Marks every text it is asked for, so that a text shown unmarked is one
// that never went through the translation system.
class MarkingTranslator final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (qstrcmp(context, "Manual") != 0) return {};
    return QStringLiteral("\u00ab%1\u00bb").arg(QString::fromUtf8(source));
  }
};

TEST(ManualText, EverySentenceIsTranslatedButCommandsAreNot) {
  MarkingTranslator marking;
  ASSERT_TRUE(QCoreApplication::installTranslator(&marking));
  QTextDocument document;
  document.setHtml(ManualHtml(QStringLiteral("qrc:/manual/")));
  QCoreApplication::removeTranslator(&marking);
  int commands = 0;
  int sentences = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text().trimmed();
    if (text.isEmpty() || text == QChar::ObjectReplacementCharacter) continue;
    const QTextCharFormat format = block.begin().fragment().charFormat();
    if (format.fontFamilies().toStringList().contains(QStringLiteral("monospace"))) {
      // A command or an option: the same in every language.
      EXPECT_FALSE(text.contains(QChar(0x00ab))) << text.toStdString();
      ++commands;
      continue;
    }
    EXPECT_TRUE(text.startsWith(QChar(0x00ab)) && text.endsWith(QChar(0x00bb))) << text.toStdString();
    EXPECT_EQ(text.count(QChar(0x00ab)), 1) << "one piece per block: " << text.toStdString();
    ++sentences;
  }
  EXPECT_GE(commands, 10);
  EXPECT_GE(sentences, 60);
}

class ManualWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  HelpWindow window_{nullptr};
};

TEST_F(ManualWindowTest, EverySectionIsAnAnchorTheBrowserReaches) {
  ManualBrowser& browser = *window_.Browser();
  const std::set<QString> anchors = DocumentAnchors(*browser.document());
  int lastScroll = -1;
  for (const ManualSection& section : ManualSections()) {
    EXPECT_TRUE(anchors.count(section.anchor)) << section.anchor.toStdString();
    EXPECT_FALSE(section.title.isEmpty());
    QUrl address = browser.source();
    address.setFragment(section.anchor);
    browser.setSource(address);
    EXPECT_EQ(browser.source().fragment(), section.anchor);
    // The sections come in order, so each jump goes further down.
    const int scroll = browser.verticalScrollBar()->value();
    EXPECT_GE(scroll, lastScroll) << section.anchor.toStdString();
    lastScroll = scroll;
  }
  EXPECT_GT(lastScroll, 0);
  EXPECT_TRUE(browser.isBackwardAvailable());
}

TEST_F(ManualWindowTest, EveryPictureLoads) {
  ManualBrowser& browser = *window_.Browser();
  const QStringList sources =
      Captures(ManualHtml(QStringLiteral("qrc:/manual/")), QStringLiteral("<img src=\"([^\"]+)\""));
  ASSERT_EQ(sources.size(), ManualImages().size());
  ASSERT_GE(sources.size(), 2);
  for (const QString& source : sources) {
    const QVariant bytes = browser.loadResource(QTextDocument::ImageResource, QUrl(source));
    EXPECT_FALSE(QImage::fromData(bytes.toByteArray()).isNull()) << source.toStdString();
  }
}

TEST_F(ManualWindowTest, PicturesNarrowToThePageAndWidenBack) {
  struct Case {
    int windowWidth;
    bool narrowed;
  };
  for (const Case test : {Case{420, true}, Case{1200, false}}) {
    window_.resize(test.windowWidth, 500);
    QCoreApplication::processEvents();
    const int page = window_.Browser()->viewport()->width();
    // The whole manual is laid out again, down to its last line.
    const QTextDocument& document = *window_.Browser()->document();
    EXPECT_GT(document.documentLayout()->blockBoundingRect(document.lastBlock()).height(), 0) << test.windowWidth;
    for (QTextBlock block = window_.Browser()->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
        if (!image.isValid()) continue;
        EXPECT_LE(image.width(), page) << test.windowWidth;
        const QImage picture = QImage::fromData(
            window_.Browser()->loadResource(QTextDocument::ImageResource, QUrl(image.name())).toByteArray());
        if (test.narrowed) {
          EXPECT_LT(image.width(), picture.width());
        } else {
          EXPECT_EQ(image.width(), picture.width());
        }
        EXPECT_NEAR(image.height() / image.width(), double(picture.height()) / picture.width(), 0.01);
      }
    }
  }
}

TEST_F(ManualWindowTest, AddressesOutsideTheManualAreRefused) {
  ManualBrowser& browser = *window_.Browser();
  const QUrl before = browser.source();
  for (const char* address : {"https://example.com/", "file:///etc/passwd", "mailto:someone@example.com"}) {
    browser.setSource(QUrl(QLatin1String(address)));
    EXPECT_EQ(browser.source(), before) << address;
    EXPECT_FALSE(browser.loadResource(QTextDocument::HtmlResource, QUrl(QLatin1String(address))).isValid());
  }
}

TEST_F(ManualWindowTest, SearchFindsWrapsAndMisses) {
  struct Case {
    const char* text;
    bool backward;
    bool found;
  };
  const Case cases[] = {
      {"Start Analysis", false, true}, {"--entries", false, true},      {"LC_NUMERIC", true, true},
      {"Copy Picture", true, true},    {"qqxzv no such", false, false}, {"Save Numbers", false, true},
  };
  for (const Case& test : cases) {
    window_.SearchField()->setText(QLatin1String(test.text));
    EXPECT_EQ(window_.FindNext(test.backward), test.found) << test.text;
    EXPECT_EQ(window_.ShowsNotFound(), !test.found) << test.text;
    if (test.found) {
      EXPECT_EQ(window_.Browser()->textCursor().selectedText().toLower(), QString::fromLatin1(test.text).toLower());
    }
  }
  // A term that appears once is found again after the search rounds the end.
  window_.SearchField()->setText(QStringLiteral("Gewicht"));
  ASSERT_TRUE(window_.FindNext());
  const int first = window_.Browser()->textCursor().position();
  ASSERT_TRUE(window_.FindNext());
  EXPECT_EQ(window_.Browser()->textCursor().position(), first);
  // Typing again clears the mark of a miss.
  window_.SearchField()->setText(QStringLiteral("qqxzv"));
  EXPECT_FALSE(window_.FindNext());
  QTest::keyClick(window_.SearchField(), Qt::Key_Backspace);
  EXPECT_FALSE(window_.ShowsNotFound());
}

TEST_F(ManualWindowTest, KeysFocusTheFieldAndFindAgain) {
  window_.activateWindow();
  window_.Browser()->setFocus();
  QTest::keyClick(window_.Browser(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(window_.SearchField()->hasFocus());
  QTest::keyClicks(window_.SearchField(), QStringLiteral("the median"));
  QTest::keyClick(window_.SearchField(), Qt::Key_Return);
  const int first = window_.Browser()->textCursor().position();
  EXPECT_GT(first, 0);
  QTest::keyClick(window_.SearchField(), Qt::Key_F3);
  const int second = window_.Browser()->textCursor().position();
  EXPECT_NE(second, first);
  QTest::keyClick(window_.SearchField(), Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(window_.Browser()->textCursor().position(), first);
}

TEST(Manual, OneWindowAtATime) {
  QWidget main;
  ShowManual(&main);
  HelpWindow* first = OpenManualWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isWindow());
  ShowManual(&main);
  EXPECT_EQ(OpenManualWindow(), first);
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(OpenManualWindow(), nullptr);
  ShowManual(&main);
  EXPECT_NE(OpenManualWindow(), nullptr);
}

TEST(KeyboardShortcuts, TheTableHoldsEveryKey) {
  struct Case {
    QKeySequence key;
    const char* where;
  };
  const Case cases[] = {
      {QKeySequence(Qt::Key_F1), "Main window"},
      {QKeySequence(Qt::CTRL | Qt::Key_Q), "Main window"},
      {QKeySequence(Qt::CTRL | Qt::Key_S), "Main window"},
      {QKeySequence(Qt::CTRL | Qt::Key_D), "Main window"},
      {QKeySequence(Qt::Key_Escape), "Main window"},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), "Number list"},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "Number list"},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), "Number list"},
      {QKeySequence(Qt::CTRL | Qt::Key_V), "Number list"},
      {QKeySequence(Qt::SHIFT | Qt::Key_Insert), "Number list"},
      {QKeySequence(Qt::CTRL | Qt::Key_C), "Number list"},
      {QKeySequence(Qt::Key_Delete), "Number list"},
      {QKeySequence(Qt::SHIFT | Qt::Key_F10), "Number list"},
      {QKeySequence(Qt::Key_Space), "Results list"},
      {QKeySequence(Qt::CTRL | Qt::Key_A), "Results list"},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), "Results list"},
      {QKeySequence(Qt::CTRL | Qt::Key_C), "Distribution window"},
      {QKeySequence(Qt::CTRL | Qt::Key_S), "Distribution window"},
      {QKeySequence(Qt::Key_Escape), "Distribution window"},
      {QKeySequence(Qt::CTRL | Qt::Key_F), "Manual"},
      {QKeySequence(Qt::SHIFT | Qt::Key_F3), "Manual"},
  };
  const std::vector<ShortcutRow> rows = KeyboardShortcutRows();
  for (const Case& test : cases) {
    const QString key = test.key.toString(QKeySequence::NativeText);
    const bool listed = std::any_of(rows.begin(), rows.end(), [&](const ShortcutRow& row) {
      return row.where == QLatin1String(test.where) && row.keys.split(QStringLiteral(", ")).contains(key);
    });
    EXPECT_TRUE(listed) << key.toStdString() << " in " << test.where;
  }
  for (const ShortcutRow& row : rows) EXPECT_FALSE(row.keys.isEmpty() || row.what.isEmpty());
  QDialog* dialog = MakeKeyboardShortcutsDialog(nullptr);
  auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("ShortcutTable"));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), static_cast<int>(rows.size()));
  delete dialog;
}

TEST(About, NamesTheVersionTheLicenceAndQt) {
  const std::string version = VersionText();  // "tallowmere 1.2.3\n"
  const QString number = QString::fromStdString(version.substr(version.find(' ') + 1)).trimmed();
  const QString text = AboutText();
  for (const QString& expected : {number, QString::fromLatin1(qVersion()), QStringLiteral("MIT"),
                                  QStringLiteral("The Tallowmere authors"), QStringLiteral("Boost.Math")})
    EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
  QMessageBox* box = MakeAboutBox(nullptr);
  EXPECT_EQ(box->text(), text);
  delete box;
}

}  // namespace
}  // namespace tallowmere::app
