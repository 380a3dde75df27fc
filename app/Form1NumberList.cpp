// Form1's number list: its mouse and keys, its context menu, undo and redo, and what is dropped or pasted on it.
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <optional>
#include <stdexcept>

#include "app/AdditionNotice.h"
#include "app/Announcer.h"
#include "app/DropProgress.h"
#include "app/Form1.h"
#include "app/ListNotice.h"
#include "app/NumberListMenu.h"
#include "app/PastedTable.h"
#include "app/ResultsListMenu.h"
#include "core/ErrorReport.h"
#include "input/DropFiles.h"
#include "input/ListFile.h"
#include "input/ListHistory.h"
#include "input/NumberListModel.h"
#include "input/PastedText.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/DropData.h"
#include "results/ResultTable.h"
#include "system/FileSystem.h"

namespace tallowmere::app {

namespace {

// The folders of a dropped tree that could not be read: their numbers are
// missing from the list, so the notice says so.
struct FoldersLeftOut {
  std::size_t count = 0;
  std::string first;   // the first one's path
  std::string reason;  // why it could not be read, in the system's words
};

QString FoldersLeftOutText(const FoldersLeftOut& left) {
  const QString name = QuotedSkippedText(system::BaseName(left.first));
  const QString reason = QString::fromLocal8Bit(left.reason);
  if (left.count == 1)
    return QCoreApplication::translate("Form1", "1 folder could not be read and was left out: %1 (%2).")
        .arg(name, reason);
  return QCoreApplication::translate("Form1", "%1 folders could not be read and were left out (first: %2, %3).",
                                     nullptr, static_cast<int>(std::min<std::size_t>(left.count, INT_MAX)))
      .arg(QString::number(left.count), name, reason);
}

}  // namespace

void Form1::ListView1_MouseDown() {
  buttonDown_ = true;
  // A press begins a new gesture: its swaps make a step of their own.
  numbers_->EndMove();
}

void Form1::ListView1_ItemClick(const QModelIndex&) {
  // Without a readable drag.ico the list keeps its ordinary pointer.
  try {
    ListView1->viewport()->setCursor(LoadPointerFile(programFolder_.File(QStringLiteral("/drag.ico"))));
  } catch (const std::exception&) {
  }
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  movedEntry_ = selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
}

void Form1::ListView1_MouseMove(QPoint position) {
  pointerInWindow_ = ListView1->viewport()->mapTo(this, position);
  ShowHoverDefault();
  if (!buttonDown_) return;
  QModelIndex under;
  if (ListView1->viewport()->rect().contains(position)) under = ListView1->indexAt(position);
  if (!under.isValid() || !movedEntry_.isValid()) return;
  const auto moved = static_cast<std::size_t>(movedEntry_.row());
  const auto target = static_cast<std::size_t>(under.row());
  if (numbers_->Text(moved) == numbers_->Text(target)) return;

  numbers_->SwapTexts(moved, target);
  ListView1->selectionModel()->setCurrentIndex(under, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  movedEntry_ = QPersistentModelIndex(under);

  const int screenY = screenPointer_().y();
  const int row = under.row();
  if (screenY < kScrollUpBelowY && row > 0) {
    ListView1->scrollTo(numbers_->index(row - 1), QAbstractItemView::EnsureVisible);
  } else if (screenY > kScrollDownAboveY && static_cast<std::size_t>(row) + 1 < numbers_->Count()) {
    ListView1->scrollTo(numbers_->index(row + 1), QAbstractItemView::EnsureVisible);
  }
}

void Form1::ListView1_MouseUp() {
  buttonDown_ = false;
  numbers_->EndMove();
  // Back to the window's pointer (the default arrow unless a command is busy).
  ListView1->viewport()->unsetCursor();
}

void Form1::ListView1_DblClick() {
  if (pointer_.IsBusy()) return;
  if (numbers_->Count() == 0) return;
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  // Nothing selected: nothing to remove.
  if (selected.isEmpty()) return;
  numbers_->Remove(static_cast<std::size_t>(selected.first().row()));
}

bool Form1::ListView1_KeyDown(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Paste)) {
    if (!key.isAutoRepeat()) RunCommand([this] { ListView1_Paste(); });
    return true;
  }
  // The view's own copy would take only the current entry.
  if (key.matches(QKeySequence::Copy)) {
    if (!key.isAutoRepeat()) RunCommand([this] { CopyNumbers(); });
    return true;
  }
  // Shift+F10, as the Menu key does, opens the context menu for keyboard
  // users: beside the current row, or at the list's corner without one.
  if (key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
    const QRect row = ListView1->visualRect(ListView1->currentIndex());
    ListView1_ContextMenu(row.isValid() ? row.center() : QPoint(0, 0));
    return true;
  }
  if (key.key() != Qt::Key_Delete || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  const QModelIndexList selected = ListView1->selectionModel()->selectedRows(0);
  // Without a selection, the row the focus frame shows as current is the one
  // meant: it is selected, then removed as a double-click removes.
  const QModelIndex target = selected.isEmpty() ? ListView1->currentIndex() : selected.first();
  if (!target.isValid() || pointer_.IsBusy()) return true;
  if (selected.isEmpty())
    ListView1->selectionModel()->select(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  const int removed = target.row();
  const std::size_t before = numbers_->Count();
  ListView1_DblClick();
  if (numbers_->Count() == before || numbers_->Count() == 0) return true;
  // The next entry takes the removed one's place in the selection (the new
  // last one after the last), so Delete can go on.
  const int row = std::min(removed, static_cast<int>(numbers_->Count()) - 1);
  const QModelIndex next = numbers_->index(row);
  ListView1->selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ListView1->scrollTo(next);
  return true;
}

bool Form1::ListView2_KeyDown(const QKeyEvent& key) {
  if (key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
    const QRect row = ListView2->visualRect(ListView2->currentIndex());
    ListView2_ContextMenu(row.isValid() ? row.center() : QPoint(0, 0));
    return true;
  }
  if (key.key() != Qt::Key_A) return false;
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  Qt::CheckState state;
  if (modifiers == Qt::ControlModifier)
    state = Qt::Checked;
  else if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
    state = Qt::Unchecked;
  else
    return false;
  results_->SetAllTicked(state == Qt::Checked);
  if (results_->rowCount() > 0)
    announcer_->Announce(state == Qt::Checked ? tr("All results ticked") : tr("No results ticked"));
  return true;
}

void Form1::ListView1_ContextMenu(QPoint position) {
  // The open menu takes the button's release: the gesture ends here.
  ListView1_MouseUp();
  numbers_->Flush();
  listMenu_->Refresh(numbers_->History(), ListHistoryFree());
  bool anyNotNumber = false;
  results::ForEachNotNumber(ListEntries(), 0, numbers_->Count(), separators_, [&](std::size_t) {
    anyNotNumber = true;
    return false;
  });
  listMenu_->SetNotNumbersRemovable(anyNotNumber && ListHistoryFree());
  pasteItem_->setEnabled(platform::ClipboardHasText());
  listMenu_->Menu()->popup(ListView1->viewport()->mapToGlobal(position));
}

void Form1::ListView2_ContextMenu(QPoint position) {
  resultsMenu_->Refresh(results_->rowCount() > 0);
  resultsMenu_->Menu()->popup(ListView2->viewport()->mapToGlobal(position));
}

void Form1::ListView2_CopyAsTable() {
  const std::vector<const results::ResultRow*> rows = RowsToCopy(*results_);
  if (!rows.empty()) platform::ClipboardSetText(QString::fromStdString(results::TableText(rows, separators_)));
}

void Form1::ListView1_RemoveNotNumbers() {
  if (!ListHistoryFree()) return;
  core::Trap trap(*this, kRemoveNotNumbersLocation);
  trap.Step([&] {
    std::vector<std::size_t> rows = results::NotNumberRows(ListEntries(), 0, numbers_->Count(), separators_);
    if (rows.empty()) return;
    // What the last addition brought is no longer what the list shows.
    notice_->Dismiss();
    numbers_->RemoveEntries(input::kRemoveNotNumbersStep, std::move(rows));
  });
}

bool Form1::ListHistoryFree() const {
  if (ended_ || CommandRunning() || pointer_.IsBusy() || drops_->Running()) return false;
  // An entry being carried: its swaps are still being recorded.
  return !(buttonDown_ && QGuiApplication::mouseButtons() != Qt::NoButton);
}

void Form1::UndoListChange() {
  if (ListHistoryFree()) ShowListChange(numbers_->Undo());
}

void Form1::RedoListChange() {
  if (ListHistoryFree()) ShowListChange(numbers_->Redo());
}

void Form1::ShowListChange(const std::optional<input::RowChange>& change) {
  if (!change) return;
  // What the last addition brought is no longer what the list shows.
  notice_->Dismiss();
  QItemSelectionModel* selection = ListView1->selectionModel();
  if (!change->current) {
    selection->clear();
    return;
  }
  const QModelIndex row = numbers_->index(static_cast<int>(*change->current));
  selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  ListView1->scrollTo(row);
}

void Form1::ListView1_DragEnter(QDragEnterEvent* event) {
  if (platform::OffersLocalFiles(event->mimeData()) || platform::OffersText(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void Form1::ListView1_DragMove(QDragMoveEvent* event) {
  if (platform::OffersLocalFiles(event->mimeData()) || platform::OffersText(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void Form1::ListView1_Drop(QDropEvent* event) {
  // Copy the paths or the text first: the drag data belongs to the drag,
  // which ends here.
  const QMimeData* offered = event->mimeData();
  if (platform::OffersLocalFiles(offered)) {
    std::vector<std::string> paths = platform::DroppedLocalPaths(offered);
    event->acceptProposedAction();
    // The dialog waits for the drop to end: a modal loop inside the drop
    // would keep the program the drag came from waiting too.
    if (paths.size() == 1 && TableLike(paths.front())) {
      QTimer::singleShot(0, this, [this, path = QFile::decodeName(QByteArray::fromStdString(paths.front()))] {
        RunCommand([this, &path] { OpenTableFile(path); });
      });
      return;
    }
    ReadPathsAsDropped(std::move(paths));
    return;
  }
  std::optional<QString> text = platform::DroppedText(offered);
  if (!text) return event->ignore();
  event->acceptProposedAction();
  // A table's dialog waits for the drop to end, as a table file's does.
  if (LooksLikePastedTable(*text, separators_)) {
    QTimer::singleShot(0, this, [this, dropped = std::move(*text)] {
      RunCommand([this, &dropped] { OpenPastedTable(dropped, AdditionSource::kDroppedText); });
    });
    return;
  }
  PasteCharacters(*text, AdditionSource::kDroppedText);
}

void Form1::ListView1_Paste() {
  const std::optional<QString> text = platform::ReadClipboardText();
  if (!text) {
    notice_->Dismiss();
    dialogs_.Message(QCoreApplication::translate(
        "Form1", "The clipboard could not be read: the program that holds it did not answer."));
    return;
  }
  PasteNumbers(*text, AdditionSource::kClipboard);
}

void Form1::PasteNumbers(const QString& text, AdditionSource source) {
  if (LooksLikePastedTable(text, separators_)) return OpenPastedTable(text, source);
  PasteCharacters(text, source);
}

void Form1::PasteCharacters(const QString& text, AdditionSource source) {
  notice_->Dismiss();
  input::NumberListModel::Change change(*numbers_,
                                        source == AdditionSource::kDroppedText ? input::kDropStep : input::kPasteStep);
  Addition added(source);
  bool whole = true;
  {
    const input::NumberListModel::Tallying counting(*numbers_, added.tally);
    DropProgress::Drop reading(*drops_);
    input::DropState state;
    state.phase = input::DropPhase::kReadingText;
    state.textSize = static_cast<std::size_t>(text.size());
    const auto progress = reading.Progress();
    progress(state);
    input::FlushingErrorSink errors(*numbers_, *this);
    core::Trap trap(errors, source == AdditionSource::kDroppedText ? input::kDropLocation : kPasteLocation);
    trap.Step([&] {
      whole = input::ReadPastedCharacters(*numbers_, text, separators_, reading.EventPump(), reading.ShouldStop(),
                                          [&](std::size_t read) {
                                            state.textRead = read;
                                            progress(state);
                                          });
    });
    trap.Step([&] { numbers_->Flush(); });
    // The strip goes first: the notice is about a reading that has ended.
    reading.End();
  }
  if (whole)
    ShowAddition(added);
  else
    dialogs_.Message(TextStoppedNotice(source, added.tally.appended));
}

QAction* Form1::FillListContextMenu(QMenu& menu) {
  QAction* paste = menu.addAction(QCoreApplication::translate("Form1", kPasteNumbersItem));
  paste->setShortcut(QKeySequence::Paste);
  paste->setShortcutVisibleInContextMenu(true);
  paste->setEnabled(platform::ClipboardHasText());
  connect(paste, &QAction::triggered, this, [this] { RunCommand([this] { ListView1_Paste(); }); });
  return paste;
}

void Form1::ShowAddition(const Addition& addition) { notice_->Show(AdditionNoticeText(addition)); }

void Form1::ShowFilesAddition(Addition& addition, const input::DropState& end) {
  // Nothing chosen, or a drop that held no file, brought nothing to tell.
  if (end.filesRead == 0) return;
  addition.files = end.filesRead;
  if (end.filesRead == 1)
    addition.fileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(end.firstFile))).fileName();
  ShowAddition(addition);
}

void Form1::ShowEntryCount() {
  const QString count = EntriesText(numbers_->Count());
  ListView1->setToolTip(QString::fromLatin1(kListToolTip) + QLatin1Char('\n') + count);
  ListView1->setAccessibleDescription(QString::fromLatin1(kListDescription) + QLatin1Char('\n') + count);
}

void Form1::ReadPathsAsDropped(std::vector<std::string> paths) {
  notice_->Dismiss();
  input::NumberListModel::Change change(*numbers_, input::kDropStep);
  Addition added(AdditionSource::kFiles);
  std::optional<input::NumberListModel::Tallying> counting(std::in_place, *numbers_, added.tally);
  DropProgress::Drop drop(*drops_);
  FoldersLeftOut leftOut;
  const input::DropHost context{.entries = *numbers_,
                                .errors = *this,
                                .showNotRead =
                                    [this](const std::string& path, input::NotRead why) {
                                      dialogs_.Message(QString::fromStdString(input::NotReadText(path, why)));
                                    },
                                .letEventsRun = drop.EventPump(),
                                .progress = drop.Progress(),
                                .shouldStop = drop.ShouldStop(),
                                .separators = separators_,
                                .folderUnreadable =
                                    [&leftOut](const std::string& folder, const std::string& reason) {
                                      if (leftOut.count++ > 0) return;
                                      leftOut.first = folder;
                                      leftOut.reason = reason;
                                    }};
  const input::DropState end = input::ReadDroppedPaths(std::move(paths), context);
  // The strip goes first: the notice is about a drop that has ended.
  drop.End();
  counting.reset();
  if (end.stopped)
    dialogs_.Message(DropStoppedNotice(end));
  else
    ShowFilesAddition(added, end);
  if (leftOut.count == 0) return;
  const bool told = !end.stopped && end.filesRead > 0;
  notice_->Show(told ? notice_->text() + QLatin1Char('\n') + FoldersLeftOutText(leftOut) : FoldersLeftOutText(leftOut));
}

void Form1::OpenPaths(std::vector<std::string> paths) {
  if (paths.empty()) return;
  // One file of several columns, or a workbook, is a table, as when dropped.
  if (paths.size() == 1 && TableLike(paths.front())) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(paths.front()));
    return RunCommand([this, &path] { OpenTableFile(path); });
  }
  RunCommand([this, &paths] { ReadPathsAsDropped(std::move(paths)); });
}

}  // namespace tallowmere::app
