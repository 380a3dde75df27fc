// The spreadsheet layer and its LibreOffice Calc backend: starting it, finding
// Calc, fitting widths, the workbook in memory, the folder for the workbook
// files, and a written workbook read back by LibreOffice itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>

#include "platform/CalcSpreadsheet.h"
#include "platform/Spreadsheet.h"
#include "results/ExportCommands.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ReportListKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::platform;
using namespace tallowmere::results;

namespace {

mode_t ModeOf(const QString& path) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return 0;
  return st.st_mode & 07777;
}

void Touch(const QString& path, const QByteArray& bytes = "x") {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

void MakeExecutable(const QString& path, const QByteArray& script = "#!/bin/sh\nexit 0\n") {
  Touch(path, script);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// ---------------------------------------------------------------------------
// Finding Calc.

struct FindCase {
  const char* name;
  bool localc;                          // a localc on the search path
  const char* linked;                   // "soffice" or "libreoffice" linked into a program folder, or ""
  bool plugin;                          // that folder holds a display plug-in
  std::optional<QStringList> expected;  // program's name and arguments
};

class FindingCalc : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindingCalc, NeedsAPackageThatOpensWindows) {
  const FindCase& c = GetParam();
  QTemporaryDir dir;
  const QString bin = dir.filePath(QStringLiteral("bin"));
  const QString program = dir.filePath(QStringLiteral("lib/office/program"));
  ASSERT_TRUE(QDir().mkpath(bin));
  ASSERT_TRUE(QDir().mkpath(program));
  if (c.localc) MakeExecutable(bin + QStringLiteral("/localc"));
  if (*c.linked) {
    MakeExecutable(program + QStringLiteral("/soffice"));
    ASSERT_TRUE(QFile::link(program + QStringLiteral("/soffice"), bin + QLatin1Char('/') + QLatin1String(c.linked)));
  }
  if (c.plugin) Touch(program + QStringLiteral("/libvclplug_gen.so"));

  const std::optional<CalcLauncher> found = FindCalc({bin});
  ASSERT_EQ(found.has_value(), c.expected.has_value());
  if (!found) return;
  EXPECT_EQ(QFileInfo(found->program).fileName(), c.expected->front());
  EXPECT_EQ(found->arguments, c.expected->mid(1));
}

INSTANTIATE_TEST_SUITE_P(Installations, FindingCalc,
                         ::testing::Values(FindCase{"Localc", true, "", false, QStringList{"localc", "--nologo", "-n"}},
                                           FindCase{"SofficeWithDisplayPlugin", false, "soffice", true,
                                                    QStringList{"soffice", "--calc", "--nologo", "-n"}},
                                           FindCase{"LibreofficeWithDisplayPlugin", false, "libreoffice", true,
                                                    QStringList{"libreoffice", "--calc", "--nologo", "-n"}},
                                           FindCase{"HeadlessOnly", false, "soffice", false, std::nullopt},
                                           FindCase{"NothingInstalled", false, "", false, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Autofit widths.

struct WidthCase {
  qsizetype characters;
  double width;
};

class Autofit : public ::testing::TestWithParam<WidthCase> {};

TEST_P(Autofit, FollowsTheLongestText) { EXPECT_NEAR(AutofitWidth(GetParam().characters), GetParam().width, 1e-9); }

INSTANTIATE_TEST_SUITE_P(Widths, Autofit,
                         ::testing::Values(WidthCase{0, 8.43}, WidthCase{1, 8.43}, WidthCase{6, 8.43},
                                           WidthCase{7, 9.55}, WidthCase{9, 11.85}, WidthCase{41, 48.65},
                                           WidthCase{85, 99.25}, WidthCase{86, 100.0}, WidthCase{5000, 100.0}));

// ---------------------------------------------------------------------------
// The application object in memory.

class CalcObject : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.filePath(QStringLiteral("exports"));
    app_ = std::make_shared<CalcApplication>([this](const QString& file) { opened_ << file; }, folder_);
    factory_ = [this] { return app_; };
  }

  QTemporaryDir dir_;
  QString folder_;
  std::shared_ptr<CalcApplication> app_;
  platform::Factory factory_;
  QStringList opened_;
};

TEST_F(CalcObject, CellsAndFittingAsTheExportUsesThem) {
  std::shared_ptr<platform::Application> app = platform::Start(factory_);
  std::shared_ptr<platform::Workbook> book = app->NewWorkbook();
  book->SetCellText(1, 1, QStringLiteral("Result(s)"));
  book->FitColumn(1);
  const SheetContent& sheet = app_->Sheet(1);
  EXPECT_NEAR(sheet.columnWidths.at(1), AutofitWidth(9), 1e-9) << "the header alone at first";

  book->SetCellText(2, 1, QStringLiteral("The coefficient of variation is: 33.555 %"));
  book->SetCellText(4, 3, QStringLiteral("c"));
  book->SetCellText(5, 1, QString());
  book->FitAllColumns();
  EXPECT_NEAR(sheet.columnWidths.at(1), AutofitWidth(41), 1e-9);
  EXPECT_NEAR(sheet.columnWidths.at(3), kDefaultColumnWidth, 1e-9);
  EXPECT_EQ(sheet.columnWidths.count(2), 0u) << "an empty column keeps the standard width";
  EXPECT_EQ(sheet.cells.size(), 3u) << "an empty text leaves the cell empty";

  // A fitted column whose text is gone gets the standard width back.
  book->SetCellText(4, 3, QString());
  book->FitAllColumns();
  EXPECT_EQ(sheet.columnWidths.count(3), 0u);
  EXPECT_TRUE(opened_.isEmpty()) << "nothing is shown before Show";
}

TEST_F(CalcObject, ShowWritesOneFileAndOpensItOnce) {
  std::shared_ptr<platform::Application> app = platform::Start(factory_);
  app->NewWorkbook()->SetCellText(1, 1, QStringLiteral("Result(s)"));
  app->Show();
  app->Show();
  ASSERT_EQ(opened_.size(), 1);
  const QFileInfo file(opened_.front());
  EXPECT_EQ(file.absolutePath(), QFileInfo(folder_).absoluteFilePath());
  EXPECT_TRUE(file.fileName().startsWith(QStringLiteral("Results-")) &&
              file.fileName().endsWith(QStringLiteral(".xlsx")))
      << file.fileName().toStdString();
  EXPECT_GT(file.size(), 0);
  EXPECT_EQ(ModeOf(folder_), mode_t{0700});

  // A second workbook later gets a name of its own.
  app->NewWorkbook()->SetCellText(1, 1, QStringLiteral("again"));
  app->Show();
  ASSERT_EQ(opened_.size(), 2);
  EXPECT_NE(opened_[0], opened_[1]);
}

// A disk that takes the workbook only in part (here a file-size limit, as a
// full disk): the export fails with the system's reason, and no cut-short
// file is left for Calc to open.
TEST_F(CalcObject, AWorkbookCutShortFailsWithTheReasonAndLeavesNoFile) {
  std::shared_ptr<platform::Application> app = platform::Start(factory_);
  std::shared_ptr<platform::Workbook> book = app->NewWorkbook();
  for (long row = 1; row <= 2000; ++row) book->SetCellText(row, 1, QStringLiteral("%1 unique text").arg(row * 7919));
  std::string message;
  {
    const tallowmere::test::FileSizeLimit limit(4096);
    try {
      app->Show();
    } catch (const std::runtime_error& e) {
      message = e.what();
    }
  }
  EXPECT_TRUE(message.find(std::strerror(EFBIG)) != std::string::npos) << message;
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_EQ(QDir(folder_).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(CalcObject, ShowWithoutAWorkbookWritesNothing) {
  platform::Start(factory_)->Show();
  EXPECT_TRUE(opened_.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(folder_));
}

struct BadCall {
  const char* name;
  std::function<void(platform::Workbook&)> call;
};

class CalcObjectLimits : public CalcObject, public ::testing::WithParamInterface<BadCall> {};

TEST_P(CalcObjectLimits, FailWithTheSheetsMessage) {
  std::shared_ptr<platform::Workbook> book = platform::Start(factory_)->NewWorkbook();
  try {
    GetParam().call(*book);
    ADD_FAILURE() << "no failure";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "The cell is outside the sheet or its text too long");
  }
  EXPECT_TRUE(app_->Sheet(1).cells.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CalcObjectLimits,
    ::testing::Values(BadCall{"RowZero", [](platform::Workbook& b) { b.SetCellText(0, 1, QStringLiteral("x")); }},
                      BadCall{"ColumnZero", [](platform::Workbook& b) { b.SetCellText(1, 0, QStringLiteral("x")); }},
                      BadCall{"RowPastTheSheet",
                              [](platform::Workbook& b) { b.SetCellText(kMaxSheetRows + 1, 1, QStringLiteral("x")); }},
                      BadCall{"ColumnPastTheSheet", [](platform::Workbook& b) { b.FitColumn(kMaxSheetColumns + 1); }},
                      BadCall{"TextTooLong",
                              [](platform::Workbook& b) {
                                b.SetCellText(1, 1, QString(kMaxCellCharacters + 1, QLatin1Char('x')));
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpreadsheetLayer, AnObjectNeverObtainedFailsOnUse) {
  const platform::Ref<platform::Application> app;
  const platform::Ref<platform::Workbook> book;
  EXPECT_THROW(app->NewWorkbook(), std::runtime_error);
  EXPECT_THROW(app->Show(), std::runtime_error);
  EXPECT_THROW(book->SetCellText(1, 1, QStringLiteral("x")), std::runtime_error);
  EXPECT_THROW(book->FitColumn(1), std::runtime_error);
  EXPECT_THROW(book->FitAllColumns(), std::runtime_error);
}

TEST(SpreadsheetLayer, StartNeverAnswersAnEmptyApplication) {
  EXPECT_NE(platform::Start([] { return std::make_shared<CalcApplication>([](const QString&) {}); }), nullptr);
  EXPECT_THROW(platform::Start([] { return std::shared_ptr<platform::Application>(); }), std::runtime_error);
}

// ---------------------------------------------------------------------------
// The folder for the workbook files.

TEST(ExportFolder, IsCreatedPrivateAndTightenedWhenLoose) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("mine"));
  EXPECT_EQ(PrepareExportFolder(folder), folder);
  EXPECT_EQ(ModeOf(folder), mode_t{0700});
  ::chmod(QFile::encodeName(folder).constData(), 0755);
  PrepareExportFolder(folder);
  EXPECT_EQ(ModeOf(folder), mode_t{0700});
}

TEST(ExportFolder, RefusesASymlinkOrAFile) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("elsewhere"));
  ASSERT_TRUE(QDir().mkpath(target));
  const QString link = dir.filePath(QStringLiteral("link"));
  ASSERT_TRUE(QFile::link(target, link));
  EXPECT_THROW(PrepareExportFolder(link), std::runtime_error);
  const QString file = dir.filePath(QStringLiteral("file"));
  Touch(file);
  EXPECT_THROW(PrepareExportFolder(file), std::runtime_error);
}

TEST(ExportFolder, DefaultIsPerUserUnderTheTemporaryFolder) {
  const QString folder = DefaultExportFolder();
  EXPECT_EQ(QFileInfo(folder).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
  EXPECT_TRUE(folder.endsWith(QStringLiteral("/tallowmere-%1").arg(static_cast<qulonglong>(geteuid()))));
}

TEST(ExportFolder, OnlyOurOldWorkbookFilesAreRemoved) {
  QTemporaryDir dir;
  const QString f = dir.path();
  const QDateTime now = QDateTime::currentDateTime();
  struct File {
    const char* name;
    int ageSeconds;
    bool kept;
  };
  const File files[] = {{"Results-old111.xlsx", 11 * 60, false},
                        {"Results-new111.xlsx", 9 * 60, true},
                        {"Results-edge11.xlsx", 10 * 60 - 5, true},
                        {"Other-old.xlsx", 3600, true},
                        {"Results-old222.txt", 3600, true},
                        // Still read by a spreadsheet: stays, whatever its age.
                        {"Results-open11.xlsx", 3600, true}};
  for (const File& file : files) {
    const QString path = f + QLatin1Char('/') + QLatin1String(file.name);
    Touch(path);
    QFile handle(path);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    ASSERT_TRUE(handle.setFileTime(now.addSecs(-file.ageSeconds), QFileDevice::FileModificationTime));
  }
  QFile reader(f + QStringLiteral("/Results-open11.xlsx"));
  ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
  RemoveOldExports(f, now);
  for (const File& file : files)
    EXPECT_EQ(QFileInfo::exists(f + QLatin1Char('/') + QLatin1String(file.name)), file.kept) << file.name;
}

TEST(ExportFolder, OldFilesGoAtTheNextExportNotBefore) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("exports"));
  PrepareExportFolder(folder);
  const QString stale = folder + QStringLiteral("/Results-stale1.xlsx");
  Touch(stale);
  {
    QFile handle(stale);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    handle.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
  }
  auto app = std::make_shared<CalcApplication>([](const QString&) {}, folder);
  app->NewWorkbook();
  EXPECT_TRUE(QFileInfo::exists(stale)) << "creating the application removes nothing";
  app->Show();
  EXPECT_FALSE(QFileInfo::exists(stale));
}

// What earlier runs left goes at the next start; the start creates no folder
// and leaves one alone that is not a folder of the user's own.
TEST(ExportFolder, EarlierRunsFilesGoAtTheStart) {
  QTemporaryDir dir;
  const QString folder = PrepareExportFolder(dir.filePath(QStringLiteral("exports")));
  const QString stale = folder + QStringLiteral("/Results-stale1.xlsx");
  const QString fresh = folder + QStringLiteral("/Results-fresh1.xlsx");
  Touch(stale);
  Touch(fresh);
  {
    QFile handle(stale);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    handle.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
  }
  const QString linked = dir.filePath(QStringLiteral("linked"));
  ASSERT_TRUE(QFile::link(folder, linked));
  RemoveExportsOfEarlierRuns(linked);
  EXPECT_TRUE(QFileInfo::exists(stale)) << "a link to the folder is not the folder";
  RemoveExportsOfEarlierRuns(folder);
  EXPECT_FALSE(QFileInfo::exists(stale));
  EXPECT_TRUE(QFileInfo::exists(fresh)) << "a file of a few minutes may still be on its way to Calc";
  const QString missing = dir.filePath(QStringLiteral("missing"));
  RemoveExportsOfEarlierRuns(missing);
  EXPECT_FALSE(QFileInfo::exists(missing));
}

// ---------------------------------------------------------------------------
// A written workbook read back by LibreOffice (headless, private profile).

struct ReadCell {
  QString type;  // office:value-type; empty for an empty cell
  QString text;
};
struct ReadSheet {
  std::vector<std::vector<ReadCell>> rows;
  std::vector<double> columnWidths;  // inches, one per column
};

double Inches(QStringView length) {
  static const std::pair<const char*, double> units[] = {
      {"in", 1.0}, {"cm", 1 / 2.54}, {"mm", 1 / 25.4}, {"pt", 1 / 72.0}};
  for (const auto& [unit, factor] : units)
    if (length.endsWith(QLatin1String(unit))) return length.chopped(2).toDouble() * factor;
  return 0;
}

// Reads the first table of a flat OpenDocument spreadsheet: cell types and
// texts, row by row, and the width of each column.
ReadSheet ReadFlatSpreadsheet(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  QXmlStreamReader xml(&file);
  std::map<QString, double> columnStyles;
  ReadSheet sheet;
  QString currentStyle;
  int tables = 0;
  int rowRepeat = 1;
  std::vector<ReadCell> row;
  ReadCell cell;
  int cellRepeat = 1;
  int paragraphs = 0;
  bool inCell = false;
  bool inParagraph = false;  // the file is indented: only text inside a paragraph counts
  while (!xml.atEnd()) {
    xml.readNext();
    const QStringView name = xml.qualifiedName();
    const QXmlStreamAttributes a = xml.attributes();
    if (xml.isStartElement()) {
      if (name == u"style:style")
        currentStyle = a.value(QLatin1String("style:name")).toString();
      else if (name == u"style:table-column-properties")
        columnStyles[currentStyle] = Inches(a.value(QLatin1String("style:column-width")));
      else if (name == u"table:table")
        ++tables;
      if (tables != 1) continue;
      if (name == u"table:table-column") {
        const int repeat = std::min(a.hasAttribute(QLatin1String("table:number-columns-repeated"))
                                        ? a.value(QLatin1String("table:number-columns-repeated")).toInt()
                                        : 1,
                                    16);
        for (int i = 0; i < repeat; ++i)
          sheet.columnWidths.push_back(columnStyles[a.value(QLatin1String("table:style-name")).toString()]);
      } else if (name == u"table:table-row") {
        row.clear();
        rowRepeat = a.hasAttribute(QLatin1String("table:number-rows-repeated"))
                        ? a.value(QLatin1String("table:number-rows-repeated")).toInt()
                        : 1;
      } else if (name == u"table:table-cell" || name == u"table:covered-table-cell") {
        cell = ReadCell{a.value(QLatin1String("office:value-type")).toString(), QString()};
        cellRepeat = a.hasAttribute(QLatin1String("table:number-columns-repeated"))
                         ? a.value(QLatin1String("table:number-columns-repeated")).toInt()
                         : 1;
        paragraphs = 0;
        inCell = true;
      } else if (inCell && name == u"text:p") {
        if (paragraphs++ > 0) cell.text += QLatin1Char('\n');
        inParagraph = true;
      } else if (inCell && name == u"text:s") {
        cell.text += QString(a.hasAttribute(QLatin1String("text:c")) ? a.value(QLatin1String("text:c")).toInt() : 1,
                             QLatin1Char(' '));
      } else if (inCell && name == u"text:tab") {
        cell.text += QLatin1Char('\t');
      }
    } else if (xml.isCharacters() && inParagraph && tables == 1) {
      cell.text += xml.text();
    } else if (xml.isEndElement() && tables == 1) {
      if (name == u"text:p") {
        inParagraph = false;
      } else if (name == u"table:table-cell" || name == u"table:covered-table-cell") {
        inCell = false;
        for (int i = 0; i < std::min(cellRepeat, 64); ++i) row.push_back(cell);
      } else if (name == u"table:table-row") {
        while (!row.empty() && row.back().type.isEmpty() && row.back().text.isEmpty()) row.pop_back();
        for (int i = 0; i < std::min(rowRepeat, 64); ++i) sheet.rows.push_back(row);
      } else if (name == u"table:table") {
        ++tables;  // later tables are not read
      }
    }
  }
  if (xml.hasError()) throw std::runtime_error("bad flat spreadsheet: " + xml.errorString().toStdString());
  while (!sheet.rows.empty() && sheet.rows.back().empty()) sheet.rows.pop_back();
  return sheet;
}

TEST(CalcWorkbook, LibreOfficeReadsEveryCellAsTheText) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());

  // The command itself, with the real Calc application object, only its
  // last step (showing the file) replaced.
  QStringList written;
  const platform::Factory calc = [&] {
    return std::make_shared<CalcApplication>([&](const QString& file) { written << file; },
                                             dir.filePath(QStringLiteral("exports")));
  };
  using reportlist::Row;
  auto list = reportlist::Make({QStringLiteral("Result(s)"), QStringLiteral("Note=")},
                               {{{"The mean is: 3.75", "=A1+1"}, true},
                                {{"unticked", "x"}, false},
                                {{"=A1+1", "3.75"}, true},
                                {{"  lead and trail  ", QStringLiteral("ü € 日本")}, true},
                                {{"0012", "1E5"}, true},
                                {{"", "-"}, true}});
  FakeDialogs dialogs;
  struct NoFailures : ErrorSink {
    void ReportError(const std::string& d, std::string_view, int label) override {
      ADD_FAILURE() << "reported at " << label << ": " << d;
    }
  } errors;
  SaveResultsToSpreadsheet(ExportHost{*list, dialogs, errors, [](bool) {}, {}, calc});
  ASSERT_EQ(written.size(), 1);

  const QString out = dir.filePath(QStringLiteral("out"));
  QProcess convert;
  convert.setProgram(soffice);
  convert.setArguments({QStringLiteral("--headless"), QStringLiteral("--norestore"),
                        QStringLiteral("-env:UserInstallation=") +
                            QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                        QStringLiteral("--convert-to"), QStringLiteral("fods"), QStringLiteral("--outdir"), out,
                        written.front()});
  convert.setProcessChannelMode(QProcess::MergedChannels);
  convert.start();
  ASSERT_TRUE(convert.waitForStarted(30000));
  if (!convert.waitForFinished(240000)) {
    convert.kill();
    convert.waitForFinished(5000);
    FAIL() << "LibreOffice did not convert the workbook within 4 minutes";
  }
  const QString fods = out + QLatin1Char('/') + QFileInfo(written.front()).completeBaseName() + QStringLiteral(".fods");
  ASSERT_TRUE(QFileInfo::exists(fods)) << convert.readAll().toStdString();

  const ReadSheet sheet = ReadFlatSpreadsheet(fods);
  const auto text = [](const QString& t) { return ReadCell{QStringLiteral("string"), t}; };
  const std::vector<std::vector<ReadCell>> expected = {
      {text("Result(s)"), text("Note=")},
      {text("The mean is: 3.75"), text("A1+1")},
      {},  // the unticked row leaves its sheet row empty
      {text("=A1+1"), text("3.75")},
      {text("  lead and trail  "), text(QStringLiteral("ü € 日本"))},
      {text("0012"), text("1E5")},
      {ReadCell{}, text("-")},
  };
  ASSERT_EQ(sheet.rows.size(), expected.size());
  for (std::size_t r = 0; r < expected.size(); ++r) {
    ASSERT_EQ(sheet.rows[r].size(), expected[r].size()) << "sheet row " << r + 1;
    for (std::size_t c = 0; c < expected[r].size(); ++c) {
      EXPECT_EQ(sheet.rows[r][c].type, expected[r][c].type) << "row " << r + 1 << " column " << c + 1;
      EXPECT_EQ(sheet.rows[r][c].text, expected[r][c].text) << "row " << r + 1 << " column " << c + 1;
    }
  }

  // Column 1 was fitted to its 18-character text, column 2 keeps about the
  // standard width.
  ASSERT_GE(sheet.columnWidths.size(), 2u);
  const double ratio = sheet.columnWidths[0] / sheet.columnWidths[1];
  EXPECT_NEAR(ratio, AutofitWidth(18) / kDefaultColumnWidth, 0.35)
      << sheet.columnWidths[0] << " in vs " << sheet.columnWidths[1] << " in";
}

}  // namespace
