#pragma once
// Form1: the program's only working window. It holds the controls (which hold
// the program's data: the number list, the results list and the options),
// made from the control inventory, and their event procedures, named
// control_event and reached through one handler table. Creating it runs
// Form_Load; closing it ends the program. The procedures live by subject:
// Form1.cpp (building, start and end, the pointer), Form1Commands.cpp,
// Form1Options.cpp, Form1NumberList.cpp, Form1Keeping.cpp (the list saved,
// copied and kept at close, the recent files), Form1Menu.cpp (the menu bar),
// Form1Layout.cpp (the room: the bar over the content, growing, the size kept)
// and Form1Compare.cpp (what the windows beside it read and do).
#include <QPersistentModelIndex>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/AdditionNotice.h"
#include "app/DistributionSource.h"
#include "app/FormInventory.h"
#include "app/WindowPointer.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "platform/Skin.h"
#include "platform/Spreadsheet.h"
#include "results/Analysis.h"
#include "results/AnalysisEntries.h"
#include "results/CompareTable.h"
#include "results/ResultListModel.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;

namespace tallowmere::input {
struct DropState;
struct KeptList;
class NumberListModel;
struct RowChange;
}  // namespace tallowmere::input

namespace tallowmere::platform {
class ScreenFit;
}

namespace tallowmere::app {

class Announcer;
class DistributionLink;
class DropProgress;
class ListNotice;
class MainMenu;
class NumberListMenu;
class ResultsListMenu;
class RestoreOffer;
struct TableChoice;

inline constexpr const char* kProductName = "Tallowmere";
// The window's commands in their error reports (see docs/compatibility.md,
// Error reports).
inline constexpr const char* kFormLoadLocation = "in Tallowmere2021/08/31.Form1.Form_Load ";
inline constexpr const char* kClearNumbersLocation = "in Tallowmere2021/08/31.Form1.PushButton1_Click ";
inline constexpr const char* kClearResultsLocation = "in Tallowmere2021/08/31.Form1.PushButton8_Click ";
// Pasted text is read by no command of the window's, so no location text
// and line labels name its steps: its failures are reported with this plain
// text in place of a location, and no line (see docs/compatibility.md, Error
// reports).
inline constexpr const char* kPasteLocation = "while the pasted text was read";
inline constexpr const char* kPasteNumbersItem = QT_TRANSLATE_NOOP("Form1", "Paste Numbers");
// Removing the entries that are not numbers is no such command either: its
// failures are reported with this plain text, and no line.
inline constexpr const char* kRemoveNotNumbersLocation = "while the entries that are not numbers were removed";
// Screen heights (pixels) that start the auto-scroll of a carried entry.
inline constexpr int kScrollUpBelowY = 305;
inline constexpr int kScrollDownAboveY = 364;

// The application title for a product name: cut at the last space at least
// once, then again until 40 characters or fewer remain. A name without a space
// (ours) stays whole; cutting stops when no space is left.
QString ApplicationTitleFromName(const QString& productName);

// Where the window's boxes and its spreadsheet application come from: the
// system's, unless given (tests give their own).
struct FormServices {
  platform::Dialogs* dialogs = nullptr;
  platform::Factory spreadsheet;
  // Where the number list is kept at close and offered again at the next
  // start (the user's state folder); empty keeps nothing.
  std::string stateFolder = {};
};

class Form1 final : public QWidget, public core::ErrorSink {
  Q_OBJECT

 public:
  // `programFolder`: where the optional files (x/o.cjs, HAND-M.CUR,
  // drag.ico) are looked for first; empty means the executable's folder
  // (see ProgramFolder for the installed data folder). `separators`: the
  // user's, for every number the window reads or shows.
  explicit Form1(numtext::Separators separators, const QString& programFolder = QString(), FormServices services = {});
  ~Form1() override;

