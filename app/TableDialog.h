#pragma once
// "Open Table": the first rows of a table file, the layout guessed from them
// (delimiter, header, decimal convention), each changeable with the preview
// following at once, and the columns to read: one or more ticked, and
// optionally one whose cells split the rows ("Split by"). Only the file's
// first block is read here; the table itself is read after "Open". A sheet
// chooser stands ready for workbooks, disabled for delimited text; the
// text's encoding, told from its first block and changeable, is disabled
// for workbooks.
#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "app/TablePreview.h"
#include "numtext/Separators.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QStandardItemModel;
class QPushButton;
class QTableView;

namespace tallowmere::app {

class TableDialog final : public QDialog {
  Q_OBJECT

 public:
  // `start`: the file's first block (ReadTableStart); `user`: the user's
  // separators, which the guesses test numbers with.
  TableDialog(const QString& path, TableStart start, numtext::Separators user, QWidget* parent = nullptr);
  // A table held rather than a file (a paste), in UTF-8, which the encoding
  // shows unchangeable: `name` is shown where a file's name would be; the
  // choice holds the text.
  TableDialog(const QString& name, std::shared_ptr<const std::string> text, numtext::Separators user,
              QWidget* parent = nullptr);
  // A workbook, opened: its sheets to choose from, no delimiter.
  TableDialog(const QString& path, std::unique_ptr<input::Spreadsheet> book, numtext::Separators user,
              QWidget* parent = nullptr);

  // What the dialog shows now.
  TableChoice Choice() const;

  // The controls, for keyboard users' tools and tests.
  QComboBox* EncodingBox() const { return encoding_; }
  QComboBox* DelimiterBox() const { return delimiter_; }
  QLineEdit* OtherDelimiter() const { return other_; }
  QCheckBox* HeaderBox() const { return header_; }
  QComboBox* DecimalBox() const { return decimal_; }
  QComboBox* SheetBox() const { return sheet_; }
  QTableView* Preview() const { return preview_; }
  // The columns to read, a list of check boxes named by the columns.
  QTableView* ColumnList() const { return columns_; }
  QStandardItemModel* Columns() const { return columnModel_; }
  QComboBox* SplitBox() const { return split_; }
  QPushButton* OpenButton() const { return open_; }

 private:
  // What both kinds of table share, once the rows can be had.
  void Init();
  // The first rows as the controls say: the sheet's, or the text's split.
  std::vector<input::SampleRow> Rows() const;
  void BuildControls();
  void LayOut();
  void Connect();
  // Shows the guessed layout in the controls.
  void ShowLayout(const input::TableLayout& layout);
  // The guesses made from the rows: the delimiter's controls stay as they are.
  void ShowGuesses(bool header, input::DecimalConvention decimal);
  std::optional<char> ChosenDelimiter() const;
  std::optional<input::TextForm> ChosenEncoding() const;
  void ShowEncoding(input::TextForm form);
  // The encoding changed: the text reads anew, and the whole layout is
  // guessed again from it.
  void EncodingChanged();
  // The delimiter or the sheet changed: the rows are had anew and the
  // header and decimal convention guessed again from them.
  void DelimiterChanged();
  // The rows shown again as the controls say, or the rows given; ticks
  // kept by column.
  void Repreview();
  void Repreview(std::vector<input::SampleRow> rows);
  void RefillColumns();
  void RefreshOpen();

  QString path_;  // the file's, or a held text's name
  TableStart start_;
  std::shared_ptr<const std::string> text_;
  std::unique_ptr<input::Spreadsheet> book_;
  numtext::Separators user_;
  std::vector<input::SampleRow> rows_;
  TablePreviewModel* model_ = nullptr;

  QComboBox* encoding_ = nullptr;
  QComboBox* delimiter_ = nullptr;
  QLineEdit* other_ = nullptr;
  QCheckBox* header_ = nullptr;
  QComboBox* decimal_ = nullptr;
  QComboBox* sheet_ = nullptr;
  QTableView* preview_ = nullptr;
  QTableView* columns_ = nullptr;
  QStandardItemModel* columnModel_ = nullptr;
  QComboBox* split_ = nullptr;
  QPushButton* open_ = nullptr;
};

}  // namespace tallowmere::app
