#pragma once
// The spreadsheet application on this platform: LibreOffice Calc.
//
// Calc offers no automation that a program can drive cell by cell from here,
// so the application object keeps its workbooks in memory and, when it is
// shown, writes each new workbook to an .xlsx file (every cell as text,
// column widths as the fitting left them) and asks Calc to open it as a new
// untitled document: the user sees an unsaved workbook and saves it from Calc.
//
// The files go into a folder of the user's own (mode 0700) under the temporary
// folder. Calc reads a file some time after the request has returned, so a
// file is not removed when the export ends; files older than ten minutes that
// no process has open are removed at the next export and at the program's
// next start instead.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Spreadsheet.h"

namespace tallowmere::platform {

// How Calc is started to open a file: program, arguments, then the file.
struct CalcLauncher {
  QString program;
  QStringList arguments;
};

// The LibreOffice that can open windows: `localc` on the search path, or
// `soffice` / `libreoffice` resolving to a program folder that holds a display
// plug-in (libvclplug_*.so). The headless-only packages have none. An empty
// `searchPaths` means the PATH.
std::optional<CalcLauncher> FindCalc(const QStringList& searchPaths = {});

// The sheet size limits of the .xlsx format.
inline constexpr long kMaxSheetRows = 1048576;
inline constexpr long kMaxSheetColumns = 16384;
inline constexpr qsizetype kMaxCellCharacters = 32767;

// Column width, in the format's character units, that fitting gives a column
// whose longest text has `characters` characters.
double AutofitWidth(qsizetype characters);
inline constexpr double kDefaultColumnWidth = 8.43;
inline constexpr double kMaxColumnWidth = 100.0;

// One sheet as held in memory.
struct SheetContent {
  std::map<std::pair<long, long>, QString> cells;  // (row, column) -> text
  std::map<long, double> columnWidths;             // columns that fitting set
};

// Writes `sheet` as the only sheet of a new .xlsx file at `path`. Every cell
// is a text cell, whatever it looks like ("=A1+1" and "3.75" stay text).
void WriteWorkbookFile(const SheetContent& sheet, const QString& path);

// The per-user folder for the workbook files, created with mode 0700 when
// missing. Fails when it exists but is not a folder of this user's own.
QString PrepareExportFolder(const QString& folder);
QString DefaultExportFolder();

// Removes the workbook files in `folder` last modified before `now` − `age`
// that no process has open.
inline constexpr std::chrono::minutes kExportFileLifetime{10};
void RemoveOldExports(const QString& folder, const QDateTime& now, std::chrono::seconds age = kExportFileLifetime);

// At start-up: removes what earlier runs left in the export folder by the
// same rule, so the files go even when no export follows. Creates nothing;
// a folder that is not this user's own is left alone.
void RemoveExportsOfEarlierRuns(const QString& folder = DefaultExportFolder());

// The file name pattern of the workbook files (unique names).
inline constexpr const char* kExportFilePattern = "Results-XXXXXX.xlsx";

class CalcApplication final : public platform::Application {
 public:
  // Shows a written workbook file to the user.
  using Opener = std::function<void(const QString& file)>;

  // `folder` empty: DefaultExportFolder().
  CalcApplication(Opener opener, QString folder = QString());

  std::shared_ptr<platform::Workbook> NewWorkbook() override;
  // Workbooks shown already are not shown again: Calc has them from then on,
  // and changes made to them afterwards stay in memory only.
  void Show() override;

  // The sheet of workbook number `workbook` (from 1, in the order made).
  const SheetContent& Sheet(int workbook) const;

 private:
  class Book;

  Opener opener_;
  QString folder_;
  std::vector<std::shared_ptr<Book>> books_;
};

// Starts Calc detached on `file` (output to the null device).
void OpenInCalc(const CalcLauncher& launcher, const QString& file);

// The real application object: fails when Calc cannot be found (or the
// program was built without the workbook writer).
std::shared_ptr<platform::Application> CreateCalcApplication();

}  // namespace tallowmere::platform