  // --- What the controls hold.
  input::NumberListModel& NumberList() { return *numbers_; }
  // Drops running on the number list: their progress strip and their stop.
  DropProgress& Drops() { return *drops_; }
  // What the last addition brought, over the list's bottom edge.
  ListNotice& Notice() { return *notice_; }
  // What the user should know of the results shown, over the results list's
  // bottom edge: that the number list has changed since they were made, and
  // which entries they counted that are not numbers.
  ListNotice& ResultsNote() { return *resultsNote_; }
  // What a screen reader is told in passing: the notices, the end of an
  // analysis, ticks of every row.
  Announcer& Announcements() { return *announcer_; }
  // The number list's context menu: undo and redo, then further commands.
  NumberListMenu& ListMenu() { return *listMenu_; }
  // The results list's context menu: copy as a table, show the distribution.
  ResultsListMenu& ResultsMenu() { return *resultsMenu_; }
  // The menu bar over the content.
  MainMenu& Menus() { return *mainMenu_; }
  int MenuBarHeight() const;
  // The distribution window's link to this one.
  DistributionLink& Distribution() { return *distribution_; }
  results::ResultListModel* ResultsModel() { return results_; }
  WindowPointer& Pointer() { return pointer_; }
  // The analysis behind "Start Analysis": its data set (with the method the
  // option buttons chose) and its decimal options.
  const results::Analysis& Analysis() const { return analysis_; }

  // --- Start and end.
  void Form_Load();
  void ApplySkin();
  void SetApplicationTitle();
  void Form_Unload();
  // Places the window in `area`, a screen's free area (start-up uses the
  // primary screen's): centred where it fits, else inside a window that fits
  // and scrolls it.
  void PlaceOnScreen(const QRect& area);
  // Showing or hiding the window shows or hides the scrolling one around it.
  void setVisible(bool visible) override;
  // What ending the program means. The program installs a real end; without
  // one (tests) the window only records that the program ended.
  void SetEndProgram(std::function<void()> end) { endProgram_ = std::move(end); }
  bool ProgramEnded() const { return ended_; }
  // True while a command handler is running (it may be letting window events
  // run, so a close can arrive in its middle).
  bool CommandRunning() const { return commandDepth_ > 0; }

  // --- Hover pointer rules, reached through the handler table.
  void Form_MouseMove();
  void Frame1_MouseMove();
  void Frame2_MouseMove();
  void ListView2_MouseMove();
  void PushButton1_MouseMove();
  void PushButton2_MouseMove();
  void PushButton3_MouseMove();
  void PushButton4_MouseMove();
  void PushButton5_MouseMove();
  void PushButton6_MouseMove();
  void PushButton7_MouseMove();
  void PushButton8_MouseMove();
  void PushButton13_MouseMove();

  // --- Commands.
  void PushButton1_Click();   // "Clear List" under the numbers
  void PushButton2_Click();   // "Load Sample/Example Numbers"
  void PushButton3_Click();   // "Add Number / Numbers"
  void PushButton4_Click();   // "Save Results As Text File"
  void PushButton5_Click();   // "Copy Results To Clipboard"
  void PushButton6_Click();   // "Load Numbers From File"
  void PushButton7_Click();   // "Start Analysis"
  void PushButton8_Click();   // "Clear List" under the results
  void PushButton13_Click();  // "Save Results As Excel File"

  // --- Options.
  void Option1_Click();
  void Option2_Click();
  void Check1_Click();
  void Combo1_Change();
  void Combo1_Click();
  void Combo1_LostFocus();
  // Up and Down step through 1 to 10 from whatever the drop-down shows; true
  // when the key was used.
  bool Combo1_KeyDown(const QKeyEvent& key);

