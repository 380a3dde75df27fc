#include "platform/Spreadsheet.h"

#include <stdexcept>

#include "platform/CalcSpreadsheet.h"

namespace automation {

namespace {

SpreadsheetBackend& Use(const std::shared_ptr<SpreadsheetBackend>& app) {
  if (!app) throw std::runtime_error("Object variable not set");
  return *app;
}

SpreadsheetFactory& InstalledFactory() {
  static SpreadsheetFactory factory;
  return factory;
}

}  // namespace

Range& Range::operator=(const QString& text) {
  Use(app_).AssignDefault(ref_, text);
  return *this;
}

void Range::SetValue(const QString& text) { Use(app_).AssignValue(ref_, text); }

void Range::Autofit() { Use(app_).Autofit(ref_); }

Range Worksheet::cells(long row, long column) { return Range(app_, Use(app_).Cells(ref_, row, column)); }

Range Worksheet::Columns(long column) { return Range(app_, Use(app_).Columns(ref_, column)); }

Range Worksheet::Columns() { return Range(app_, Use(app_).AllColumns(ref_)); }

Worksheet Workbook::ActiveSheet() { return Worksheet(app_, Use(app_).ActiveSheet(ref_)); }

Workbook WorkbookCollection::add() { return Workbook(app_, Use(app_).AddWorkbook()); }

WorkbookCollection Application::Workbooks() {
  Use(app_).Workbooks();
  return WorkbookCollection(app_);
}

void Application::SetVisible(bool visible) { Use(app_).SetVisible(visible); }

Application CreateObject(const QString& progId) {
  if (progId.compare(QLatin1String(kSpreadsheetProgId), Qt::CaseInsensitive) != 0)
    throw std::runtime_error("Cannot create object: no application is known as \"" + progId.toStdString() + "\"");
  const SpreadsheetFactory& factory = InstalledFactory();
  std::shared_ptr<SpreadsheetBackend> app = factory ? factory() : CreateCalcApplication();
  if (!app) throw std::runtime_error("Cannot create object: no spreadsheet application");
  return Application(std::move(app));
}

void SetSpreadsheetFactory(SpreadsheetFactory factory) { InstalledFactory() = std::move(factory); }

}  // namespace automation
