#include "app/TablePreview.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>

#include "input/DelimitedCells.h"
#include "input/ListCandidates.h"
#include "input/ListText.h"
#include "input/SpreadsheetKind.h"
#include "input/TextEncoding.h"
#include "numtext/NumberText.h"

namespace tallowmere::app {

namespace {

// The text of a file decoded, whole.
class Decoded final : public input::TextPieceReader {
 public:
  std::string text;
  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) override {
    text.append(data, size);
    if (meanwhile) meanwhile();
  }
  void Finish() override {}
};

std::string DecodedText(const TableStart& start, std::optional<input::TextForm> form = std::nullopt) {
  Decoded decoded;
  input::ListFileReader file(decoded, form);
  file.Feed(start.bytes.data(), start.bytes.size());
  file.Finish();
  return std::move(decoded.text);
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Tr(const char* text) { return QCoreApplication::translate("TableDialog", text); }

// What the preview shows of a cell: its text, or a stored number the file
// shows none for.
QString Shown(const input::SampleCell& cell) {
  if (cell.kind == input::CellKind::kNumber && cell.text.empty())
    return QString::fromStdString(numtext::RoundTripText(cell.number, {.decimal = ".", .group = ""}));
  return Utf8(cell.text);
}

}  // namespace

std::vector<input::SampleRow> PreviewRows(const TableStart& start, std::optional<char> delimiter,
                                          std::optional<input::TextForm> form, std::size_t most) {
  const std::string text = DecodedText(start, form);
  input::SampleRows rows(most);
  // One column is split as TSV: a stray tab then splits only its own line.
  input::DelimitedCells cells(delimiter.value_or('\t'), rows);
  cells.Feed(text.data(), text.size());
  if (start.whole && !rows.Stopped())
    cells.Finish();
  else
    rows.DropUnended();
  return rows.Rows();
}

std::size_t ColumnCount(const std::vector<input::SampleRow>& rows) {
  std::size_t count = 0;
  for (const input::SampleRow& row : rows)
    for (const input::SampleCell& cell : row.cells) count = std::max(count, cell.column + 1);
  return count;
}

QStringList ColumnNames(const std::vector<input::SampleRow>& rows, bool header) {
  QStringList names;
  const std::size_t count = ColumnCount(rows);
  for (std::size_t c = 0; c < count; ++c) names << QCoreApplication::translate("TableDialog", "Column %1").arg(c + 1);
  if (!header || rows.empty()) return names;
  for (const input::SampleCell& cell : rows.front().cells)
    if (const QString shown = Shown(cell); !shown.isEmpty()) names[static_cast<qsizetype>(cell.column)] = shown;
  return names;
}

numtext::Separators ConventionSeparators(input::DecimalConvention decimal, const numtext::Separators& user) {
  numtext::Separators sep = user;
  if (decimal == input::DecimalConvention::kPoint) {
    sep.decimal = ".";
    sep.group = ",";
  } else if (decimal == input::DecimalConvention::kComma) {
    sep.decimal = ",";
    sep.group = ".";
  }
  return sep;
}

bool IsWorkbook(const TableStart& start) {
  return input::SpreadsheetKindOfBytes(start.bytes) != input::SpreadsheetKind::kNotSpreadsheet;
}

std::vector<input::SampleRow> SheetRows(const input::Spreadsheet& book, std::size_t sheet, std::size_t most) {
  input::SampleRows rows(most);
  // A sheet that fails part-way shows the rows before; reading it after
  // "Open" tells why.
  book.ReadSheet(sheet, rows);
  rows.DropUnended();
  return rows.Rows();
}

QString SheetProblemText(const input::SheetProblem& problem, const QString& fileName) {
  const QString detail = QString::fromStdString(problem.detail);
  switch (problem.failure) {
    case input::SheetFailure::kNone:
      break;
    case input::SheetFailure::kCannotOpen:
      return Tr(QT_TRANSLATE_NOOP("TableDialog", "%1 could not be read: %2.")).arg(fileName, detail);
    case input::SheetFailure::kNotSpreadsheet:
      return Tr(QT_TRANSLATE_NOOP("TableDialog", "%1 is neither a spreadsheet nor a table of delimited text."))
          .arg(fileName);
    case input::SheetFailure::kDamaged:
    case input::SheetFailure::kMissingPart:
    case input::SheetFailure::kMalformedXml:
      return Tr(QT_TRANSLATE_NOOP("TableDialog", "%1 is damaged and could not be read (%2).")).arg(fileName, detail);
    case input::SheetFailure::kEncrypted:
      return Tr(QT_TRANSLATE_NOOP("TableDialog", "%1 is protected by a password: save it without one to open it."))
          .arg(fileName);
    case input::SheetFailure::kLegacyXls:
      return Tr(QT_TRANSLATE_NOOP("TableDialog",
                                  "%1 is an Excel 97-2003 workbook: save it as .xlsx or .ods to open it."))
          .arg(fileName);
    case input::SheetFailure::kNoSuchSheet:
      return Tr(QT_TRANSLATE_NOOP("TableDialog", "%1 has no sheet %2.")).arg(fileName, detail);
  }
  return {};
}

bool LooksLikeTable(const TableStart& start, const numtext::Separators& user) {
  const std::string text = DecodedText(start);
  if (!input::GuessDelimiter(text, start.whole)) return false;
  const std::vector<input::SampleRow> lines = PreviewRows(start, std::nullopt);
  const auto numbers = std::count_if(lines.begin(), lines.end(), [&](const input::SampleRow& line) {
    return line.cells.size() == 1 &&
           input::PassesListTest(line.cells.front().text, user) != numtext::ListLine::kNotNumber;
  });
  return static_cast<std::size_t>(numbers) * 2 <= lines.size();
}

void TablePreviewModel::SetRows(std::vector<input::SampleRow> rows, bool header) {
  beginResetModel();
  columns_ = ColumnCount(rows);
  names_ = ColumnNames(rows, header);
  cells_.clear();
  for (std::size_t r = header && !rows.empty() ? 1 : 0; r < rows.size(); ++r) {
    std::vector<QString> row(columns_);
    for (const input::SampleCell& cell : rows[r].cells) row[cell.column] = Shown(cell);
    cells_.push_back(std::move(row));
  }
  endResetModel();
}

int TablePreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int TablePreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_);
}

QVariant TablePreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
  return cells_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QVariant TablePreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section < names_.size() ? QVariant(names_[section]) : QVariant();
}

}  // namespace tallowmere::app
