#include "results/ExportCommands.h"

#include <QCoreApplication>
#include <stdexcept>

#include "platform/Dialogs.h"
#include "platform/Spreadsheet.h"
#include "results/ReportList.h"

namespace tallowmere::results {

namespace {

// The commands' texts in the user's language.
QString Translated(const char* text) { return QCoreApplication::translate("ExportCommands", text); }

void Pump(const ExportHost& host) {
  if (host.letEventsRun) host.letEventsRun();
}

// Rows present, none of them ticked: the export would give nothing but a
// header or an emptied clipboard, so the user is told instead. The test and
// its notice take the labels after the command's own; a failing test counts
// as true, as every test does, and nothing is exported then either.
bool NothingTicked(core::Trap& trap, int testLabel, const ExportHost& host) {
  const bool nothing = trap.Test(testLabel, [&] {
    const int rows = host.list.ReportRows();
    for (int r = 0; r < rows; ++r)
      if (Ticked(host.list, r)) return false;
    return rows > 0;
  });
  if (nothing) trap.Step(testLabel + 2, [&] { host.dialogs.Message(Translated(kNothingTickedMessage)); });
  return nothing;
}

}  // namespace

QString WithoutEqualsSigns(const QString& text) {
  QString out = text;
  out.remove(QLatin1Char('='));
  return out;
}

void SaveResultsAsTextFile(const ExportHost& host) {
  core::Trap trap(host.errors, kSaveTextFileLocation);
  if (NothingTicked(trap, 124, host)) return;
  // 106: the dialog starts without a name; it asks nothing before replacing
  // an existing file and adds no extension.
  QString fileName;
  trap.Step(106, [&] { fileName.clear(); });
  QString title;
  trap.Step(108, [&] { title = Translated(kSaveDialogTitle); });
  QStringList filters;
  trap.Step(110, [&] {
    filters = {QCoreApplication::translate("Dialogs", platform::kTextFilesFilter),
               QCoreApplication::translate("Dialogs", platform::kAllFilesFilter)};
  });
  QString chosen;
  trap.Step(112, [&] { chosen = host.dialogs.SaveFile(title, filters); });
  trap.Step(114, [&] { fileName = chosen; });
  if (trap.Test(116, [&] { return fileName.isEmpty(); })) return;
  trap.Step(118, [&] { host.setBusy(true); });
  trap.Step(120, [&] { SaveListViewAsTextFile(host.list, fileName, host.letEventsRun); });
  trap.Step(122, [&] { host.setBusy(false); });
}

void CopyResultsToClipboard(const ExportHost& host) {
  core::Trap trap(host.errors, kCopyToClipboardLocation);
  if (NothingTicked(trap, 116, host)) return;
  trap.Step(108, [&] { host.setBusy(true); });
  trap.Step(110, [&] { CopyListViewToClipboard(host.list, host.letEventsRun); });
  trap.Step(112, [&] { host.dialogs.Message(Translated(kCopiedNotice)); });
  trap.Step(114, [&] { host.setBusy(false); });
}

bool SaveResultsAsExcelFileIsExcelInstalled(const ExportHost& host) {
  bool installed = true;
  bool failed = false;
  try {
    platform::Start(host.startSpreadsheet);  // only a test: released at once
  } catch (...) {
    failed = true;
  }
  if (failed) {
    try {
      host.dialogs.Message(Translated(kSpreadsheetMissingForSoftware));
    } catch (...) {
    }
    installed = false;
  }
  return installed;
}

void SaveResultsToSpreadsheet(const ExportHost& host) {
  core::Trap trap(host.errors, kSaveSpreadsheetLocation);
  const ReportList& list = host.list;

  if (!trap.Test(100, [&] { return SaveResultsAsExcelFileIsExcelInstalled(host); }))
    return trap.Step(172, [&] { host.dialogs.Message(Translated(kSpreadsheetMissingForFeature)); });
  if (trap.Test(108, [&] { return list.ReportRows() == 0; })) return;
  if (NothingTicked(trap, 174, host)) return;
  trap.Step(110, [&] { host.setBusy(true); });

  platform::Ref<platform::Application> app;
  trap.Step(112, [&] { app = platform::Start(host.startSpreadsheet); });
  platform::Ref<platform::Workbook> book;
  trap.Step(114, [&] { book = app->NewWorkbook(); });

  long i = 0;
  trap.Step(116, [&] { i = 1; });
  int columns = 0;
  trap.Step(118, [&] { columns = list.ReportColumns(); });
  for (int c = 0; c < columns; ++c) {
    trap.Step(120, [&] { Pump(host); });
    if (trap.Test(122, [&] { return c == 0; })) {
      trap.Step(124, [&] { book->SetCellText(1, i, HeaderText(list, c)); });
      trap.Step(126, [&] { ++i; });
    } else {
      trap.Step(128, [&] { book->SetCellText(1, i, HeaderText(list, c)); });
      trap.Step(130, [&] { ++i; });
    }
    trap.Step(132, [&] { book->FitColumn(c + 1); });
  }

  long j = 0;
  trap.Step(136, [&] { j = 2; });
  int rows = 0;
  trap.Step(138, [&] { rows = list.ReportRows(); });
  for (int r = 0; r < rows; ++r) {
    trap.Step(140, [&] { Pump(host); });
    // An unticked row leaves its sheet row empty: rows keep their places.
    if (trap.Test(142, [&] { return Ticked(list, r); })) {
      trap.Step(144, [&] { i = 1; });
      for (int c = 0; c < columns; ++c) {
        trap.Step(148, [&] { Pump(host); });
        if (trap.Test(150, [&] { return c == 0; })) {
          trap.Step(152, [&] { book->SetCellText(j, i, CellText(list, r, c)); });
          trap.Step(154, [&] { ++i; });
        } else {
          trap.Step(156, [&] { book->SetCellText(j, i, WithoutEqualsSigns(CellText(list, r, c))); });
          trap.Step(158, [&] { ++i; });
        }
      }
    }
    trap.Step(162, [&] { ++j; });
  }

  trap.Step(166, [&] { book->FitAllColumns(); });
  trap.Step(168, [&] { app->Show(); });
  trap.Step(170, [&] { host.setBusy(false); });
}

}  // namespace tallowmere::results
