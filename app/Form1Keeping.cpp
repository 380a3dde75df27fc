// Form1's work kept: the number list saved as a list file and copied, kept at
// close and offered again at the next start, and the recent files.
#include <QAbstractItemModel>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <cstdio>

#include "app/DropProgress.h"
#include "app/Form1.h"
#include "app/ListNotice.h"
#include "app/RestoreOffer.h"
#include "input/KeptList.h"
#include "input/NumberListModel.h"
#include "platform/Clipboard.h"
#include "platform/Language.h"
#include "platform/RecentFiles.h"
#include "platform/WholeFile.h"
#include "results/ListReadBack.h"

namespace tallowmere::app {

namespace {

QString Quoted(const std::string& text) { return QLatin1Char('"') + QString::fromStdString(text) + QLatin1Char('"'); }

// The question asked before a list is saved that would not read back as it is.
QString ReadBackQuestion(const results::ReadBackLosses& losses) {
  QStringList lines{Form1::tr("Not every entry will come back as it is when this file is loaded:")};
  if (losses.left > 0)
    lines << Form1::tr("Entries that are not numbers, left out when it is loaded: %1").arg(losses.left);
  if (losses.changed > 0) lines << Form1::tr("Entries a list file reads as another value: %1").arg(losses.changed);
  if (losses.split > 0) lines << Form1::tr("Entries holding a line break, read as several lines: %1").arg(losses.split);
  QStringList named;
  for (const std::string& text : losses.first) named << Quoted(text);
  lines << Form1::tr("The first of them: %1").arg(named.join(QStringLiteral(", ")));
  lines << Form1::tr("Save the numbers all the same?");
  return lines.join(QLatin1Char('\n'));
}

// The entries at `count` rows (`row(i)` the i-th), each followed by a line
// end, in UTF-8 as they are held: measured first, so that a list of millions
// is copied once.
template <class Row>
QByteArray EntriesText(const input::NumberListModel& list, std::size_t count, Row row) {
  qsizetype bytes = 0;
  for (std::size_t i = 0; i < count; ++i) bytes += static_cast<qsizetype>(list.Text(row(i)).size()) + 1;
  QByteArray text;
  text.reserve(bytes);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view entry = list.Text(row(i));
    text.append(entry.data(), static_cast<qsizetype>(entry.size()));
    text.append('\n');
  }
  return text;
}

QByteArray AllEntriesText(const input::NumberListModel& list) {
  return EntriesText(list, list.Count(), [](std::size_t i) { return i; });
}

input::KeptSource SourceOf(const input::NumberListModel& list) {
  return {list.Count(), [&list](std::size_t i) { return list.Text(i); },
          [&list](std::size_t i) { return list.PassedNumberTest(i); }};
}

}  // namespace

void Form1::SaveNumbers() {
  QString filter;
  const QStringList filters{QString::fromUtf8(platform::kTextFilesFilter),
                            QString::fromUtf8(platform::kAllFilesFilter)};
  QString path = dialogs_.SaveFileConfirmed(tr("Save Numbers"), filters, filter);
  if (path.isEmpty()) return;
  if (filter == filters.first() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
  numbers_->Flush();
  const results::ReadBackLosses losses = results::ListReadBackLosses(ListEntries(), numbers_->Count(), separators_);
  if (losses.Any() && !dialogs_.Question(ReadBackQuestion(losses))) return;
  SetBusy(true);
  const QString reason = platform::WriteWholeFile(path, AllEntriesText(*numbers_));
  SetBusy(false);
  if (!reason.isEmpty()) {
    dialogs_.Message(tr("The numbers could not be saved to \"%1\": %2").arg(path, reason));
    return;
  }
  NoteRecentFile(path);
}

void Form1::CopyNumbers() {
  numbers_->Flush();
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  QByteArray text;
  if (selected.isEmpty()) {
    text = AllEntriesText(*numbers_);
  } else {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : selected) rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    text = EntriesText(*numbers_, rows.size(), [&rows](std::size_t i) { return rows[i]; });
  }
  if (!text.isEmpty()) platform::ClipboardSetText(QString::fromUtf8(text));
}

// ---------------------------------------------------------------------------
// Recent files.

QStringList Form1::RecentFiles() const {
  return platform::RecentFilesFromText(settings_.Get(QString::fromLatin1(platform::kRecentFilesKey), QString()));
}

void Form1::NoteRecentFile(const QString& path) {
  const QStringList recent = platform::WithRecentFile(RecentFiles(), QFileInfo(path).absoluteFilePath());
  settings_.Save(QString::fromLatin1(platform::kRecentFilesKey), platform::RecentFilesText(recent));
}

