#include "input/ListFile.h"

#include <algorithm>

namespace tallowmere::input {

namespace {

// Reads through `reader` whatever `read` hands it, block by block; the line
// the reading was in when it stopped or failed is not offered: it may be cut.
bool ReadThrough(ListFileReader& reader, const std::function<bool(const FeedBlockFn& feed)>& read) {
  const bool whole = read([&reader](const char* data, std::size_t size, const std::function<void()>& meanwhile) {
    reader.Feed(data, size, meanwhile);
  });
  if (whole) reader.Finish();
  return whole;
}

void ReadDescriptorWith(ListFileReader& reader, int fd, const std::string& name) {
  const system::FileWatch watch(fd, name);
  ReadThrough(reader, [&](const FeedBlockFn& feed) { return ReadFileBlocks(fd, watch, kReadBlockBytes, false, feed); });
}

// Opens one file and reads it through `reader`; see LoadListFile.
bool LoadFileWith(ListFileReader& reader, EntrySink& list, const std::string& path, const ShowNotReadFn& showNotRead,
                  const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  const system::BlockFile file(path);
  if (file.Refusal() != system::Unopened::kNone) {
    if (showNotRead)
      showNotRead(path, file.Refusal() == system::Unopened::kMissing ? NotRead::kMissing : NotRead::kNotRegularFile);
    return true;
  }
  if (file.ReportedSize() > 0) list.ExpectBytes(file.ReportedSize());
  return ReadThrough(reader, [&](const FeedBlockFn& feed) { return file.Read(feed, letEventsRun, shouldStop); });
}

}  // namespace

std::string FileNotFoundText(std::string_view path) {
  std::string text(core::Translated("ListFile", kFileNotFoundMessage));
  text += '\n';
  text += path;
  return text;
}

void ReadListDescriptor(EntrySink& list, int fd, const numtext::Separators& sep, const std::string& name) {
  ListFileReader reader(list, sep);
  ReadDescriptorWith(reader, fd, name);
}

void ReadDescriptorText(TextPieceReader& text, int fd, const std::string& name, std::optional<TextForm> form) {
  ListFileReader reader(text, form);
  ReadDescriptorWith(reader, fd, name);
}

bool LoadListFile(EntrySink& list, const std::string& path, const numtext::Separators& sep,
                  const ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                  const ShouldStopFn& shouldStop) {
  ListFileReader reader(list, sep);
  return LoadFileWith(reader, list, path, showNotRead, letEventsRun, shouldStop);
}

bool LoadFileText(EntrySink& list, TextPieceReader& text, const std::string& path, const ShowNotReadFn& showNotRead,
                  const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop,
                  std::optional<TextForm> form) {
  ListFileReader reader(text, form);
  return LoadFileWith(reader, list, path, showNotRead, letEventsRun, shouldStop);
}

bool ReadHeldText(EntrySink& list, TextPieceReader& text, std::string_view held, const core::LetEventsRun& letEventsRun,
                  const ShouldStopFn& shouldStop, const std::function<void(std::size_t bytesRead)>& progress,
                  std::optional<TextForm> form) {
  ListFileReader reader(text, form);
  return ReadThrough(reader, [&](const FeedBlockFn& feed) {
    for (std::size_t at = 0; at < held.size(); at += kReadBlockBytes) {
      if (at > 0) {
        if (progress) progress(at);
        if (letEventsRun) {
          list.Flush();
          letEventsRun();
        }
        if (shouldStop && shouldStop()) return false;
      }
      feed(held.data() + at, std::min(kReadBlockBytes, held.size() - at), nullptr);
    }
    return true;
  });
}

}  // namespace tallowmere::input
