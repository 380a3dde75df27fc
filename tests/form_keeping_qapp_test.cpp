// The work kept in the main window: the list saved and loaded back, copied,
// kept at close and offered at the next start, and the recent files.
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "app/RestoreOffer.h"
#include "input/KeptList.h"
#include "input/ListHistory.h"
#include "platform/RecentFiles.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using windowtest::WindowTest;

namespace {

class KeepingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(stateDir_.isValid());
    ASSERT_TRUE(filesDir_.isValid());
  }
  std::string StateFolder() const { return (stateDir_.path() + QStringLiteral("/tallowmere")).toStdString(); }
  app::Form1& OpenKeeping() {
    form_ = std::make_unique<app::Form1>(
        numtext::Separators{".", ","}, programDir_.path(),
        app::FormServices{.dialogs = &dialogs_, .spreadsheet = {}, .stateFolder = StateFolder()});
    return *form_;
  }
  // The window closed and opened again, as the program ends and starts.
  app::Form1& Reopen() {
    form_->Form_Unload();
    form_.reset();
    return OpenKeeping();
  }
  QString FilePath(const char* name) const { return filesDir_.path() + QLatin1Char('/') + QLatin1String(name); }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
  }
  void AddTested(const std::vector<std::string>& texts) {
    for (const std::string& t : texts) form_->NumberList().AppendTestedText(t);
    form_->NumberList().Flush();
  }
  std::vector<bool> Flags() const {
    std::vector<bool> out;
    for (std::size_t i = 0; i < form_->NumberList().Count(); ++i)
      out.push_back(form_->NumberList().PassedNumberTest(i));
    return out;
  }
  QTemporaryDir stateDir_;
  QTemporaryDir filesDir_;
};

}  // namespace

TEST_F(KeepingTest, SavedNumbersLoadBackToTheSameListAndResults) {
  const std::vector<std::vector<std::string>> lists = {
      {"12", "15.5", "-3", "7"}, {"  4 ", "1e3", "2.50"}, {"0"}, {"-0.001", "99", "1E-5"}};
  for (const auto& entries : lists) {
    OpenKeeping();
    dialogs_.Clear();
    AddEntries(entries);
    form().PushButton7_Click();
    const QStringList results = ResultRows();
    const QString path = FilePath("list.txt");
    dialogs_.QueueSaveFile(path);
    form().SaveNumbers();
    EXPECT_TRUE(dialogs_.Questions().isEmpty()) << entries.front();
    QByteArray expected;
    for (const std::string& e : entries) expected += QByteArray::fromStdString(e) + '\n';
    EXPECT_EQ(Read(path), expected);
    form().PushButton1_Click();
    form().OpenRecentFile(path);
    EXPECT_EQ(Entries(), entries);
    form().PushButton7_Click();
    EXPECT_EQ(ResultRows().join(QLatin1Char('\n')), results.join(QLatin1Char('\n')));
  }
}

TEST_F(KeepingTest, EntriesThatWouldNotComeBackAreToldBeforeSaving) {
  OpenKeeping();
  AddEntries({"12", "n/a", "61,5"});
  const struct {
    bool yes;
    bool written;
  } answers[] = {{false, false}, {true, true}};
  for (const auto& a : answers) {
    QFile::remove(FilePath("lossy.txt"));
    dialogs_.Clear();
    dialogs_.QueueSaveFile(FilePath("lossy"));
    dialogs_.QueueQuestion(a.yes);
    form().SaveNumbers();
    ASSERT_EQ(dialogs_.Questions().size(), 1);
    EXPECT_TRUE(dialogs_.Questions().first().contains(QStringLiteral("\"n/a\", \"61,5\"")));
    // The text filter adds its extension.
    EXPECT_EQ(QFile::exists(FilePath("lossy.txt")), a.written);
  }
  EXPECT_EQ(Read(FilePath("lossy.txt")), QByteArray("12\nn/a\n61,5\n"));
}

TEST_F(KeepingTest, AFailedSaveIsReportedAndNotNotedAsRecent) {
  OpenKeeping();
  AddEntries({"1"});
  const QString path = FilePath("missing/folder/list.txt");
  dialogs_.QueueSaveFile(path);
  form().SaveNumbers();
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_TRUE(dialogs_.Messages().first().contains(path));
  EXPECT_TRUE(form().RecentFiles().isEmpty());
}

TEST_F(KeepingTest, CopiesTheSelectedEntryOrAllOfThem) {
  OpenKeeping();
  AddEntries({"3", "1", "n/a", "2"});
  auto* list = windowtest::Controls(form()).ListView1;
  const struct {
    int selected;  // -1: none
    const char* copied;
  } cases[] = {{-1, "3\n1\nn/a\n2\n"}, {2, "n/a\n"}, {0, "3\n"}};
  for (const auto& c : cases) {
    list->clearSelection();
    if (c.selected >= 0) list->selectRow(c.selected);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    form().CopyNumbers();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.copied)) << c.selected;
  }
  // Ctrl+C in the list copies as the command does, not the view's one entry.
  list->clearSelection();
  list->setCurrentIndex(form().NumberList().index(1));
  list->clearSelection();
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("3\n1\nn/a\n2\n"));
}

