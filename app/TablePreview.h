#pragma once
// What the table dialog shows of a file before it is read: the file's first
// block only (a table of a gigabyte previews as fast as one of a kilobyte),
// decoded as a list file is, split by the delimiter the user has chosen, and
// the rows of it a model for the preview's view. Also the choice of the
// dialog, and whether one file dropped or loaded is a table at all.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/SheetProblem.h"
#include "input/Spreadsheet.h"
#include "input/TableLayout.h"
#include "input/TableStart.h"
#include "input/TextForm.h"
#include "numtext/Separators.h"

namespace tallowmere::app {

// What the user chose in the table dialog.
struct TableChoice {
  std::string path;  // as the file system names it
  input::TableLayout layout;
  std::vector<std::size_t> columns;  // from 0, in the order of the table
  std::vector<std::string> names;    // each column's name, as the dialog showed it
  std::optional<std::size_t> group;  // the column that splits the rows ("Split by")
  std::optional<std::size_t> sheet;  // a workbook's sheet, from 0; none for delimited text
  // The form delimited text is read in; none: as a list file's (its mark or
  // its first bytes).
  std::optional<input::TextForm> encoding;
  // A table held rather than a file (a paste), in UTF-8: read instead of
  // `path`, which is then empty. Shared, since a choice is copied.
  std::shared_ptr<const std::string> text;
};

using input::HeldTextStart;
using input::ReadTableStart;
using input::TableStart;

// The rows of the text, decoded (a mark, UTF-16, UTF-32, or in the form
// `form` forces), split at `delimiter` (none: each line one cell), at most
// `most` of them; a row the block cut short is left out.
std::vector<input::SampleRow> PreviewRows(const TableStart& start, std::optional<char> delimiter,
                                          std::optional<input::TextForm> form = std::nullopt, std::size_t most = 50);

// How many columns the rows have: one more than the last column met.
std::size_t ColumnCount(const std::vector<input::SampleRow>& rows);

// The columns' names: the header cells, with "Column %1" for a column whose
// header cell is empty and for every column without a header.
QStringList ColumnNames(const std::vector<input::SampleRow>& rows, bool header);

// The separators a table's numbers are tested with: the user's own, or the
// decimal point or comma chosen instead (the user's digits and minus kept).
numtext::Separators ConventionSeparators(input::DecimalConvention decimal, const numtext::Separators& user);

// A workbook by its first bytes (an OpenDocument spreadsheet, an Office Open
// XML workbook, an old or protected one, or a zip that may be one), which
// the spreadsheet readers open rather than the delimited text's.
bool IsWorkbook(const TableStart& start);

// The first rows of a workbook's sheet, at most `most` of them.
std::vector<input::SampleRow> SheetRows(const input::Spreadsheet& book, std::size_t sheet, std::size_t most = 50);

// Why a workbook, or its sheet, could not be read, for the user: "lab.xls is
// an Excel 97-2003 workbook: save it as .xlsx or .ods to open it."
QString SheetProblemText(const input::SheetProblem& problem, const QString& fileName);

// A file of more than one column by its first lines, which the window opens
// in the table dialog rather than reading it as a list file. A file most of
// whose lines read whole as numbers stays a list file ("61,5" in a German
// list is one number, not two cells).
bool LooksLikeTable(const TableStart& start, const numtext::Separators& user);

// The preview's rows, read-only; with a header its cells are the columns'
// titles rather than a row.
class TablePreviewModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetRows(std::vector<input::SampleRow> rows, bool header);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<std::vector<QString>> cells_;  // by row, then column
  QStringList names_;
  std::size_t columns_ = 0;
};

}  // namespace tallowmere::app
