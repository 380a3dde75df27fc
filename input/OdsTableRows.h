#pragma once
// The rows of an OpenDocument table (table:table in content.xml) read from
// its XML tokens into table cells: what the one reader of content.xml does
// from the chosen table's start on, and what each reader of the part read in
// two pieces does with its own (OdsContentSplit.h). See OdsContent.h for
// what a cell is read as.
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <string>

#include "input/RowCells.h"
#include "input/TableCells.h"
#include "input/XmlPart.h"

namespace tallowmere::input {

inline constexpr QStringView kOfficeNs = u"urn:oasis:names:tc:opendocument:xmlns:office:1.0";
inline constexpr QStringView kTableNs = u"urn:oasis:names:tc:opendocument:xmlns:table:1.0";
inline constexpr QStringView kTextNs = u"urn:oasis:names:tc:opendocument:xmlns:text:1.0";

class OdsTableRows {
 public:
  // `toEnd`: where the sink stops, the table's rest is still read through.
  OdsTableRows(XmlPart& part, CellSink& sink, bool toEnd = false) : part_(part), sink_(sink), toEnd_(toEnd) {}
  OdsTableRows(const OdsTableRows&) = delete;
  OdsTableRows& operator=(const OdsTableRows&) = delete;

  // Reads the table to its end, from just after its start or after the last
  // row read. False at a problem (the part's) or where the part's text ended.
  bool Read();
  // The same where the current token is the start of a row, that row first.
  bool ReadFromRow();
  // The sink stopped the telling, or the rows went past the most there are.
  bool Stopped() const { return stopped_; }
  // The number of the row read next (from 1).
  std::uint64_t Line() const { return line_; }
  std::uint64_t RowsTold() const { return told_; }

 private:
  bool Row();
  bool Cell(std::size_t& column);
  bool TellRow(std::uint64_t repeats);

  XmlPart& part_;
  CellSink& sink_;
  RowCells row_;
  std::string text_;
  std::uint64_t line_ = 1;  // the row next read
  std::uint64_t told_ = 0;
  bool toEnd_;
  bool stopped_ = false;
};

}  // namespace tallowmere::input
