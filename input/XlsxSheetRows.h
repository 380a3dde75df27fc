#pragma once
// The rows of a worksheet's sheetData element read from its XML tokens into
// table cells: what one reader of the part does from the sheetData start on,
// and what each of the readers of a part parsed in two pieces does with its
// own (XlsxSheetSplit.h). See XlsxSheetXml.h for what a cell is read as.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/RowCells.h"
#include "input/TableCells.h"
#include "input/XlsxSharedStrings.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

class XlsxSheetRows {
 public:
  XlsxSheetRows(XmlPart& part, const SharedStrings& strings, const std::vector<bool>& dateStyles, CellSink& sink)
      : part_(part), strings_(strings), dateStyles_(dateStyles), sink_(sink) {}
  XlsxSheetRows(const XlsxSheetRows&) = delete;
  XlsxSheetRows& operator=(const XlsxSheetRows&) = delete;

  // Reads the sheetData's children to its end, from just after its start or
  // after the last row read. False at a problem (the part's) or where the
  // part's text ended.
  bool Read();
  // The same where the current token is the start of a row, that row first.
  bool ReadFromRow();
  // sink.Stopped() ended the reading before a row.
  bool Stopped() const { return stopped_; }
  // The rows told to the sink so far.
  std::uint64_t RowsTold() const { return told_; }

 private:
  struct RawCell {
    std::size_t column = 0;
    std::string type;  // t
    std::uint64_t style = 0;
    std::string value;       // <v>
    std::string inlineText;  // <is>
    bool hasValue = false;
    bool hasInline = false;

    // Empty again, keeping the texts' buffers for the next cell.
    void Reset(std::size_t at);
  };

  bool Row();
  bool Cell(std::size_t& nextColumn);
  bool CellContent();
  bool CollectText(std::string& out);
  void Decide();

  XmlPart& part_;
  const SharedStrings& strings_;
  const std::vector<bool>& dateStyles_;
  CellSink& sink_;
  RowCells row_;
  RawCell cell_;
  std::string reference_;
  std::uint64_t line_ = 0;  // the last row read
  std::uint64_t told_ = 0;
  bool stopped_ = false;
};

}  // namespace tallowmere::input
