#pragma once
// The compare window: several lists (the chosen columns of a table, or the
// groups of a column's rows) side by side, a column per list and a row per
// statistic, with their box plots on one axis below. Every list is analysed
// as the main window analyses its own, with the main window's method and
// decimals, and again whenever they change. A separate, resizable window
// that does not block the main one.
#include <QString>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/ComparePicture.h"
#include "input/TableColumns.h"
#include "numtext/Separators.h"
#include "results/CompareTable.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tallowmere::platform {
class Dialogs;
}

namespace tallowmere::app {

class CompareModel;
class Form1;

inline constexpr const char* kCompareTitle = QT_TRANSLATE_NOOP("CompareWindow", "Compare — Tallowmere");
inline constexpr const char* kSendToListStep = QT_TRANSLATE_NOOP("ListHistory", "Send to Number List");
inline constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("CompareWindow", "CSV file (*.csv)");
inline constexpr const char* kXlsxFilter = QT_TRANSLATE_NOOP("CompareWindow", "Excel workbook (*.xlsx)");
inline constexpr const char* kListBusyMessage = QT_TRANSLATE_NOOP(
    "CompareWindow", "The number list is busy. Send the numbers again when the work in hand has finished.");

// What the window works with; all of it must outlive the window.
struct CompareHost {
  platform::Dialogs& dialogs;
  numtext::Separators separators;
  // The main window's method and decimals as they stand now.
  std::function<results::CompareOptions()> options;
  // Appends texts to the number list as one step undo takes back; false,
  // and nothing appended, while the list is busy.
  std::function<bool(const std::vector<std::string>& texts)> sendToList;
};

// The table of statistics, as wide as its cells: before it is first shown
// its row titles have no width yet, so the width they will take is asked of
// their header.
class CompareTableView final : public QTableView {
 public:
  using QTableView::QTableView;

 protected:
  QSize viewportSizeHint() const override;
};

// The box plots on screen; it takes the focus so that keyboard users reach it
// and hear its description.
class ComparePictureView final : public QWidget {
 public:
  explicit ComparePictureView(QWidget* parent);
  void SetFigures(const std::vector<CompareFigure>* figures, numtext::Separators separators, CompareView view);
  CompareView View() const { return view_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const std::vector<CompareFigure>* figures_ = nullptr;
  numtext::Separators separators_;
  CompareView view_ = CompareView::kBoxPlots;
};

class CompareWindow final : public QWidget {
  Q_OBJECT

 public:
  CompareWindow(CompareHost host, std::vector<results::CompareColumn> columns, QWidget* parent = nullptr);
  ~CompareWindow() override;

  // The main window's method or decimals may have changed: the lists are
  // analysed again when they did.
  void OptionsChanged();

  // "Copy as Table", "Save Table…" (CSV, or a workbook where the build can
  // write one), "Send to Number List" (the list chosen in the box beside
  // it), "Copy Picture" and "Save Picture…".
  void CopyAsTable();
  void SaveTable();
  void SendToList();
  void CopyPicture();
  void SavePicture();
  // What "Copy as Table" puts on the clipboard.
  QString TableText() const;
  QImage PictureImage() const;

  const CompareModel& Model() const { return *model_; }
  const std::vector<CompareFigure>& Figures() const { return figures_; }
  QTableView* Table() const { return table_; }
  QComboBox* ListChoice() const { return choice_; }
  ComparePictureView* Picture() const { return view_; }
  // "Histograms": each list's histogram with its box plot instead of the
  // box plots alone.
  QCheckBox* HistogramsBox() const { return histograms_; }
  QPushButton* CopyTableButton() const { return copyTable_; }
  QPushButton* SaveTableButton() const { return saveTable_; }
  QPushButton* SendButton() const { return send_; }
  QPushButton* CopyPictureButton() const { return copyPicture_; }
  QPushButton* SavePictureButton() const { return savePicture_; }

 private:
  void BuildTable();
  void BuildButtons();
  void ConnectKeys();
  void LayOut();
  void Refresh();
  // As large as the controls want, where the screen has room; never smaller.
  void GrowToFit();
  CompareView View() const;
  QString Corner() const;
  // Empty when written, else why not.
  QString WriteCsv(const QString& path) const;

  CompareHost host_;
  CompareModel* model_ = nullptr;
  std::vector<CompareFigure> figures_;
  QTableView* table_ = nullptr;
  ComparePictureView* view_ = nullptr;
  QLabel* choiceLabel_ = nullptr;
  QComboBox* choice_ = nullptr;
  QPushButton* copyTable_ = nullptr;
  QPushButton* saveTable_ = nullptr;
  QPushButton* send_ = nullptr;
  QCheckBox* histograms_ = nullptr;
  QPushButton* copyPicture_ = nullptr;
  QPushButton* savePicture_ = nullptr;
};

// The lists a table reader collected, each column's (or group's) entries as
// the analysis reads them; a column without a header cell is "Column N".
std::vector<results::CompareColumn> CompareColumnsOf(std::vector<input::ColumnEntries> blocks,
                                                     const numtext::Separators& separators);

// Opens a compare window of `blocks` for `form`, where the window system puts
// it: it follows the form's options, sends numbers to its list, and goes when
// the form goes (or when closed). Each call opens a window of its own. The
// blocks' texts are read with `textSeparators` (a table's own convention),
// or with the form's.
CompareWindow* OpenCompareWindow(Form1& form, std::vector<input::ColumnEntries> blocks,
                                 const numtext::Separators* textSeparators = nullptr);

}  // namespace tallowmere::app
