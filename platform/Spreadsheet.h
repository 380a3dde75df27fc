#pragma once
// Spreadsheet automation: the handful of objects and operations of a
// spreadsheet application's automation model that the program uses, named as
// the automation names them:
//
//   Application app = CreateObject("Excel.Application");
//   Workbook book = app.Workbooks().add();
//   book.ActiveSheet().cells(1, 1) = header;          // the cell's default member
//   book.ActiveSheet().cells(2, 1).SetValue(text);    // the cell's Value
//   book.ActiveSheet().Columns(1).Autofit();
//   book.ActiveSheet().Columns().Autofit();
//   app.SetVisible(true);                             // Visible = True
//
// Every operation is one call into a SpreadsheetBackend, which does the work.
// The real backend is LibreOffice Calc (platform/CalcSpreadsheet.h); tests put
// a recording backend in its place with SetSpreadsheetFactory.
//
// Failures are thrown as std::runtime_error, like a failing automation call.
// An operation on an object that was never obtained (a handle left empty
// because its creation failed) fails too.
#include <QString>
#include <functional>
#include <memory>

inline constexpr const char* kSpreadsheetProgId = "Excel.Application";

namespace automation {

// The backend's names for the objects it hands out.
struct WorkbookRef {
  int workbook = 0;
};
struct SheetRef {
  int workbook = 0;
  int sheet = 0;
};
struct RangeRef {
  enum class Kind { Cell, Column, AllColumns };
  Kind kind = Kind::Cell;
  SheetRef sheet;
  long row = 0;     // Cell only
  long column = 0;  // Cell and Column
};

// One running spreadsheet application. Row and column numbers count from 1.
class SpreadsheetBackend {
 public:
  virtual ~SpreadsheetBackend() = default;
  virtual void Workbooks() = 0;           // the application's Workbooks collection is asked for
  virtual WorkbookRef AddWorkbook() = 0;  // Workbooks.add with no arguments
  virtual SheetRef ActiveSheet(WorkbookRef workbook) = 0;
  virtual RangeRef Cells(SheetRef sheet, long row, long column) = 0;
  virtual RangeRef Columns(SheetRef sheet, long column) = 0;
  virtual RangeRef AllColumns(SheetRef sheet) = 0;
  virtual void AssignDefault(const RangeRef& range, const QString& text) = 0;  // range = text
  virtual void AssignValue(const RangeRef& range, const QString& text) = 0;    // range.Value = text
  virtual void Autofit(const RangeRef& range) = 0;
  virtual void SetVisible(bool visible) = 0;
};

class Range {
 public:
  Range() = default;
  Range(std::shared_ptr<SpreadsheetBackend> app, RangeRef ref) : app_(std::move(app)), ref_(ref) {}
  Range(const Range&) = default;
  Range& operator=(const Range&) = default;

  // Assigning a text to the range itself sets its default member.
  Range& operator=(const QString& text);
  void SetValue(const QString& text);
  void Autofit();

 private:
  std::shared_ptr<SpreadsheetBackend> app_;
  RangeRef ref_;
};

class Worksheet {
 public:
  Worksheet() = default;
  Worksheet(std::shared_ptr<SpreadsheetBackend> app, SheetRef ref) : app_(std::move(app)), ref_(ref) {}
  Range cells(long row, long column);
  Range Columns(long column);
  Range Columns();

 private:
  std::shared_ptr<SpreadsheetBackend> app_;
  SheetRef ref_;
};

class Workbook {
 public:
  Workbook() = default;
  Workbook(std::shared_ptr<SpreadsheetBackend> app, WorkbookRef ref) : app_(std::move(app)), ref_(ref) {}
  // Asked for again on every use, as the automation model hands it out.
  Worksheet ActiveSheet();

 private:
  std::shared_ptr<SpreadsheetBackend> app_;
  WorkbookRef ref_;
};

class WorkbookCollection {
 public:
  WorkbookCollection() = default;
  explicit WorkbookCollection(std::shared_ptr<SpreadsheetBackend> app) : app_(std::move(app)) {}
  Workbook add();

 private:
  std::shared_ptr<SpreadsheetBackend> app_;
};

class Application {
 public:
  Application() = default;
  explicit Application(std::shared_ptr<SpreadsheetBackend> app) : app_(std::move(app)) {}
  explicit operator bool() const { return app_ != nullptr; }
  WorkbookCollection Workbooks();
  void SetVisible(bool visible);

 private:
  std::shared_ptr<SpreadsheetBackend> app_;
};

// Creates the application named `progId`. Only "Excel.Application" is known;
// it fails when no spreadsheet application can be started on this computer.
// Never answers an empty application.
Application CreateObject(const QString& progId);

// Where CreateObject gets its application: a backend, or a throw when none
// can be started. An empty factory restores the real one (LibreOffice Calc).
using SpreadsheetFactory = std::function<std::shared_ptr<SpreadsheetBackend>()>;
void SetSpreadsheetFactory(SpreadsheetFactory factory);

}  // namespace automation
