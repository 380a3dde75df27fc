// Form1's commands: the push buttons' click handlers and what the analysis run sees of the window.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <exception>
#include <optional>

#include "app/Announcer.h"
#include "app/ChosenFiles.h"
#include "app/DistributionLink.h"
#include "app/DropProgress.h"
#include "app/Form1.h"
#include "app/ListNotice.h"
#include "core/ErrorReport.h"
#include "input/DropFiles.h"
#include "input/ListFile.h"
#include "input/ListHistory.h"
#include "input/LoadFilesCommand.h"
#include "input/ManualEntry.h"
#include "input/NumberListModel.h"
#include "input/SampleNumbers.h"
#include "numtext/NumberTest.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "results/ExportCommands.h"

namespace tallowmere::app {

void Form1::PushButton1_Click() {
  core::Trap trap(*this, kClearNumbersLocation);
  trap.Step(100, [&] {
    if (pointer_.IsBusy()) return;
    numbers_->Clear();
  });
}

void Form1::PushButton2_Click() {
  notice_->Dismiss();
  input::NumberListModel::Change change(*numbers_, input::kSampleNumbersStep);
  Addition added(AdditionSource::kSample);
  {
    const input::NumberListModel::Tallying counting(*numbers_, added.tally);
    input::AddSampleNumbers({*numbers_, *this});
  }
  ShowAddition(added);
}

void Form1::PushButton3_Click() {
  notice_->Dismiss();
  input::NumberListModel::Change change(*numbers_, input::kAddNumbersStep);
  Addition added(AdditionSource::kTyped);
  const std::size_t before = numbers_->Count();
  {
    const input::NumberListModel::Tallying counting(*numbers_, added.tally);
    input::AddTypedNumbers({dialogs_, *numbers_, *this, separators_});
  }
  // A cancelled prompt added nothing and says nothing.
  if (added.tally.appended == 0 && added.tally.skipped == 0) return;
  // Typed pieces are kept whatever they hold: the ones the analysis would
  // read as something else than was typed are named at once.
  const QString notNumbers = NotNumbersText(
      results::NotNumbersAmong(ListEntries(), std::min(before, numbers_->Count()), numbers_->Count(), separators_),
      separators_);
  QString text = AdditionNoticeText(added);
  if (!notNumbers.isEmpty()) text += QLatin1Char(' ') + notNumbers;
  notice_->Show(text);
}

void Form1::PushButton4_Click() {
  results::SaveResultsAsTextFile(
      {*results_, dialogs_, *this, [this](bool busy) { SetBusy(busy); }, platform::MakeEventPump(), {}});
}

void Form1::PushButton5_Click() {
  results::CopyResultsToClipboard(
      {*results_, dialogs_, *this, [this](bool busy) { SetBusy(busy); }, platform::MakeEventPump(), {}});
}

void Form1::PushButton6_Click() { LoadListFiles({}); }

namespace {

// The load's dialogs, but one file chosen that is a table is kept aside and
// not handed to the load, which then reads nothing.
class TableAside final : public platform::ForwardingDialogs {
 public:
  TableAside(platform::Dialogs& dialogs, std::function<bool(const QString&)> isTable, QString& table)
      : ForwardingDialogs(dialogs), isTable_(std::move(isTable)), table_(table) {}
  QStringList OpenFiles(const QString& title, const QStringList& filters) override {
    QStringList chosen = ForwardingDialogs::OpenFiles(title, filters);
    if (chosen.size() != 1 || !isTable_(chosen.front())) return chosen;
    table_ = chosen.front();
    return {};
  }