TEST_F(KeepingTest, TheListKeptAtCloseIsOfferedAndRestoredAsOneStep) {
  OpenKeeping();
  EXPECT_FALSE(form().KeptListOffer().Offered());
  AddEntries({"40", "abc"});
  AddTested({"61,5"});
  Reopen();
  EXPECT_EQ(form().NumberList().Count(), 0u);
  ASSERT_TRUE(form().KeptListOffer().Offered());
  EXPECT_EQ(form().KeptListOffer().text(), QStringLiteral("Restore the 3 numbers from last time"));
  form().KeptListOffer().click();
  EXPECT_FALSE(form().KeptListOffer().Offered());
  EXPECT_EQ(Entries(), (std::vector<std::string>{"40", "abc", "61,5"}));
  EXPECT_EQ(Flags(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(form().NumberList().History().UndoCount(), 1u);
  EXPECT_EQ(form().NumberList().History().UndoName(), input::kRestoreNumbersStep);
  form().UndoListChange();
  EXPECT_EQ(form().NumberList().Count(), 0u);
  form().RedoListChange();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"40", "abc", "61,5"}));
}

TEST_F(KeepingTest, TheOfferGoesAtTheFirstChangeAndAnUntouchedOneStays) {
  OpenKeeping();
  AddEntries({"1", "2"});
  Reopen();
  ASSERT_TRUE(form().KeptListOffer().Offered());
  // Closed without a change: the same list is offered again.
  Reopen();
  ASSERT_TRUE(form().KeptListOffer().Offered());
  EXPECT_EQ(form().KeptListOffer().text(), QStringLiteral("Restore the 2 numbers from last time"));
  AddEntries({"9"});
  EXPECT_FALSE(form().KeptListOffer().Offered());
  EXPECT_TRUE(form().KeptListOffer().isHidden());
  Reopen();
  EXPECT_EQ(form().KeptListOffer().text(), QStringLiteral("Restore the number from last time"));
  form().KeptListOffer().click();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"9"}));
}

TEST_F(KeepingTest, WhatCannotBeOfferedIsSaid) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {std::string("TMKEPT1\n") + std::string(30, 'x'), QStringLiteral("The numbers from last time could not be read")},
  };
  QDir().mkpath(QString::fromStdString(StateFolder()));
  const QString file = QString::fromStdString(StateFolder()) + QStringLiteral("/kept-list");
  for (const auto& [bytes, said] : cases) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    OpenKeeping();
    EXPECT_EQ(form().KeptListOffer().text(), said);
    form().KeptListOffer().click();
    EXPECT_FALSE(form().KeptListOffer().Offered());
    EXPECT_EQ(form().NumberList().Count(), 0u);
  }
  const std::vector<std::string> many(50, "123456");
  input::KeepList(
      StateFolder(),
      {many.size(), [&](std::size_t i) { return std::string_view(many[i]); }, [](std::size_t) { return false; }}, 100);
  OpenKeeping();
  EXPECT_EQ(form().KeptListOffer().text(),
            QStringLiteral("The 50 numbers from last time were not kept: the list was over 100 MB"));
}

TEST_F(KeepingTest, RecentFilesOpenAsLoadingDoesAndAMissingOneIsDropped) {
  OpenKeeping();
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    QFile f(FilePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(name).left(1) == "a" ? "1\n" : "2\nx\n");
  }
  dialogs_.QueueOpenFiles({FilePath("a.txt"), FilePath("b.txt")});
  form().PushButton6_Click();
  form().NoteRecentFile(FilePath("c.txt"));
  EXPECT_EQ(form().RecentFiles(), (QStringList{FilePath("c.txt"), FilePath("b.txt"), FilePath("a.txt")}));
  QMenu menu;
  form().FillRecentMenu(menu);
  QStringList items;
  for (QAction* a : menu.actions())
    if (!a->isSeparator()) items << a->text();
  EXPECT_EQ(items, (QStringList{"&1 c.txt", "&2 b.txt", "&3 a.txt", "Clear Recent"}));
  QFile::remove(FilePath("b.txt"));
  form().PushButton1_Click();
  menu.actions()[1]->trigger();
  ASSERT_EQ(dialogs_.Messages().size(), 1);
  EXPECT_TRUE(dialogs_.Messages().first().startsWith(QStringLiteral("File not found")));
  EXPECT_EQ(form().RecentFiles(), (QStringList{FilePath("c.txt"), FilePath("a.txt")}));
  menu.actions()[0]->trigger();  // c.txt
  EXPECT_EQ(Entries(), (std::vector<std::string>{"2"}));
  EXPECT_EQ(Stored(platform::kRecentFilesKey), FilePath("c.txt") + QLatin1Char('\n') + FilePath("a.txt"));
  form().FillRecentMenu(menu);
  menu.actions().last()->trigger();
  EXPECT_TRUE(form().RecentFiles().isEmpty());
}