void Form1::ForgetRecentFile(const QString& path) {
  const QStringList recent = RecentFiles();
  const QStringList left = platform::WithoutRecentFile(recent, QFileInfo(path).absoluteFilePath());
  if (left != recent) settings_.Save(QString::fromLatin1(platform::kRecentFilesKey), platform::RecentFilesText(left));
}

void Form1::OpenRecentFile(const QString& path) {
  RunCommand([this, path] { LoadListFiles({path}); });
}

void Form1::FillRecentMenu(QMenu& menu) {
  menu.clear();
  const QStringList recent = RecentFiles();
  for (int i = 0; i < recent.size(); ++i) {
    const QString& path = recent[i];
    // The number as the mnemonic; the name first, the folder after it.
    QString name = QFileInfo(path).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    item->setToolTip(path);
    item->setStatusTip(path);
    item->setData(path);
    connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
  }
  menu.addSeparator();
  QAction* clear = menu.addAction(tr("Clear Recent"));
  clear->setObjectName(QStringLiteral("clearRecent"));
  clear->setEnabled(!recent.isEmpty());
  connect(clear, &QAction::triggered, this,
          [this] { settings_.Save(QString::fromLatin1(platform::kRecentFilesKey), QString()); });
}

// ---------------------------------------------------------------------------
// The list kept at close.

void Form1::OfferKeptList() {
  offer_ = new RestoreOffer(ListView1);
  if (stateFolder_.empty()) return;
  auto kept = std::make_unique<input::KeptList>(input::LoadKeptList(stateFolder_));
  switch (kept->kind) {
    case input::KeptList::Kind::kNone:
      return;
    case input::KeptList::Kind::kList:
      if (kept->count == 0) return;
      offer_->Offer(platform::CountText("Form1", "Restore the number from last time",
                                        QT_TRANSLATE_N_NOOP("Form1", "Restore the %1 numbers from last time"),
                                        kept->count, GroupedCount(kept->count)));
      kept_ = std::move(kept);
      break;
    case input::KeptList::Kind::kTooLarge:
      offer_->Offer(platform::CountText(
          "Form1", "The number from last time was not kept: the list was over 100 MB",
          QT_TRANSLATE_N_NOOP("Form1", "The %1 numbers from last time were not kept: the list was over 100 MB"),
          kept->count, GroupedCount(kept->count)));
      break;
    case input::KeptList::Kind::kUnreadable:
      offer_->Offer(tr("The numbers from last time could not be read"));
      break;
  }
  connect(offer_, &QPushButton::clicked, this, [this] { RunCommand([this] { RestoreKeptList(); }); });
  // Any change of the list ends the offer: what it would restore is no
  // longer what the user would add to.
  const auto withdraw = [this] {
    if (!offer_->Offered()) return;
    offer_->Withdraw();
    kept_.reset();
  };
  connect(numbers_, &QAbstractItemModel::rowsInserted, offer_, withdraw);
  connect(numbers_, &QAbstractItemModel::rowsRemoved, offer_, withdraw);
  connect(numbers_, &QAbstractItemModel::modelReset, offer_, withdraw);
  connect(numbers_, &QAbstractItemModel::dataChanged, offer_, withdraw);
}

void Form1::RestoreKeptList() {
  offer_->Withdraw();
  std::unique_ptr<input::KeptList> kept = std::move(kept_);
  if (!kept || numbers_->Count() != 0) return;
  notice_->Dismiss();
  {
    input::NumberListModel::Change change(*numbers_, input::kRestoreNumbersStep);
    const input::EntryStore& entries = kept->entries;
    for (std::size_t i = 0; i < entries.Size(); ++i) {
      if (entries.PassedNumberTest(i))
        numbers_->AppendTestedText(entries.Text(i));
      else
        numbers_->Append(entries.Text(i));
    }
    numbers_->Flush();
  }
  ShowEntryCount();
}

void Form1::KeepListAtClose() {
  if (stateFolder_.empty()) return;
  // Not taken up and nothing typed since: the list of last time stays
  // offered for the next start.
  if (offer_->Offered() && numbers_->Count() == 0) return;
  numbers_->Flush();
  const std::string reason = input::KeepList(stateFolder_, SourceOf(*numbers_));
  if (!reason.empty())
    std::fprintf(stderr, "tallowmere: the number list was not kept in %s: %s\n", stateFolder_.c_str(), reason.c_str());
}

}  // namespace tallowmere::app
