// Form1's tables: "Open Table…", one file of several columns loaded or
// dropped, and a table pasted or dropped as text, shown in the table dialog;
// one column of it appended to the list.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "app/CompareWindow.h"
#include "app/DropProgress.h"
#include "app/Form1.h"
#include "app/ListNotice.h"
#include "app/PastedTable.h"
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

// The table's name where the window names a file: the file's, or a held
// text's ("the pasted table").
QString TableName(const TableChoice& choice, AdditionSource origin) {
  if (choice.text) return PastedTableName(origin);
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(choice.path))).fileName();
}

// The hooks of a table's reading: the line of a quote left open kept, and
// the progress through a held text shown.
template <typename Progress>
TableReadHooks ReadingHooks(std::uint64_t& unclosed, input::DropState& state, const Progress& progress) {
  return {.unclosedQuote = [&unclosed](std::uint64_t line) { unclosed = line; },
          .textRead =
              [&state, &progress](std::size_t read) {
                state.textRead = read;
                progress(state);
              }};
}

// The list's step one column of the table makes, named as a paste's or a
// drop's would be when the table is a held text.
const char* TableStep(const TableChoice& choice, AdditionSource origin) {
  if (!choice.text) return input::kOpenTableStep;
  return origin == AdditionSource::kDroppedText ? input::kDropStep : input::kPasteStep;
}

// What the strip shows as the table is read: a file as the one file read, a
// held text by how much of it was read, as a paste's.
input::DropState ReadingState(const TableChoice& choice) {
  input::DropState state;
  if (choice.text) {
    state.phase = input::DropPhase::kReadingText;
    state.textSize = choice.text->size();
  } else {
    state.phase = input::DropPhase::kReadingFiles;
    state.filesFound = 1;
    state.firstFile = choice.path;
  }
  return state;
}

// The notice of a reading stopped part-way, `appended` numbers kept.
QString StoppedText(const TableChoice& choice, AdditionSource origin, std::size_t appended) {
  if (choice.text) return TextStoppedNotice(origin, appended);
  input::DropState state = ReadingState(choice);
  state.filesRead = 1;
  state.stopped = true;
  state.fileCut = true;
  return LoadStoppedNotice(state);
}

// "lab.csv: line 12: the quoted field begun here is not closed before the
// end of the file; it is left out", in the analyser's words.
QString UnclosedQuoteText(const QString& name, std::uint64_t line) {
  return name + QStringLiteral(": ") + QCoreApplication::translate("Form1", "line %1").arg(line) +
         QStringLiteral(": ") +
         QCoreApplication::translate(
             "Form1", "the quoted field begun here is not closed before the end of the file; it is left out");
}

input::ShowNotReadFn NotReadShown(platform::Dialogs& dialogs) {
  return [&dialogs](const std::string& path, input::NotRead why) {
    dialogs.Message(QString::fromStdString(input::NotReadText(path, why)));
  };
}

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
  OpenChosenTable(choice, AdditionSource::kFiles);
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

void Form1::OpenPastedTable(const QString& text, AdditionSource source) {
  std::optional<TableDialog> dialog(std::in_place, PastedTableName(source), PastedTableText(text), separators_, this);
  if (dialog->exec() != QDialog::Accepted) return;
  const TableChoice choice = dialog->Choice();
  dialog.reset();
  OpenChosenTable(choice, source);
}

void Form1::OpenChosenTable(const TableChoice& choice, AdditionSource origin) {
  if (choice.columns.size() == 1 && !choice.group)
    ReadChosenColumn(choice, origin);
  else if (tableChoiceHook_)
    tableChoiceHook_(choice);
  else
    CompareChosenColumns(choice, origin);
}

void Form1::ReadChosenColumn(const TableChoice& choice, AdditionSource origin) {
  notice_->Dismiss();
  Addition added(AdditionSource::kTableColumn);
  added.fileName = TableName(choice, origin);
  if (choice.layout.header) added.column = QString::fromStdString(choice.names.at(0));
  added.columnNumber = choice.columns.at(0) + 1;
  bool whole = true;
  std::uint64_t unclosed = 0;
  {
    input::NumberListModel::Change change(*numbers_, TableStep(choice, origin));
    const input::NumberListModel::Tallying counting(*numbers_, added.tally);
    DropProgress::Drop reading(*drops_);
    input::DropState state = ReadingState(choice);
    const auto progress = reading.Progress();
    progress(state);
    const TableReadHooks hooks = ReadingHooks(unclosed, state, progress);
    input::FlushingErrorSink errors(*numbers_, *this);
    core::Trap trap(errors, kTableLocation);
    trap.Step([&] {
      whole = app::ReadChosenColumn(
          *numbers_, choice, separators_, NotReadShown(dialogs_), reading.EventPump(), reading.ShouldStop(),
          [&](const input::SheetProblem& problem) { dialogs_.Message(SheetProblemText(problem, added.fileName)); },
          hooks);
    });
    trap.Step([&] { numbers_->Flush(); });
    reading.End();
  }
  if (!whole) return dialogs_.Message(StoppedText(choice, origin, added.tally.appended));
  ShowAddition(added);
  if (unclosed != 0) dialogs_.Message(UnclosedQuoteText(added.fileName, unclosed));
}

void Form1::CompareChosenColumns(const TableChoice& choice, AdditionSource origin) {
  const QString name = TableName(choice, origin);
  std::vector<input::ColumnEntries> blocks;
  bool whole = true;
  std::uint64_t unclosed = 0;
  {
    DropProgress::Drop reading(*drops_);
    input::DropState state = ReadingState(choice);
    const auto progress = reading.Progress();
    progress(state);
    const TableReadHooks hooks = ReadingHooks(unclosed, state, progress);
    core::Trap trap(*this, kTableLocation);
    trap.Step([&] {
      whole = app::ReadChosenColumns(
          choice, separators_, blocks, NotReadShown(dialogs_), reading.EventPump(), reading.ShouldStop(),
          [&](const input::SheetProblem& problem) { dialogs_.Message(SheetProblemText(problem, name)); }, hooks);
    });
    reading.End();
  }
  // A read stopped part-way is not compared: its lists would be partial.
  if (!whole) return dialogs_.Message(StoppedText(choice, origin, 0));
  if (unclosed != 0) dialogs_.Message(UnclosedQuoteText(name, unclosed));
  const numtext::Separators read = ConventionSeparators(choice.layout.decimal, separators_);
  OpenCompareWindow(*this, std::move(blocks), &read);
}

}  // namespace tallowmere::app