  // --- The number list's own mouse behaviour.
  void ListView1_MouseDown();
  void ListView1_ItemClick(const QModelIndex& index);
  void ListView1_MouseMove(QPoint position);
  void ListView1_MouseUp();
  void ListView1_DblClick();
  // Keys on the lists (true when used): Delete removes the selected number as
  // a double-click does, or the current one when none is selected; Ctrl+A
  // and Ctrl+Shift+A tick and untick every result.
  bool ListView1_KeyDown(const QKeyEvent& key);
  bool ListView2_KeyDown(const QKeyEvent& key);
  // The context menus, asked for at `position` in the list's rows.
  void ListView1_ContextMenu(QPoint position);
  void ListView2_ContextMenu(QPoint position);
  // "Copy as Table": the ticked rows, or all when none is ticked.
  void ListView2_CopyAsTable();
  // The context menu's "Remove Entries That Are Not Numbers": one step that
  // undo takes back. Nothing happens when the list history is not free.
  void ListView1_RemoveNotNumbers();
  // Undo and redo of the number list's last change (Ctrl+Z, Ctrl+Shift+Z or
  // Ctrl+Y, and the context menu). Nothing happens while a command or a drop
  // runs, or while an entry is carried.
  void UndoListChange();
  void RedoListChange();
  bool ListHistoryFree() const;
  // Files dropped on the number list: the loaders hook in here.
  void ListView1_DragEnter(QDragEnterEvent* event);
  void ListView1_DragMove(QDragMoveEvent* event);
  void ListView1_Drop(QDropEvent* event);
  // Paths given on the command line ("Open With"): read as one drop of them
  // on the number list, in order. Relative paths must already be made absolute.
  void OpenPaths(std::vector<std::string> paths);
  // Text pasted or dropped on the number list: its numbers are
  // appended as a list file's, with tabs separating them too. A long text
  // shows the drops' strip and stops with Esc as they do. A text of rows
  // and columns (LooksLikePastedTable) opens the table dialog instead, as a
  // table file does.
  void PasteNumbers(const QString& text, AdditionSource source);
  // Ctrl+V, Shift+Insert and the context menu's item: the clipboard's text.
  void ListView1_Paste();
  // --- Tables (Form1Table.cpp).
  // The context menu's "Open Table…": a table file picked in the open
  // dialog, then the table dialog.
  void ListView1_OpenTable();
  // The table dialog over `path`; after "Open", one column without a split
  // is appended to the list as one step, anything more goes to the hook.
  // False when the file's start could not be read.
  bool OpenTableFile(const QString& path);
  // Where a choice of several columns, or of a split, goes (the window that
  // compares them); until one is set such a choice shows nothing.
  void SetTableChoiceHook(std::function<void(const TableChoice&)> hook) { tableChoiceHook_ = std::move(hook); }
  // Adds the "Paste Numbers" item to `menu` (the context menu's, after undo
  // and redo); it is enabled when the clipboard holds text.
  QAction* FillListContextMenu(QMenu& menu);
  bool ListView1ButtonDown() const { return buttonDown_; }
  // The entry being carried, or an invalid index.
  QPersistentModelIndex MovedEntry() const { return movedEntry_; }
  // Where auto-scroll reads the pointer's screen position (tests replace it).
  void SetScreenPointerSource(std::function<QPoint()> source) { screenPointer_ = std::move(source); }

  // --- The work kept (Form1Keeping.cpp).
  // "Save Numbers…": the list as a list file, one entry a line, exactly its
  // texts; the user is told first of entries that would not read back.
  void SaveNumbers();
  // "Copy Numbers": the selected entries, or all when none is, one a line.
  void CopyNumbers();
  // File → Open Recent, filled as it is about to show: the recent files,
  // newest first, then "Clear Recent".
  void FillRecentMenu(QMenu& menu);
  // A file loaded or saved goes first among the recent ones.
  void NoteRecentFile(const QString& path);
  QStringList RecentFiles() const;
  // Opens a recent file as "Load Numbers From File" opens a chosen one.
  void OpenRecentFile(const QString& path);
  // The offer of the list kept at the last close, over the number list.
  RestoreOffer& KeptListOffer() { return *offer_; }
  void RestoreKeptList();

