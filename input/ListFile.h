#pragma once
// List files: plain text, one candidate number per line. The reader appends
// every candidate that passes the number test to the number list, exactly as
// read (untrimmed), in file order. Used by "Load Numbers From File", by drops,
// the folder walk and the command-line analyser (its PATHs and standard input).
//
// A file's bytes are read in blocks (system/BlockReader), their form taken
// from a byte-order mark or their first bytes (TextEncoding), the text split
// into candidates (ListText) and each candidate decided by the rule every
// list reader shares (ListCandidates).
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/LetEventsRun.h"
#include "core/Translation.h"
#include "input/EntrySink.h"
#include "input/ListCandidates.h"
#include "input/ListText.h"
#include "input/PastedTextReader.h"
#include "input/PathSlashes.h"
#include "input/TextEncoding.h"
#include "numtext/Separators.h"
#include "system/BlockReader.h"
#include "system/FileSystem.h"

namespace tallowmere::input {

using system::FeedBlockFn;
using system::FileExists;
using system::kReadBlockBytes;
using system::ReadFileBlocks;
using system::ShouldStopFn;

inline constexpr const char* kFileNotFoundMessage = QT_TRANSLATE_NOOP("ListFile", "File not found");

// Why LoadListFile read nothing of a path.
enum class NotRead {
  kMissing,         // nothing by that name (or a link that leads nowhere)
  kNotRegularFile,  // a folder, FIFO, socket or device
};

// Tells the user that a path was not read: the window shows "File not found"
// with the path (FileNotFoundText), the analyser a line naming the path and
// the reason.
using ShowNotReadFn = std::function<void(const std::string& path, NotRead why)>;

// "File not found" and, on a second line, the path: in a drop of many files
// the notice must say which one.
std::string FileNotFoundText(std::string_view path);

// Reads one list file and appends its numbers to `list`.
// Missing path, or a path that is not a regular file (a folder, FIFO, socket
// or device, which would block or never end): tells `showNotRead` and appends
// nothing. Any other failure throws system::FileSystemError, its description
// naming the path: the file cannot be opened, a read fails part-way, or the
// file changed while it was read (system::FileChanged); what was appended
// before stays appended, the line the reading was in is dropped.
// `letEventsRun` and `shouldStop`, when given, are called between the blocks
// of a file of more than one block, whatever size the file reports (a file of
// /proc reports 0 and may never end), so that a window stays alive, and can
// stop, while one long file is read. Returns false when `shouldStop` ended the
// reading; the numbers read before stay appended.
bool LoadListFile(EntrySink& list, const std::string& path, const numtext::Separators& sep,
                  const ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun = {},
                  const ShouldStopFn& shouldStop = {});

// Reads an already open descriptor to its end as one list file (the analyser
// reads standard input this way). Throws as LoadListFile does, naming the
// input `name`.
void ReadListDescriptor(EntrySink& list, int fd, const numtext::Separators& sep,
                        const std::string& name = "standard input");

// LoadListFile, with the file's text (decoded as a list file's, or in the
// form `form` forces: ListFileReader) handed to `text` rather than read as
// lines; `list` is where `text` appends.
bool LoadFileText(EntrySink& list, TextPieceReader& text, const std::string& path, const ShowNotReadFn& showNotRead,
                  const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {},
                  std::optional<TextForm> form = std::nullopt);

// ReadListDescriptor, with the text handed to `text`; `form` as for
// LoadFileText.
void ReadDescriptorText(TextPieceReader& text, int fd, const std::string& name = "standard input",
                        std::optional<TextForm> form = std::nullopt);

// LoadFileText over a text already held (a paste's, converted to UTF-8),
// decoded as a file's text is and handed on a block (kReadBlockBytes) at a
// time: between blocks `progress` hears how many bytes were read, the
// entries so far are flushed, `letEventsRun` runs and `shouldStop` is asked
// (each when given). Returns false when `shouldStop` ended the reading; the
// line it was in is then not offered. `form` as for LoadFileText.
bool ReadHeldText(EntrySink& list, TextPieceReader& text, std::string_view held,
                  const core::LetEventsRun& letEventsRun = {}, const ShouldStopFn& shouldStop = {},
                  const std::function<void(std::size_t bytesRead)>& progress = {},
                  std::optional<TextForm> form = std::nullopt);

}  // namespace tallowmere::input
