#pragma once
// Delimited text (CSV, TSV) read into a table's columns (input/TableColumns)
// with a helper thread. Of each piece of text, the whole records are cut at
// line ends into parts; each part is split and its cells put to the number
// test on whichever thread is free, and the parts are taken into the columns
// in text order (core::RunInOrder). A line end may belong to a quoted field:
// a part that ends inside quotes is not taken, nor any after it, and the one
// splitter on this thread reads the piece from there on, as it reads the
// header and the records that straddle two pieces, and as
// input/DelimitedFile's reader takes every cell. The columns, their groups,
// the other-convention tally and the lines named in messages come out as
// that reader gives them. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/TwoThreads.h"
#include "input/DelimitedCells.h"
#include "input/ListText.h"
#include "input/TableColumns.h"

namespace tallowmere::input {

// The whole records of a piece are cut into parts of about this size: small
// enough that both threads get several of each piece, large enough that
// handing one out costs little beside splitting it.
inline constexpr std::size_t kTablePartBytes = std::size_t{1} << 16;

class TwoThreadTableReader final : public TextPieceReader {
 public:
  // `columns` is held by reference and must outlive the reader; its table
  // has begun (TableColumns::BeginTable).
  TwoThreadTableReader(char delimiter, TableColumns& columns, std::size_t partBytes = kTablePartBytes);
  ~TwoThreadTableReader() override;
  TwoThreadTableReader(const TwoThreadTableReader&) = delete;
  TwoThreadTableReader& operator=(const TwoThreadTableReader&) = delete;

  void Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile = nullptr) override;
  void Finish() override;
  // As DelimitedCells::UnclosedQuoteLine, once Finish has been called.
  std::uint64_t UnclosedQuoteLine() const { return plain_.UnclosedQuoteLine(); }
  // The list to read a file with (input::LoadFileText): it keeps nothing,
  // and tells the reader the file's size, from which, once the first rows
  // show how long a row is, every block gets its room at once.
  EntrySink& FileList() { return fileList_; }

  // How many bytes of the text were read in parts (the rest by the one
  // splitter), for the tests and the benchmarks to see which way it went.
  std::uint64_t SharedBytes() const { return sharedBytes_; }

  // What the parts of a stretch need of the columns, fixed while it is read.
  struct Plan;
  // What one part keeps until it is taken.
  struct Part;

 private:
  // [begin, end) begins a record, outside quotes, and ends just after a LF.
  // Every cell told before is kept in its block.
  void ShareRows(const char* begin, const char* end, const std::function<void()>& meanwhile);
  // `firstLine` is the line the part begins on.
  void TakePart(const Plan& plan, const char* begin, const Part& part, std::uint64_t firstLine);

  class SizeOnly final : public EntrySink {
   public:
    explicit SizeOnly(std::size_t& bytes) : bytes_(bytes) {}
    void Append(std::string_view) override {}
    void ExpectBytes(std::size_t bytes) override { bytes_ = bytes; }

   private:
    std::size_t& bytes_;
  };
  void MakeRoom(std::size_t bytesRead);

  char delimiter_;
  TableColumns& columns_;
  std::size_t partBytes_;
  DelimitedCells plain_;
  // Started with the first stretch shared; kept, with the parts' room, for
  // the stretches after it.
  std::unique_ptr<core::TwoThreads> threads_;
  std::vector<Part> parts_;
  std::uint64_t sharedBytes_ = 0;
  std::size_t fileBytes_ = 0;  // the file's size, when told
  std::size_t fedBytes_ = 0;
  bool roomMade_ = false;
  SizeOnly fileList_{fileBytes_};
};

}  // namespace tallowmere::input
