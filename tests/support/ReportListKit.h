#pragma once
// Report-style lists for the export tests: column headers, rows of cell texts
// and a ticked state, which a test may change while an export reads them
// (between two window events).
#include <QString>
#include <memory>
#include <vector>

#include "results/ReportList.h"

namespace reportlist {

struct Row {
  std::vector<QString> cells;
  bool ticked = false;
};

struct Table final : tallowmere::results::ReportList {
  std::vector<QString> headers;
  std::vector<Row> rows;

  int ReportColumns() const override { return static_cast<int>(headers.size()); }
  int ReportRows() const override { return static_cast<int>(rows.size()); }
  QString ReportHeader(int column) const override { return headers.at(static_cast<std::size_t>(column)); }
  QString ReportCell(int row, int column) const override {
    const std::vector<QString>& cells = rows.at(static_cast<std::size_t>(row)).cells;
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : QString();
  }
  bool ReportTicked(int row) const override { return rows.at(static_cast<std::size_t>(row)).ticked; }
};

inline std::unique_ptr<Table> Make(const std::vector<QString>& headers, const std::vector<Row>& rows) {
  auto table = std::make_unique<Table>();
  table->headers = headers;
  table->rows = rows;
  return table;
}

// A text of `n` characters.
inline QString Text(int n, char fill = 'x') { return QString(n, QLatin1Char(fill)); }

inline QString Spaces(int n) { return QString(n, QLatin1Char(' ')); }

}  // namespace reportlist
