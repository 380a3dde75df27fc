#pragma once
// A spreadsheet application that only records: every automation operation the
// program makes, in order, as one line of text, for example
//   "Workbooks", "add", "ActiveSheet", "cells(1,1)", "= Result(s)",
//   "Value = abc", "Columns(1)", "Columns()", "Autofit", "Visible = true".
// Installed as the application that CreateObject makes; creations are
// counted, and the test decides which creations fail.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

#include "platform/Spreadsheet.h"

namespace spreadsheettest {

class Recorder {
 public:
  QStringList operations;
  int creations = 0;
  // Creation number n (from 1) fails when this answers true.
  std::function<bool(int creation)> creationFails = [](int) { return false; };
  // Runs when Visible is set (the test looks at the window then).
  std::function<void()> onVisible;
};

class RecordingSpreadsheet final : public automation::SpreadsheetBackend {
 public:
  explicit RecordingSpreadsheet(Recorder& recorder) : r_(recorder) {}

  void Workbooks() override { Log(QStringLiteral("Workbooks")); }
  automation::WorkbookRef AddWorkbook() override {
    Log(QStringLiteral("add"));
    return {++books_};
  }
  automation::SheetRef ActiveSheet(automation::WorkbookRef workbook) override {
    Log(QStringLiteral("ActiveSheet"));
    return {workbook.workbook, 1};
  }
  automation::RangeRef Cells(automation::SheetRef sheet, long row, long column) override {
    Log(QStringLiteral("cells(%1,%2)").arg(row).arg(column));
    return {automation::RangeRef::Kind::Cell, sheet, row, column};
  }
  automation::RangeRef Columns(automation::SheetRef sheet, long column) override {
    Log(QStringLiteral("Columns(%1)").arg(column));
    return {automation::RangeRef::Kind::Column, sheet, 0, column};
  }
  automation::RangeRef AllColumns(automation::SheetRef sheet) override {
    Log(QStringLiteral("Columns()"));
    return {automation::RangeRef::Kind::AllColumns, sheet, 0, 0};
  }
  void AssignDefault(const automation::RangeRef&, const QString& text) override { Log(QStringLiteral("= ") + text); }
  void AssignValue(const automation::RangeRef&, const QString& text) override {
    Log(QStringLiteral("Value = ") + text);
  }
  void Autofit(const automation::RangeRef&) override { Log(QStringLiteral("Autofit")); }
  void SetVisible(bool visible) override {
    Log(visible ? QStringLiteral("Visible = true") : QStringLiteral("Visible = false"));
    if (r_.onVisible) r_.onVisible();
  }

 private:
  void Log(const QString& operation) { r_.operations << operation; }
  Recorder& r_;
  int books_ = 0;
};

// Installs the recorder's application for the lifetime of this object.
class InstalledRecorder {
 public:
  InstalledRecorder() {
    automation::SetSpreadsheetFactory([this]() -> std::shared_ptr<automation::SpreadsheetBackend> {
      ++recorder.creations;
      recorder.operations << QStringLiteral("create");
      if (recorder.creationFails(recorder.creations)) throw std::runtime_error("Cannot create object");
      return std::make_shared<RecordingSpreadsheet>(recorder);
    });
  }
  ~InstalledRecorder() { automation::SetSpreadsheetFactory({}); }
  InstalledRecorder(const InstalledRecorder&) = delete;
  InstalledRecorder& operator=(const InstalledRecorder&) = delete;

  Recorder recorder;
};

}  // namespace spreadsheettest
