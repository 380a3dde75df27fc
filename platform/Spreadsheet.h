#pragma once
// The spreadsheet application, as far as the spreadsheet export needs one:
// start it, make a new workbook, put texts into cells, fit the columns to
// their texts, and show the workbook to the user, who saves it from there.
//
// The real application is LibreOffice Calc (platform/CalcSpreadsheet.h);
// tests hand a factory of their own down in the export's host struct.
//
// Failures are thrown as std::runtime_error.
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

namespace tallowmere::platform {

// A workbook of one sheet. Rows and columns count from 1. Every text goes in
// as text, whatever it looks like; an empty text leaves the cell empty.
class Workbook {
 public:
  virtual ~Workbook() = default;
  virtual void SetCellText(long row, long column, const QString& text) = 0;
  // Widens or narrows the column to its longest text.
  virtual void FitColumn(long column) = 0;
  virtual void FitAllColumns() = 0;
};

// One running spreadsheet application.
class Application {
 public:
  virtual ~Application() = default;
  virtual std::shared_ptr<Workbook> NewWorkbook() = 0;
  // Puts the workbooks made so far in front of the user. From then on they
  // belong to the user.
  virtual void Show() = 0;
};

// Where Start gets its application: one, or a throw when none can be started.
using Factory = std::function<std::shared_ptr<Application>()>;

// Starts the application `factory` makes, or the real one (LibreOffice Calc)
// when it is empty. Throws when none can be started; never answers an empty
// one.
std::shared_ptr<Application> Start(const Factory& factory = {});

// An application or workbook as the export keeps it between its steps: empty
// when obtaining it failed, and then every use of it fails as well, so each
// later step that needs it reports a failure of its own.
template <class T>
class Ref {
 public:
  Ref() = default;
  // Not explicit: it takes what Start and NewWorkbook answer as it is.
  Ref(std::shared_ptr<T> object) : object_(std::move(object)) {}

  // A call through -> checks the object before the call's arguments are
  // worked out, so a missing workbook is what a step reports even when the
  // text it was to receive could not be read either.
  T* operator->() const {
    if (!object_) throw std::runtime_error("The spreadsheet or its workbook could not be obtained");
    return object_.get();
  }

 private:
  std::shared_ptr<T> object_;
};

}  // namespace tallowmere::platform
