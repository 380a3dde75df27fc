#include "app/CompareWorkbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "platform/WholeFile.h"

#if TALLOWMERE_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

namespace tallowmere::app {

#if TALLOWMERE_HAVE_XLSXWRITER

namespace {

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const results::CompareTable& table,
                    std::size_t key, std::size_t list) {
  const results::ResultRow* cell = table.Cell(key, list);
  if (!cell) return LXW_NO_ERROR;
  if (cell->value.kind == results::ResultValue::Kind::kNumber)
    return worksheet_write_number(sheet, row, column, cell->value.number, nullptr);
  return worksheet_write_string(sheet, row, column, table.PlainCell(key, list).c_str(), nullptr);
}

lxw_error WriteSheet(lxw_worksheet* sheet, const results::CompareTable& table, const std::string& corner,
                     const std::vector<std::string>& labels) {
  lxw_error failure = worksheet_write_string(sheet, 0, 0, corner.c_str(), nullptr);
  for (std::size_t list = 0; list < table.Columns().size() && failure == LXW_NO_ERROR; ++list)
    failure = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(list + 1), table.Columns()[list].heading.c_str(),
                                     nullptr);
  for (std::size_t key = 0; key < table.Keys().size() && failure == LXW_NO_ERROR; ++key) {
    const auto row = static_cast<lxw_row_t>(key + 1);
    const std::string label = key < labels.size() ? labels[key] : std::string(table.Keys()[key]);
    failure = worksheet_write_string(sheet, row, 0, label.c_str(), nullptr);
    for (std::size_t list = 0; list < table.Columns().size() && failure == LXW_NO_ERROR; ++list)
      failure = WriteCell(sheet, row, static_cast<lxw_col_t>(list + 1), table, key, list);
  }
  // The labels' column as wide as its longest label; the others as their
  // headings or numbers need.
  if (failure == LXW_NO_ERROR) failure = worksheet_set_column(sheet, 0, 0, 34, nullptr);
  if (failure == LXW_NO_ERROR)
    failure = worksheet_set_column(sheet, 1, static_cast<lxw_col_t>(table.Columns().size()), 16, nullptr);
  return failure;
}

}  // namespace

bool CanWriteCompareWorkbook() { return true; }

QString WriteCompareWorkbook(const QString& path, const results::CompareTable& table, const std::string& corner,
                             const std::vector<std::string>& labels) {
  // The library writes only to a file of its own: the workbook is made
  // there first and then written whole where it belongs, as every other
  // file of the program is.
  QTemporaryFile part(QDir::tempPath() + QStringLiteral("/tallowmere-XXXXXX.xlsx"));
  if (!part.open()) return part.errorString();
  const QByteArray partPath = QFile::encodeName(part.fileName());
  lxw_workbook* workbook = workbook_new(partPath.constData());
  if (!workbook) return QCoreApplication::translate("CompareWorkbook", "the workbook could not be made");
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  lxw_error failure = sheet ? WriteSheet(sheet, table, corner, labels) : LXW_ERROR_MEMORY_MALLOC_FAILED;
  // Closing writes the file and frees the workbook, also after a failure.
  const lxw_error closed = workbook_close(workbook);
  if (failure == LXW_NO_ERROR) failure = closed;
  if (failure != LXW_NO_ERROR) return QString::fromUtf8(lxw_strerror(failure));
  QFile made(part.fileName());
  if (!made.open(QIODevice::ReadOnly)) return made.errorString();
  const QByteArray bytes = made.readAll();
  platform::WholeFileWriter file(path);
  if (file.Open() && file.Write(bytes) && file.Commit()) return QString();
  return file.Reason();
}

#else

bool CanWriteCompareWorkbook() { return false; }

QString WriteCompareWorkbook(const QString&, const results::CompareTable&, const std::string&,
                             const std::vector<std::string>&) {
  return QCoreApplication::translate("CompareWorkbook", "this build cannot write workbook files");
}

#endif

}  // namespace tallowmere::app
