#pragma once
// What the spreadsheet readers' tests share: a sink that writes down every
// row and cell as a line of text, zip archives written entry by entry, and a
// scratch folder.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zip.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "input/TableCells.h"

namespace sheettest {

using Rows = std::vector<std::string>;

// The shortest text that reads back to the same double: two cells give the
// same text exactly when they hold the same double.
inline std::string Shortest(double v) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, end) : std::string("?");
}

inline std::string ColumnName(std::size_t column) {
  std::string name;
  for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26) name.insert(name.begin(), char('A' + (n - 1) % 26));
  return name;
}

// Each row as "7: A=n 1.5 | B=t \"x\" | C=o \"TRUE\"": the row's line, then
// each cell's column, kind (n number, t text, o other) and value.
class RecordingCells final : public tallowmere::input::CellSink {
 public:
  Rows rows;
  std::size_t stopAfter = SIZE_MAX;  // Stopped() once this many rows were told
  std::string misuse;                // a call out of order, described
  bool otherText = true;             // write down the text shown for a date, time, boolean or error

  void BeginRow(std::uint64_t line) override {
    if (open_) misuse += "row begun inside a row; ";
    open_ = true;
    lastColumn_ = SIZE_MAX;
    rows.push_back(std::to_string(line) + ":");
  }
  void Cell(const tallowmere::input::TableCell& cell) override {
    if (!open_) misuse += "cell outside a row; ";
    if (lastColumn_ != SIZE_MAX && cell.column <= lastColumn_) misuse += "columns not increasing; ";
    lastColumn_ = cell.column;
    std::string& row = rows.back();
    row += row.back() == ':' ? " " : " | ";
    row += ColumnName(cell.column) + "=";
    switch (cell.kind) {
      case tallowmere::input::CellKind::kNumber:
        row += "n " + Shortest(cell.number);
        break;
      case tallowmere::input::CellKind::kText:
        row += "t \"" + std::string(cell.text) + "\"";
        break;
      case tallowmere::input::CellKind::kOther:
        row += otherText ? "o \"" + std::string(cell.text) + "\"" : std::string("o");
        break;
    }
  }
  void EndRow() override {
    if (!open_) misuse += "row ended twice; ";
    open_ = false;
  }
  bool Stopped() const override { return rows.size() >= stopAfter; }

 private:
  bool open_ = false;
  std::size_t lastColumn_ = SIZE_MAX;
};

inline std::string Describe(const Rows& rows) {
  std::string out;
  for (const std::string& row : rows) out += "\n  " + row;
  return out.empty() ? "\n  (no rows)" : out;
}

// A folder of its own under the temporary folder, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tallowmere-sheets-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct Entry {
  std::string name;
  std::string bytes;
  bool stored = false;  // kept uncompressed, as OpenDocument keeps its mimetype
};

// Writes the entries, in order, as a zip archive at `path`; false (and a
// test failure) where libzip refuses.
inline bool WriteZip(const std::string& path, const std::vector<Entry>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) {
    ADD_FAILURE() << "zip_open " << path << ": " << error;
    return false;
  }
  for (const Entry& e : entries) {
    zip_source_t* source = zip_source_buffer(archive, e.bytes.data(), e.bytes.size(), 0);
    const zip_int64_t index = source ? zip_file_add(archive, e.name.c_str(), source, ZIP_FL_OVERWRITE) : -1;
    if (index < 0) {
      ADD_FAILURE() << "zip_file_add " << e.name << ": " << zip_strerror(archive);
      if (source) zip_source_free(source);
      zip_discard(archive);
      return false;
    }
    if (e.stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  // The buffers must live until the archive is written, which is here.
  if (zip_close(archive) != 0) {
    ADD_FAILURE() << "zip_close " << path << ": " << zip_strerror(archive);
    zip_discard(archive);
    return false;
  }
  return true;
}

inline std::string ReadWhole(const std::string& path) {
  std::string bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.append(buf, n);
    std::fclose(f);
  }
  return bytes;
}

inline bool WriteWhole(const std::string& path, std::string_view bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// A table converted by LibreOffice Calc from `csv`, as written by Calc
// itself: `format` is "ods" or "xlsx". Empty where there is no soffice, with
// the reason in `why`. Calc takes seconds to start: a test program converts
// once.
inline std::string ConvertWithCalc(const ScratchFolder& scratch, const std::string& csv, const std::string& format,
                                   std::string& why) {
  if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
    why = "soffice is not installed";
    return "";
  }
  const std::string source = scratch.File("calc.csv");
  if (!WriteWhole(source, csv)) {
    why = "cannot write " + source;
    return "";
  }
  // A profile of its own, so a Calc the user has open is not asked, and the
  // CSV read as US English with dates and booleans recognised; a Calc that
  // hangs is ended rather than the test.
  const std::string command = "timeout 300 soffice --headless --norestore -env:UserInstallation=file://" +
                              scratch.File("profile") + " --infilter=CSV:44,34,76,1,,1033,false,true --convert-to " +
                              format + " --outdir " + scratch.path() + " " + source + " >" +
                              scratch.File("soffice.log") + " 2>&1";
  const int rc = std::system(command.c_str());
  const std::string converted = scratch.File("calc." + format);
  if (rc != 0 || !std::filesystem::exists(converted)) {
    why = "soffice failed (" + std::to_string(rc) + "): " + ReadWhole(scratch.File("soffice.log"));
    return "";
  }
  return converted;
}

}  // namespace sheettest