  // --- What the other windows read and do (Form1Compare.cpp).
  // The method and the decimals as the option controls stand now; a decimal
  // places text that cannot be read counts as the last one a run could read.
  results::CompareOptions AnalysisOptions() const;
  // Appends `texts` to the number list as one step named `step` (marked for
  // translation in "ListHistory"), which undo takes back. False, and
  // nothing appended, while the list is busy: a command or a drop runs, or
  // an entry is carried.
  bool AppendEntries(const std::vector<std::string>& texts, const char* step);
  // The number list behind the last analysis, as the distribution window
  // reaches it: the analysed numbers in list order, the entries' texts and
  // their selection.
  ListLookup AnalysedList();
  // The last analysis as the distribution window shows it, with that list.
  DistributionSource AnalysisSource();
  // Selects the entries at `indexes` (ascending; those past the list's end
  // are left out) in the number list, shows the first and brings the window
  // up. Nothing is removed; the list's own selection rules apply again at
  // the next click.
  void SelectEntries(const std::vector<std::size_t>& indexes);
  platform::Dialogs& FormDialogs() { return dialogs_; }
  const numtext::Separators& Separators() const { return separators_; }

  // --- What the commands see of the window.
  void SetBusy(bool busy);
  void ClearResults();
  void AddResultRow(const std::string& line);
  void ReportError(const std::string& description, std::string_view location, int label) override;

 signals:
  // The method, the decimal places or "Show all decimals" changed.
  void optionsChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The controls, by the names the inventory gives them; tests, the
  // accessibility check and users' reports find them by those names.
  QTableView* ListView1 = nullptr;
  QPushButton* PushButton3 = nullptr;
  QPushButton* PushButton6 = nullptr;
  QPushButton* PushButton1 = nullptr;
  QPushButton* PushButton2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* Combo1 = nullptr;
  QCheckBox* Check1 = nullptr;
  QPushButton* PushButton7 = nullptr;
  QTableView* ListView2 = nullptr;
  QPushButton* PushButton4 = nullptr;
  QPushButton* PushButton13 = nullptr;
  QPushButton* PushButton5 = nullptr;
  QPushButton* PushButton8 = nullptr;
  platform::Skin SkinFramework1;

  void BuildControls();
  // Finds the controls the inventory made, by their names.
  void FindControls();
  void SetUpControls();
  // Where a stand-in face replaces Arial: the sizes at which every caption
  // fits.
  void FitCaptionFonts();
  void ConnectHandlers();
  void ConnectOptions();
  void ConnectFocusLeave();
  void ConnectListMenu();
  // The menu bar, the controls' mnemonics and the window's least size.
  void SetUpRoom();
  void BuildMainMenu();
  // The menu's option items and the option controls follow each other.
  void FollowOptionsInMenu();
  // Names and enables the Edit menu's items as the number list's context
  // menu would be now.
  void RefreshEditMenu();
  // The bar across the top and the inventory's controls below it, grown
  // with the window.
  void LayOutContent();
  // The size kept from the last run, within `area`, and kept at the close.
  void RestoreWindowSize(const QRect& area);
  void KeepWindowSize();
  // Runs the mouse-move handler the handler table names for `control`; true
  // when there is one.
  bool RunMouseMoveHandler(const QString& control);
  // The number list's own mouse and drop events (true when used up).
  bool NumberListEvent(QEvent* event);
  bool KeyEvent(QObject* watched, const QKeyEvent& key);
  void ShowHoverDefault();
  void ShowHoverCustom();
  // Puts text into Combo1 as code would: its change handler runs when the
  // text differs.
  void SetCombo1Text(const QString& text);
  // Selects or clears an option button as code would: selecting clears its
  // partner and runs the click handler; clearing runs none.
  static void SetOptionButton(QRadioButton* button, bool selected);
  void ScheduleCombo1LostFocus();
  void ReadPathsAsDropped(std::vector<std::string> paths);
  // Whether one file dropped or chosen to load has more than one column,
  // and so goes to the table dialog instead of being read as a list file.
  bool TableLike(const std::string& path) const;
  // PasteNumbers without the look for a table: the text read as characters.
  void PasteCharacters(const QString& text, AdditionSource source);
  // The table dialog over pasted or dropped text (`source` kClipboard or
  // kDroppedText); what is chosen is read from the text as from a file.
  void OpenPastedTable(const QString& text, AdditionSource source);
  // What the table dialog chose, read: `origin` kFiles for a file, else
  // where its held text came from, which names it and the list's step.
  void OpenChosenTable(const TableChoice& choice, AdditionSource origin);
  void ReadChosenColumn(const TableChoice& choice, AdditionSource origin);
  // Several columns, or a split: each list read whole, then shown side by
  // side in a compare window.
  void CompareChosenColumns(const TableChoice& choice, AdditionSource origin);
  // Tells the user what an addition brought (a stopped one has its own notice).
  void ShowAddition(const Addition& addition);
  // Files loaded or dropped: what they brought, from how far the reading came.
  void ShowFilesAddition(Addition& addition, const input::DropState& end);
  // The number list's tool tip and accessible description with its count.
  void ShowEntryCount();
  // Selects and shows the row an undo or redo leaves current.
  void ShowListChange(const std::optional<input::RowChange>& change);
  // Runs a command handler; nothing runs once the program has ended.
  void RunCommand(const std::function<void()>& command);

