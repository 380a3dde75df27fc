#pragma once
// Reading a series of files into the number list, one after another, as a
// drop and "Load Numbers From File" do: how far the reading has come, a stop
// that stays a stop once asked for, a file cut short by it, and the count of
// the files handed to the reader.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "core/LetEventsRun.h"
#include "input/ListFile.h"

namespace tallowmere::input {

// Where a drop is. A dropped folder is walked first (its folders are
// collected), then its folders are listed (their files are collected), then
// the collected files are read; a dropped file is read when its turn comes.
// Pasted or dropped text has one phase of its own.
enum class DropPhase { kCollectingFolders, kCollectingFiles, kReadingFiles, kReadingText };

// How far a drop has come; the counts run over the whole drop, all its items.
struct DropState {
  DropPhase phase = DropPhase::kCollectingFolders;
  std::size_t folders = 0;     // folders collected so far, dropped ones included
  std::size_t filesFound = 0;  // files collected to be read, dropped files included once reached
  std::size_t filesRead = 0;   // files handed to the reader (read, or found missing)
  bool stopped = false;        // shouldStop ended the drop early
  bool fileCut = false;        // the stop came inside a file: the last one read was read in part
  std::string firstFile = {};  // the path of the first file handed to the reader
  std::size_t textRead = 0;    // kReadingText: how much of the text was read
  std::size_t textSize = 0;    // kReadingText: how long the whole text is
};

// Reads one file into the list, with the arguments and the answer of
// LoadListFile.
using ReadFileFn = std::function<bool(const std::string& path, const ShowNotReadFn& showNotRead,
                                      const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop)>;

// What reads the files: each function may be empty but `readFile`.
struct FileReadingHost {
  ReadFileFn readFile;
  ShowNotReadFn showNotRead;        // handed to readFile
  core::LetEventsRun letEventsRun;  // handed to readFile, between a long file's blocks
  ShouldStopFn shouldStop;          // asked by AskedToStop
  std::function<void(const DropState&)> progress;
};

class FileReading {
 public:
  explicit FileReading(FileReadingHost host) : host_(std::move(host)) {}
  FileReading(const FileReading&) = delete;
  FileReading& operator=(const FileReading&) = delete;

  DropState& State() { return state_; }
  const DropState& State() const { return state_; }
  // Tells the host how far the reading has come.
  void Tell() const;
  // Once asked, the reading stays stopped: the answer is not asked for again.
  bool AskedToStop();
  // Reads one file; a stop inside it ends the reading with the file read in
  // part. Throws what the reader throws.
  void Read(const std::string& path);
  // A file handed to the reader counts, whatever came of it; one cut short by
  // a stop still counts, but the reading ends with it, untold.
  void Counted();
  // Reads `count` files in turn: `stopBefore` is asked before each (true ends
  // the reading there), `readOne(k)` reads the k-th through Read, under the
  // caller's guard, and then it counts.
  void ReadInTurn(std::size_t count, const std::function<bool()>& stopBefore,
                  const std::function<void(std::size_t)>& readOne);

 private:
  FileReadingHost host_;
  DropState state_;
};

}  // namespace tallowmere::input
