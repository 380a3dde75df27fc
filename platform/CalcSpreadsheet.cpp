#include "platform/CalcSpreadsheet.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifdef TALLOWMERE_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace tallowmere::platform {

namespace {

// A cell or column outside the sheet, or a text longer than a cell holds.
constexpr const char* kOutOfSheet = "The cell is outside the sheet or its text too long";

std::string SystemError(const std::string& what, int error) { return what + ": " + std::strerror(error); }

}  // namespace

// ---------------------------------------------------------------------------
// Finding Calc.

std::optional<CalcLauncher> FindCalc(const QStringList& searchPaths) {
  const auto find = [&](const char* name) {
    const QString n = QString::fromLatin1(name);
    return searchPaths.isEmpty() ? QStandardPaths::findExecutable(n) : QStandardPaths::findExecutable(n, searchPaths);
  };
  // localc comes only with the package that opens windows.
  const QString localc = find("localc");
  if (!localc.isEmpty()) return CalcLauncher{localc, {QStringLiteral("--nologo"), QStringLiteral("-n")}};
  for (const char* name : {"soffice", "libreoffice"}) {
    const QString exe = find(name);
    if (exe.isEmpty()) continue;
    const QString real = QFileInfo(exe).canonicalFilePath();
    if (real.isEmpty()) continue;
    const QDir program = QFileInfo(real).absoluteDir();
    if (program.entryList({QStringLiteral("libvclplug_*.so")}, QDir::Files).isEmpty()) continue;
    return CalcLauncher{exe, {QStringLiteral("--calc"), QStringLiteral("--nologo"), QStringLiteral("-n")}};
  }
  return std::nullopt;
}

void OpenInCalc(const CalcLauncher& launcher, const QString& file) {
  QProcess process;
  process.setProgram(launcher.program);
  process.setArguments(launcher.arguments + QStringList{file});
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  if (!process.startDetached())
    throw std::runtime_error("Cannot start " + launcher.program.toStdString() + ": " +
                             process.errorString().toStdString());
}

// ---------------------------------------------------------------------------
// Widths and files.

double AutofitWidth(qsizetype characters) {
  if (characters <= 0) return kDefaultColumnWidth;
  // A proportional font averages a little over one width unit per character,
  // plus the cell's margins.
  const double width = 1.15 * static_cast<double>(characters) + 1.5;
  return std::clamp(width, kDefaultColumnWidth, kMaxColumnWidth);
}

void WriteWorkbookFile(const SheetContent& sheet, const QString& path) {
#ifdef TALLOWMERE_HAVE_XLSXWRITER
  const QByteArray file = QFile::encodeName(path);
  lxw_workbook* workbook = workbook_new(file.constData());
  if (!workbook) throw std::runtime_error("Cannot create the workbook file " + path.toStdString());
  lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
  lxw_error failure = worksheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
  for (auto it = sheet.columnWidths.begin(); failure == LXW_NO_ERROR && it != sheet.columnWidths.end(); ++it) {
    const auto column = static_cast<lxw_col_t>(it->first - 1);
    failure = worksheet_set_column(worksheet, column, column, it->second, nullptr);
  }
  for (auto it = sheet.cells.begin(); failure == LXW_NO_ERROR && it != sheet.cells.end(); ++it) {
    if (it->second.isEmpty()) continue;
    // Always a string cell: never read as a number, a date or a formula.
    const QByteArray utf8 = it->second.toUtf8();
    failure = worksheet_write_string(worksheet, static_cast<lxw_row_t>(it->first.first - 1),
                                     static_cast<lxw_col_t>(it->first.second - 1), utf8.constData(), nullptr);
  }
  // Closing writes the file and frees the workbook, also after a failure.
  // The writer checks every write and the close of the file, but tells only
  // its own text; the system's reason is what the failed call left in errno.
  errno = 0;
  const lxw_error closed = workbook_close(workbook);
  const int error = errno;
  if (failure == LXW_NO_ERROR) failure = closed;
  if (failure != LXW_NO_ERROR) {
    std::string why = lxw_strerror(failure);
    if (closed != LXW_NO_ERROR && error != 0) why += std::string(": ") + std::strerror(error);
    throw std::runtime_error("Cannot write the workbook file " + path.toStdString() + ": " + why);
  }
#else
  (void)sheet;
  (void)path;
  throw std::runtime_error("This build cannot write workbook files");
#endif
}

QString DefaultExportFolder() {
  return QDir::tempPath() + QStringLiteral("/tallowmere-%1").arg(static_cast<qulonglong>(geteuid()));
}

QString PrepareExportFolder(const QString& folder) {
  const QByteArray name = QFile::encodeName(folder);
  if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
    throw std::runtime_error(SystemError("Cannot create the folder " + folder.toStdString(), errno));
  // The folder is at a predictable place in a shared temporary folder: use it
  // only when it is a real folder of ours that nobody else can write into.
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0)
    throw std::runtime_error(SystemError("Cannot use the folder " + folder.toStdString(), errno));
  if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid())
    throw std::runtime_error("The folder " + folder.toStdString() + " is not a folder of this user's own");
  if ((st.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0)
    throw std::runtime_error(SystemError("Cannot protect the folder " + folder.toStdString(), errno));
  return folder;
}

