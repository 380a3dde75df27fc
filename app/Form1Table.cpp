// Form1's tables: "Open Table…", and one file of several columns loaded or
// dropped, shown in the table dialog; one column of it appended to the list.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "app/CompareWindow.h"
#include "app/DropProgress.h"
#include "app/Form1.h"
#include "app/ListNotice.h"
#include "app/TableDialog.h"
#include "app/TableOpening.h"
#include "core/ErrorReport.h"
#include "input/DropFiles.h"
#include "input/ListHistory.h"
#include "input/NumberListModel.h"
#include "input/Spreadsheet.h"
#include "input/SpreadsheetKind.h"

namespace tallowmere::app {

namespace {
constexpr const char* kTableLocation = "while the table was read";
}  // namespace

void Form1::ListView1_OpenTable() {
  const QStringList chosen = dialogs_.OpenFiles(QCoreApplication::translate("TableDialog", "Open Table"),
                                                {QCoreApplication::translate("Dialogs", platform::kTablesFilter),
                                                 QCoreApplication::translate("Dialogs", platform::kAllFilesFilter)});
  if (chosen.isEmpty()) return;
  if (!OpenTableFile(chosen.front()))
    dialogs_.Message(QString::fromStdString(
        input::NotReadText(QFile::encodeName(chosen.front()).toStdString(), input::NotRead::kMissing)));
}

bool Form1::OpenTableFile(const QString& path) {
  std::optional<TableStart> start = ReadTableStart(QFile::encodeName(path).toStdString());
  if (!start) return false;
  std::optional<TableDialog> dialog;
  if (IsWorkbook(*start)) {
    auto book = std::make_unique<input::Spreadsheet>();
    const input::SheetProblem problem = book->Open(QFile::encodeName(path).toStdString());
    if (!problem.Ok()) {
      dialogs_.Message(SheetProblemText(problem, QFileInfo(path).fileName()));
      return true;
    }
    dialog.emplace(path, std::move(book), separators_, this);
  } else {
    dialog.emplace(path, std::move(*start), separators_, this);
  }
  if (dialog->exec() != QDialog::Accepted) return true;
  const TableChoice choice = dialog->Choice();
  dialog.reset();
  if (choice.columns.size() == 1 && !choice.group)
    ReadChosenColumn(choice);
  else if (tableChoiceHook_)
    tableChoiceHook_(choice);
  else
    CompareChosenColumns(choice);
  return true;
}

bool Form1::TableLike(const std::string& path) const {
  const std::optional<TableStart> start = ReadTableStart(path);
  if (!start) return false;
  if (!IsWorkbook(*start)) return LooksLikeTable(*start, separators_);
  // A zip that is no workbook stays what it was, a file read as a list.
  switch (input::SpreadsheetKindOfFile(path)) {
    case input::SpreadsheetKind::kOds:
    case input::SpreadsheetKind::kXlsx:
    case input::SpreadsheetKind::kLegacyXls:
    case input::SpreadsheetKind::kEncryptedOoxml:
      return true;
    case input::SpreadsheetKind::kZip:
    case input::SpreadsheetKind::kNotSpreadsheet:
      break;
  }
  return false;
}

void Form1::ReadChosenColumn(const TableChoice& choice) {
  notice_->Dismiss();
  input::NumberListModel::Change change(*numbers_, input::kOpenTableStep);
  Addition added(AdditionSource::kTableColumn);
  added.fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(choice.path))).fileName();
  if (choice.layout.header) added.column = QString::fromStdString(choice.names.at(0));
  added.columnNumber = choice.columns.at(0) + 1;
  bool whole = true;
  input::DropState state;
  {
    const input::NumberListModel::Tallying counting(*numbers_, added.tally);
    DropProgress::Drop reading(*drops_);
    state.phase = input::DropPhase::kReadingFiles;
    state.filesFound = 1;
    state.firstFile = choice.path;
    const auto progress = reading.Progress();
    progress(state);
    input::FlushingErrorSink errors(*numbers_, *this);
    core::Trap trap(errors, kTableLocation);
    trap.Step([&] {
      whole = app::ReadChosenColumn(
          *numbers_, choice, separators_,
          [this](const std::string& path, input::NotRead why) {
            dialogs_.Message(QString::fromStdString(input::NotReadText(path, why)));
          },
          reading.EventPump(), reading.ShouldStop(),
          [&](const input::SheetProblem& problem) { dialogs_.Message(SheetProblemText(problem, added.fileName)); });
    });
    trap.Step([&] { numbers_->Flush(); });
    reading.End();
  }
  state.filesRead = 1;
  if (whole) return ShowAddition(added);
  state.stopped = true;
  state.fileCut = true;
  dialogs_.Message(LoadStoppedNotice(state));
}

void Form1::CompareChosenColumns(const TableChoice& choice) {
  const QString fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(choice.path))).fileName();
  std::vector<input::ColumnEntries> blocks;
  bool whole = true;
  input::DropState state;
  {
    DropProgress::Drop reading(*drops_);
    state.phase = input::DropPhase::kReadingFiles;
    state.filesFound = 1;
    state.firstFile = choice.path;
    reading.Progress()(state);
    core::Trap trap(*this, kTableLocation);
    trap.Step([&] {
      whole = app::ReadChosenColumns(
          choice, separators_, blocks,
          [this](const std::string& path, input::NotRead why) {
            dialogs_.Message(QString::fromStdString(input::NotReadText(path, why)));
          },
          reading.EventPump(), reading.ShouldStop(),
          [&](const input::SheetProblem& problem) { dialogs_.Message(SheetProblemText(problem, fileName)); });
    });
    reading.End();
  }
  // A read stopped part-way is not compared: its lists would be partial.
  if (!whole) {
    state.stopped = true;
    state.fileCut = true;
    return dialogs_.Message(LoadStoppedNotice(state));
  }
  const numtext::Separators read = ConventionSeparators(choice.layout.decimal, separators_);
  OpenCompareWindow(*this, std::move(blocks), &read);
}

}  // namespace tallowmere::app
