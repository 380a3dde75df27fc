#pragma once
// A report-style list as the exports read it: a header text per column, rows
// of cell texts, and whether each row is ticked. They read it live, since
// window events run between the reads and another command may have emptied
// the list meanwhile: a row or column that is gone fails the way reading past
// the end of a list does (std::out_of_range "Index out of bounds"), instead
// of reading as empty.
#include <QString>

namespace tallowmere::results {

// What a list gives the exports. They ask only for columns and rows it has
// at that moment (the reads below check first).
class ReportList {
 public:
  virtual int ReportColumns() const = 0;
  virtual int ReportRows() const = 0;
  virtual QString ReportHeader(int column) const = 0;
  virtual QString ReportCell(int row, int column) const = 0;
  virtual bool ReportTicked(int row) const = 0;

 protected:
  ~ReportList() = default;
};

QString CellText(const ReportList& list, int row, int column);
bool Ticked(const ReportList& list, int row);
QString HeaderText(const ReportList& list, int column);

}  // namespace tallowmere::results