namespace {

using FileId = std::pair<dev_t, ino_t>;

// The files on `device` that some process has open, as far as this user may
// look into the processes (those of others cannot reach a folder of mode
// 0700 of ours anyway).
std::set<FileId> OpenFilesOn(dev_t device) {
  std::set<FileId> open;
  DIR* processes = ::opendir("/proc");
  if (!processes) return open;
  while (const dirent* process = ::readdir(processes)) {
    if (process->d_name[0] < '1' || process->d_name[0] > '9') continue;
    const std::string folder = std::string("/proc/") + process->d_name + "/fd";
    DIR* descriptors = ::opendir(folder.c_str());
    if (!descriptors) continue;
    while (const dirent* fd = ::readdir(descriptors)) {
      struct stat st {};
      if (fd->d_name[0] == '.' || ::fstatat(::dirfd(descriptors), fd->d_name, &st, 0) != 0) continue;
      if (S_ISREG(st.st_mode) && st.st_dev == device) open.emplace(st.st_dev, st.st_ino);
    }
    ::closedir(descriptors);
  }
  ::closedir(processes);
  return open;
}

}  // namespace

void RemoveOldExports(const QString& folder, const QDateTime& now, std::chrono::seconds age) {
  const QDateTime oldest = now.addSecs(-age.count());
  const QString pattern = QString::fromLatin1(kExportFilePattern).replace(QLatin1String("XXXXXX"), QLatin1String("*"));
  const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
  std::vector<std::pair<QString, FileId>> old;
  for (const QFileInfo& file : files) {
    if (file.isSymLink() || !file.isFile() || file.lastModified() >= oldest) continue;
    struct stat st {};
    if (::lstat(QFile::encodeName(file.absoluteFilePath()).constData(), &st) != 0) continue;
    old.emplace_back(file.absoluteFilePath(), FileId{st.st_dev, st.st_ino});
  }
  if (old.empty()) return;
  // A spreadsheet that still reads a file (a slow start, a large workbook)
  // keeps it open: such a file stays, whatever its age.
  const std::set<FileId> open = OpenFilesOn(old.front().second.first);
  for (const auto& [path, id] : old)
    if (open.count(id) == 0) QFile::remove(path);
}

void RemoveExportsOfEarlierRuns(const QString& folder) {
  // Only a folder that an export made: it is not created here, and one that
  // is not a folder of this user's own is left alone.
  struct stat st {};
  if (::lstat(QFile::encodeName(folder).constData(), &st) != 0) return;
  if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return;
  RemoveOldExports(folder, QDateTime::currentDateTime());
}

// ---------------------------------------------------------------------------
// The application object.

class CalcApplication::Book final : public platform::Workbook {
 public:
  void SetCellText(long row, long column, const QString& text) override {
    CheckCell(row, column);
    if (text.size() > kMaxCellCharacters) throw std::runtime_error(kOutOfSheet);
    const std::pair<long, long> at{row, column};
    if (text.isEmpty())
      sheet.cells.erase(at);
    else
      sheet.cells[at] = text;
  }

  void FitColumn(long column) override {
    CheckCell(1, column);
    Fit(column);
  }

  void FitAllColumns() override {
    std::vector<long> columns;
    for (const auto& [at, text] : sheet.cells) columns.push_back(at.second);
    // A column fitted earlier whose texts are gone since gets the standard
    // width back.
    for (const auto& [column, width] : sheet.columnWidths) columns.push_back(column);
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    for (long column : columns) Fit(column);
  }

  SheetContent sheet;
  bool shown = false;

 private:
  static void CheckCell(long row, long column) {
    if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns)
      throw std::runtime_error(kOutOfSheet);
  }

  void Fit(long column) {
    qsizetype longest = 0;
    for (const auto& [at, text] : sheet.cells)
      if (at.second == column) longest = std::max(longest, text.size());
    if (longest == 0)
      sheet.columnWidths.erase(column);  // an empty column keeps the standard width
    else
      sheet.columnWidths[column] = AutofitWidth(longest);
  }
};

CalcApplication::CalcApplication(Opener opener, QString folder)
    : opener_(std::move(opener)), folder_(std::move(folder)) {}

std::shared_ptr<platform::Workbook> CalcApplication::NewWorkbook() {
  books_.push_back(std::make_shared<Book>());
  return books_.back();
}

const SheetContent& CalcApplication::Sheet(int workbook) const {
  if (workbook < 1 || static_cast<std::size_t>(workbook) > books_.size())
    throw std::runtime_error("No workbook has that number");
  return books_[static_cast<std::size_t>(workbook) - 1]->sheet;
}

void CalcApplication::Show() {
  std::vector<Book*> waiting;
  for (const std::shared_ptr<Book>& book : books_)
    if (!book->shown) waiting.push_back(book.get());
  if (waiting.empty()) return;

  const QString folder = PrepareExportFolder(folder_.isEmpty() ? DefaultExportFolder() : folder_);
  RemoveOldExports(folder, QDateTime::currentDateTime());
  for (Book* book : waiting) {
    // A unique name, created empty (mode 0600) and then filled in place.
    QTemporaryFile reserved(folder + QLatin1Char('/') + QString::fromLatin1(kExportFilePattern));
    reserved.setAutoRemove(false);
    if (!reserved.open())
      throw std::runtime_error("Cannot create a file in " + folder.toStdString() + ": " +
                               reserved.errorString().toStdString());
    const QString path = reserved.fileName();
    reserved.close();
    try {
      WriteWorkbookFile(book->sheet, path);
    } catch (...) {
      QFile::remove(path);
      throw;
    }
    opener_(path);
    book->shown = true;
  }
}

std::shared_ptr<platform::Application> CreateCalcApplication() {
#ifndef TALLOWMERE_HAVE_XLSXWRITER
  throw std::runtime_error("Cannot create object: this build cannot write workbook files");
#else
  std::optional<CalcLauncher> calc = FindCalc();
  if (!calc) throw std::runtime_error("Cannot create object: LibreOffice Calc is not installed");
  return std::make_shared<CalcApplication>([launcher = *calc](const QString& file) { OpenInCalc(launcher, file); });
#endif
}

}  // namespace tallowmere::platform