  results::AnalysisHost MakeAnalysisHost(const results::DecimalOptions& decimals);
  // Combo1 and Check1 as a run reads them.
  results::DecimalOptions ReadDecimalOptions();
  // The number list's entries as the analysis reads them.
  const input::EntrySource& ListEntries() const;
  // The results note as the two things it tells now are: hidden when neither.
  void ShowResultsNote();
  // Any change of the number list: the results shown, if any, are no longer
  // of the list as it is.
  void ListChangedSinceResults();
  void ConnectDistribution();
  // "Load Numbers From File" with the files `given` (none: the user picks).
  void LoadListFiles(const QStringList& given);
  // The load itself; one chosen file that is a table is left to `table`.
  void LoadListFilesOrTable(const QStringList& given, QString& table);
  void ForgetRecentFile(const QString& path);
  // At start: what the last close kept, offered. At close: the list kept.
  void OfferKeptList();
  void KeepListAtClose();

  numtext::Separators separators_;
  results::Analysis analysis_;
  // The last decimal places Combo1's text could be read as (0 before any):
  // a run whose text cannot be read rounds as the run before did.
  std::int16_t decimalPlaces_ = 0;
  platform::ProgramFolder programFolder_;
  // The boxes every command shows, handed down in the host structs.
  platform::SystemDialogs systemDialogs_;
  platform::Dialogs& dialogs_;
  platform::Factory spreadsheet_;
  // The four options' store; it tells the user once when they cannot be
  // saved.
  platform::SettingsStore settings_;
  WindowPointer pointer_;
  std::unique_ptr<platform::ScreenFit> fit_;
  QString fontFamily_;
  input::NumberListModel* numbers_ = nullptr;
  DropProgress* drops_ = nullptr;
  ListNotice* notice_ = nullptr;
  ListNotice* resultsNote_ = nullptr;
  Announcer* announcer_ = nullptr;
  bool resultsStale_ = false;  // the list changed since the results shown
  QString notNumbersNote_;     // the entries they counted that are not numbers
  NumberListMenu* listMenu_ = nullptr;
  ResultsListMenu* resultsMenu_ = nullptr;
  DistributionLink* distribution_ = nullptr;
  MainMenu* mainMenu_ = nullptr;
  QAction* pasteItem_ = nullptr;  // in the context menu, enabled as it opens
  results::ResultListModel* results_ = nullptr;
  QTimer* lostFocusTimer_ = nullptr;
  std::string stateFolder_;
  RestoreOffer* offer_ = nullptr;
  std::unique_ptr<input::KeptList> kept_;  // while offered

  bool buttonDown_ = false;
  QPersistentModelIndex movedEntry_;
  std::function<QPoint()> screenPointer_;
  QPoint pointerInWindow_;  // at the last move over the number list

  std::function<void(const TableChoice&)> tableChoiceHook_;
  std::function<void()> endProgram_;
  bool ended_ = false;
  int commandDepth_ = 0;
};

}  // namespace tallowmere::app