 private:
  std::function<bool(const QString&)> isTable_;
  QString& table_;
};

}  // namespace

void Form1::LoadListFiles(const QStringList& given) {
  // The table dialog opens once the load has ended, so that the table's
  // column is a step of its own.
  QString table;
  LoadListFilesOrTable(given, table);
  if (!table.isEmpty() && !OpenTableFile(table))
    dialogs_.Message(
        QString::fromStdString(input::NotReadText(QFile::encodeName(table).toStdString(), input::NotRead::kMissing)));
}

void Form1::LoadListFilesOrTable(const QStringList& given, QString& table) {
  // A long file shows the drops' strip and can be stopped the same way. The
  // strip's half second counts from when the files were chosen, not from when
  // the dialog opened.
  notice_->Dismiss();
  input::NumberListModel::Change change(*numbers_, input::kLoadNumbersStep);
  ChosenFiles chosen(dialogs_, given);
  TableAside chooser(
      chosen, [this](const QString& path) { return TableLike(QFile::encodeName(path).toStdString()); }, table);
  Addition added(AdditionSource::kFiles);
  std::optional<input::NumberListModel::Tallying> counting(std::in_place, *numbers_, added.tally);
  std::optional<DropProgress::Drop> reading;
  core::LetEventsRun pump;
  std::function<void(const input::DropState&)> progress;
  auto begun = [&] {
    if (reading) return;
    reading.emplace(*drops_);
    pump = reading->EventPump();
    progress = reading->Progress();
  };
  const input::DropState end =
      input::LoadNumbersFromFiles({.dialogs = chooser,
                                   .entries = *numbers_,
                                   .errors = *this,
                                   .setBusy = [this](bool busy) { SetBusy(busy); },
                                   .separators = separators_,
                                   .letEventsRun =
                                       [&] {
                                         begun();
                                         pump();
                                       },
                                   .progress =
                                       [&](const input::DropState& state) {
                                         begun();
                                         progress(state);
                                       },
                                   .shouldStop = [&] { return reading && reading->ShouldStop()(); }});
  if (reading) reading->End();
  counting.reset();
  if (end.stopped)
    dialogs_.Message(LoadStoppedNotice(end));
  else
    ShowFilesAddition(added, end);
  for (const QString& path : chosen.Chosen()) {
    if (input::FileExists(path.toStdString()))
      NoteRecentFile(path);
    else
      ForgetRecentFile(path);
  }
}

void Form1::PushButton7_Click() {
  // An empty list is refused and leaves the numbers of the last run in place.
  const bool reads = numbers_->Count() > 0;
  if (reads) distribution_->AnalysisStarting();
  // The box is read only by a run that gets past the empty list.
  analysis_.StartAnalysis(MakeAnalysisHost(reads ? ReadDecimalOptions() : results::DecimalOptions{}));
  if (reads) distribution_->AnalysisFinished();
  if (!reads || results_->rowCount() == 0) return;
  announcer_->Announce(tr("Analysis finished: the results list shows %1 rows.").arg(results_->rowCount()));
  // What the results counted that the user did not write as a number.
  notNumbersNote_ =
      NotNumbersText(results::NotNumbersAmong(ListEntries(), 0, numbers_->Count(), separators_), separators_);
  ShowResultsNote();
}

void Form1::PushButton8_Click() {
  core::Trap trap(*this, kClearResultsLocation);
  trap.Step(100, [&] { ClearResults(); });
}

void Form1::PushButton13_Click() {
  results::SaveResultsToSpreadsheet(
      {*results_, dialogs_, *this, [this](bool busy) { SetBusy(busy); }, platform::MakeEventPump(), spreadsheet_});
}

// ---------------------------------------------------------------------------
// What the analysis run sees of the window.

results::AnalysisHost Form1::MakeAnalysisHost(const results::DecimalOptions& decimals) {
  return {
      .errors = *this,
      .entries = numbers_->Entries(),
      .decimals = decimals,
      .setBusy = [this](bool busy) { SetBusy(busy); },
      .clearResults = [this] { ClearResults(); },
      .addResultRow = [this](const std::string& line) { AddResultRow(line); },
      .showMessage =
          [this](const std::string& text) { dialogs_.Message(QCoreApplication::translate("Analysis", text.c_str())); }};
}

results::DecimalOptions Form1::ReadDecimalOptions() {
  results::DecimalOptions options{.showAll = Check1->isChecked()};
  // A text that is not a number, or out of range, keeps the previous places;
  // the run reports what was wrong with it.
  try {
    decimalPlaces_ = numtext::ToInteger16(Combo1->currentText().toStdString(), separators_);
  } catch (...) {
    options.placesFailure = std::current_exception();
  }
  options.places = decimalPlaces_;
  return options;
}

void Form1::SetBusy(bool busy) { pointer_.Set(busy ? WindowPointer::State::Busy : WindowPointer::State::Default); }

void Form1::ClearResults() {
  results_->Clear();
  // The note was about the rows gone.
  resultsStale_ = false;
  notNumbersNote_.clear();
  ShowResultsNote();
}

const input::EntrySource& Form1::ListEntries() const { return numbers_->Entries(); }

void Form1::ShowResultsNote() {
  // Results of a list that has changed since are to be made again: that is
  // said before anything else about them.
  const QString note = resultsStale_ ? tr("The number list has changed since these results.") : notNumbersNote_;
  if (note.isEmpty())
    resultsNote_->Dismiss();
  else
    resultsNote_->Show(note);
}

void Form1::ListChangedSinceResults() {
  // Said once, however many batches a drop brings.
  if (resultsStale_ || results_->rowCount() == 0) return;
  resultsStale_ = true;
  ShowResultsNote();
}

void Form1::AddResultRow(const std::string& /*line*/) {
  // The run has put the row in its results already: the list takes it from
  // there, with its key and value.
  results_->ShowRowsOf(analysis_.LastResults());
}

void Form1::ReportError(const std::string& description, std::string_view location, int label) {
  dialogs_.ErrorReport(QString::fromStdString(core::ErrorReportText(description, location, label)));
}

}  // namespace tallowmere::app
