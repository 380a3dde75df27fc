#include "input/ListFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <limits>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "core/LineEnds.h"
#include "input/KeptEntries.h"
#include "numtext/LeadingNumber.h"
#include "numtext/ListNumber.h"
#include "numtext/NumberText.h"
#include "system/FileSystem.h"

namespace tallowmere::input {

bool FileExists(const std::string& path) noexcept {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

namespace {

using core::FindLastLineEnd;
using core::FindLineEnd;
using core::ForEachLineEnd;

std::string CollapsePairs(std::string_view text, char separator) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    out += text[i];
    if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
      i += 2;
    else
      i += 1;
  }
  return out;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

using numtext::ListLine;

// Whether one candidate is appended, and how it reads: not empty, not too
// long, a number.
ListLine Passes(std::string_view candidate, const numtext::Separators& sep) {
  if (candidate.empty() || candidate.size() > kMaxCandidateBytes) return ListLine::kNotNumber;
  return numtext::TestListLine(candidate, sep);
}

// What a list keeps, and what that saves. A list of values gets the leading
// numbers of plain candidates, read while the text is at hand. With the
// decimal point as the user's decimal separator, a text whose leading number
// reads by the quick path has exactly the form the number test's own quick
// path accepts, so it passes without being tested again.
struct Keeping {
  ValueSink* values = nullptr;  // the list, when it keeps values
  bool pointText = false;       // values, and the decimal separator is '.'
  Keeping(ValueSink* list, bool decimalPoint) : values(list), pointText(list && decimalPoint) {}
  Keeping(ValueSink* list, const numtext::Separators& sep) : Keeping(list, sep.decimal == ".") {}
};

// Tests one candidate. When the list keeps values, `value` is set to the
// candidate's leading number (NaN when it has none read by the quick path);
// answers whether it passed, and how it reads.
ListLine TestCandidate(std::string_view candidate, const numtext::Separators& sep, const Keeping& keep, double& value) {
  value = std::numeric_limits<double>::quiet_NaN();
  if (keep.pointText && numtext::PlainLeadingNumber(candidate, value)) return ListLine::kNumber;
  const ListLine line = Passes(candidate, sep);
  if (line == ListLine::kNotNumber) return line;
  // A plain text reads the same in every convention; any other is read from
  // its text.
  if (keep.values && !keep.pointText && !numtext::PlainLeadingNumber(candidate, value))
    value = std::numeric_limits<double>::quiet_NaN();
  return line;
}

// Appends a candidate that passed, as its number when it has one.
void AppendTested(EntrySink& list, const Keeping& keep, std::string_view candidate, double value) {
  if (std::isnan(value))
    list.AppendTestedText(candidate);
  else
    keep.values->AppendNumber(value);
}

// Tests one candidate and appends it when it passes; tells the list what it
// skipped or read in the other convention.
void OfferCandidate(EntrySink& list, const Keeping& keep, std::string_view candidate, const numtext::Separators& sep) {
  double v;
  const ListLine line = TestCandidate(candidate, sep, keep, v);
  if (line == ListLine::kNotNumber) {
    // An empty candidate (between CR and LF, or a blank line) is never a
    // number, nor worth telling as one that is not.
    if (!candidate.empty()) list.NoteSkipped(candidate, 1);
    return;
  }
  AppendTested(list, keep, candidate, v);
  if (line == ListLine::kOtherConvention) list.NoteOtherConvention(candidate, 1);
}

// The candidates of [begin, end), which ends just after a line end, each
// tested and, when it passes, appended.
void AppendCandidates(EntrySink& list, const Keeping& keep, const char* begin, const char* end,
                      const numtext::Separators& sep) {
  const char* start = begin;
  ForEachLineEnd(begin, end, [&](const char* at) {
    OfferCandidate(list, keep, std::string_view(start, static_cast<std::size_t>(at - start)), sep);
    start = at + 1;
  });
}

// From this many bytes of whole candidates on, the number test is shared
// with a helper thread; below it the thread costs more than it saves.
constexpr std::size_t kParallelBytes = std::size_t{1} << 16;
// The text is cut, at line ends, into parts of about this size.
constexpr std::size_t kPartBytes = std::size_t{1} << 14;

// What a part of the two-thread reading keeps until it is appended.
// For a list of values, a part keeps the numbers of plain entries and the
// places of the others (KeptEntries); for a list of texts, the place of every
// candidate that passed.
struct PartKept : KeptEntries {
  struct Passed {
    std::uint32_t offset;  // from the part's start
    std::uint32_t length;
  };
  std::vector<Passed> passed;
  // Candidates that failed the number test (blank ones aside), and where the
  // first of them is.
  std::size_t skipped = 0;
  std::uint32_t firstSkippedOffset = 0;
  std::uint32_t firstSkippedLength = 0;
  // Candidates read in the other convention, and where the first is.
  std::size_t otherConvention = 0;
  std::uint32_t firstOtherOffset = 0;
  std::uint32_t firstOtherLength = 0;
  std::exception_ptr failure;  // the test failed here, after the passed ones

  void Skip(std::size_t offset, std::size_t length) {
    if (length == 0) return;
    if (skipped++ > 0) return;
    firstSkippedOffset = static_cast<std::uint32_t>(offset);
    firstSkippedLength = static_cast<std::uint32_t>(length);
  }
  void NoteOther(std::size_t offset, std::size_t length) {
    if (otherConvention++ > 0) return;
    firstOtherOffset = static_cast<std::uint32_t>(offset);
    firstOtherLength = static_cast<std::uint32_t>(length);
  }
};

// The lines of [first, last) for a list that keeps only the values of plain
// entries, with the decimal point. The common line is read inline, with the
// bytes after it (up to `readable`); any other goes the long way.
class KeepValues {
 public:
  KeepValues(const char* first, const char* readable, const numtext::Separators& sep, PartKept& k)
      : first_(first), start_(first), readable_(readable), sep_(sep), k_(k) {}

  // One line, ending at `at`. Always inline: this is the reading's inner
  // loop, which a call per line slowed by nearly a tenth.
  [[gnu::always_inline]] void operator()(const char* at) {
    const char* const text = start_;
    const auto length = static_cast<std::size_t>(at - text);
    start_ = at + 1;
    double v;
    if (numtext::PlainLeadingNumberIn(text, length, readable_, v)) {
      k_.values.push_back(v);
    } else if (const ListLine line = Passes(std::string_view(text, length), sep_); line != ListLine::kNotNumber) {
      // Kept as text, as TestCandidate keeps a text the quick path cannot read.
      k_.AddText(static_cast<std::size_t>(text - first_), length);
      if (line == ListLine::kOtherConvention) k_.NoteOther(static_cast<std::size_t>(text - first_), length);
    } else {
      k_.Skip(static_cast<std::size_t>(text - first_), length);
    }
  }

 private:
  const char* first_;
  const char* start_;
  const char* readable_;
  const numtext::Separators& sep_;
  PartKept& k_;
};

// AppendCandidates with two threads. The text is cut into parts, handed out
// in order: a part is either tested with what passes kept for later, or,
// when everything before it is appended, tested and appended at once. Only
// this thread appends, and in text order, so the list, and where a failure
// stops it, are as with one thread.
// `kept` is the parts' room, kept by the caller from piece to piece: made
// anew for every piece, its pages would go back to the system and be taken
// (and zeroed) again each time.
void AppendCandidatesInTwo(EntrySink& list, const Keeping& keep, const char* begin, const char* end,
                           const numtext::Separators& sep, core::TwoThreads& threads, std::vector<PartKept>& kept,
                           const std::function<void()>& meanwhile) {
  std::vector<const char*> cuts{begin};
  while (static_cast<std::size_t>(end - cuts.back()) > kPartBytes) {
    const char* at = FindLineEnd(cuts.back() + kPartBytes, end);
    if (at >= end - 1) break;
    cuts.push_back(at + 1);
  }
  cuts.push_back(end);
  const std::size_t parts = cuts.size() - 1;

  if (kept.size() < parts) kept.resize(parts);
  const bool quickValues = keep.values && keep.pointText;
  auto prepare = [&](std::size_t part) {
    PartKept& k = kept[part];
    const char* first = cuts[part];
    k.passed.clear();
    k.Clear();
    k.skipped = 0;
    k.otherConvention = 0;
    k.failure = nullptr;
    try {
      if (keep.values) k.values.reserve(static_cast<std::size_t>(cuts[part + 1] - first) / 4);
      // The bytes after a line, up to the end of the whole text, may be read
      // with it.
      if (quickValues) return ForEachLineEnd(first, cuts[part + 1], KeepValues(first, end, sep, k));
      ForEachLineEnd(first, cuts[part + 1], [&, start = first](const char* at) mutable {
        const std::string_view candidate(start, static_cast<std::size_t>(at - start));
        const auto offset = static_cast<std::uint32_t>(start - first);
        start = at + 1;
        double v;
        const ListLine line = TestCandidate(candidate, sep, keep, v);
        if (line == ListLine::kNotNumber) return k.Skip(offset, candidate.size());
        if (line == ListLine::kOtherConvention) k.NoteOther(offset, candidate.size());
        if (!keep.values) {
          k.passed.push_back({offset, static_cast<std::uint32_t>(candidate.size())});
          return;
        }
        if (std::isnan(v))
          k.AddText(offset, candidate.size());
        else
          k.values.push_back(v);
      });
    } catch (...) {
      k.failure = std::current_exception();
    }
  };
  auto take = [&](std::size_t part) {
    const PartKept& k = kept[part];
    for (const PartKept::Passed& p : k.passed) list.AppendTestedText(std::string_view(cuts[part] + p.offset, p.length));
    if (keep.values)
      k.HandOver(*keep.values, cuts[part], [&list](std::string_view text) { list.AppendTestedText(text); });
    if (k.skipped > 0)
      list.NoteSkipped(std::string_view(cuts[part] + k.firstSkippedOffset, k.firstSkippedLength), k.skipped);
    if (k.otherConvention > 0)
      list.NoteOtherConvention(std::string_view(cuts[part] + k.firstOtherOffset, k.firstOtherLength),
                               k.otherConvention);
    if (k.failure) std::rethrow_exception(k.failure);
  };
  core::RunInOrder(
      threads, parts, prepare, take,
      [&](std::size_t part) {
        // A list of numbers only takes them in runs here too.
        if (keep.values) {
          prepare(part);
          take(part);
        } else {
          AppendCandidates(list, keep, cuts[part], cuts[part + 1], sep);
        }
      },
      meanwhile);
}

std::size_t ReadBlock(int fd, char* block, std::size_t blockSize, const std::string& name) {
  for (;;) {
    const ssize_t got = ::read(fd, block, blockSize);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) system::ThrowError(errno, name);
  }
}

// Whether a UTF-16 code unit is one a text of plain ASCII holds: a printable
// character, a tab, a CR or an LF.
bool IsAsciiTextUnit(std::uint32_t unit) {
  return (unit >= 0x20 && unit < 0x7F) || unit == '\t' || unit == '\n' || unit == '\r';
}

}  // namespace

std::string FileNotFoundText(std::string_view path) {
  std::string text(core::Translated("ListFile", kFileNotFoundMessage));
  text += '\n';
  text += path;
  return text;
}

std::string FixPathSlashes(std::string_view path, char separator) {
  if (path.empty() || path.front() != separator) return CollapsePairs(path, separator);
  std::size_t first = path.find_first_not_of(separator);
  std::string_view rest = first == std::string_view::npos ? std::string_view() : path.substr(first);
  std::string tidied(separator == '\\' ? 2 : 1, separator);
  tidied += CollapsePairs(rest, separator);
  return tidied;
}

void PastedTextReader::Feed(const char* data, std::size_t size) {
  if (size > room_) {
    lines_.reset();  // never hold the old piece and the new one at once
    lines_.reset(new char[size]);
    room_ = size;
  }
  std::replace_copy(data, data + size, lines_.get(), '\t', '\n');
  text_.Feed(lines_.get(), size);
}

bool ReadPastedText(EntrySink& list, std::string_view text, const numtext::Separators& sep,
                    const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop,
                    const std::function<void(std::size_t bytesRead)>& progress) {
  PastedTextReader reader(list, sep);
  // Between pieces the window may paint and stop.
  const std::size_t piece = kReadBlockBytes;
  for (std::size_t at = 0; at < text.size(); at += piece) {
    if (at > 0) {
      if (progress) progress(at);
      if (letEventsRun) {
        list.Flush();
        letEventsRun();
      }
      if (shouldStop && shouldStop()) return false;
    }
    reader.Feed(text.data() + at, std::min(piece, text.size() - at));
  }
  reader.Finish();
  return true;
}

ListCandidates::ListCandidates(EntrySink& list, const numtext::Separators& sep)
    : list_(list), sep_(sep), values_(ValuesOf(list)), pointText_(sep.decimal == ".") {}

void ListCandidates::Offer(std::string_view candidate) {
  // The list's wishes were asked once, not for every candidate.
  const Keeping keep(values_, pointText_);
  double v;
  const ListLine line = TestCandidate(candidate, sep_, keep, v);
  if (line == ListLine::kNotNumber) return;
  AppendTested(list_, keep, candidate, v);
  if (line == ListLine::kOtherConvention) list_.NoteOtherConvention(candidate, 1);
}

void ListTextReader::Offer(std::string_view candidate) {
  OfferCandidate(list_, Keeping(values_, sep_), candidate, sep_);
}

void ListTextReader::BeginOverlong(std::string_view start) {
  overlong_ = true;
  overlongHead_.assign(start.substr(0, kOverlongHeadBytes));
}

void ListTextReader::EndOverlong() {
  overlong_ = false;
  list_.NoteSkipped(overlongHead_, 1);
  overlongHead_.clear();
}

namespace {

// Runs a Feed's `meanwhile` once: handed to the two threads' round, or else
// when the call ends.
class Meanwhile {
 public:
  explicit Meanwhile(const std::function<void()>& task) : task_(task ? &task : nullptr) {}
  ~Meanwhile() {
    if (task_) (*task_)();
  }
  Meanwhile(const Meanwhile&) = delete;
  Meanwhile& operator=(const Meanwhile&) = delete;
  std::function<void()> Hand() {
    const std::function<void()>* task = std::exchange(task_, nullptr);
    return task ? *task : nullptr;
  }

 private:
  const std::function<void()>* task_;
};

}  // namespace

struct ListTextReader::Parts {
  std::vector<PartKept> kept;
};

ListTextReader::ListTextReader(EntrySink& list, numtext::Separators sep)
    : list_(list), values_(ValuesOf(list)), sep_(std::move(sep)) {}
ListTextReader::~ListTextReader() = default;

void ListTextReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  Meanwhile pending(meanwhile);
  const char* p = data;
  const char* const end = data + size;
  if (p == end) return;
  // A candidate that began in an earlier piece ends at the first line end.
  if (overlong_ || !carry_.empty()) {
    const char* stop = FindLineEnd(p, end);
    const std::size_t length = static_cast<std::size_t>(stop - p);
    if (stop == end) {
      // It goes on in the next piece.
      if (!overlong_) {
        if (carry_.size() + length > kMaxCandidateBytes) {
          carry_.append(p, std::min(length, kOverlongHeadBytes));
          BeginOverlong(carry_);
          std::string().swap(carry_);
        } else {
          carry_.append(p, length);
        }
      }
      return;
    }
    if (overlong_) {
      EndOverlong();
    } else if (carry_.size() + length <= kMaxCandidateBytes) {
      carry_.append(p, length);
      Offer(carry_);
    } else {
      carry_.append(p, std::min(length, kOverlongHeadBytes));
      list_.NoteSkipped(std::string_view(carry_).substr(0, kOverlongHeadBytes), 1);
    }
    carry_.clear();
    p = stop + 1;
  }
  // Every candidate up to the last line end is whole.
  if (const char* last = FindLastLineEnd(p, end)) {
    const numtext::Separators& sep = sep_;
    const Keeping keep(values_, sep);
    if (static_cast<std::size_t>(last + 1 - p) < kParallelBytes) {
      AppendCandidates(list_, keep, p, last + 1, sep);
    } else {
      if (!helper_) helper_.emplace();
      if (!parts_) parts_ = std::make_unique<Parts>();
      AppendCandidatesInTwo(list_, keep, p, last + 1, sep, *helper_, parts_->kept, pending.Hand());
    }
    p = last + 1;
  }
  // The rest begins a candidate that goes on in the next piece.
  const std::size_t length = static_cast<std::size_t>(end - p);
  if (length > kMaxCandidateBytes) {
    BeginOverlong(std::string_view(p, length));
  } else {
    carry_.assign(p, length);
  }
}

void ListTextReader::Finish() {
  if (overlong_)
    EndOverlong();
  else
    Offer(carry_);
  carry_.clear();
}

void ListFileReader::Decide(bool final) {
  using namespace std::string_view_literals;
  struct Mark {
    std::string_view bytes;
    std::optional<WideForm> wide;  // none: UTF-8, read as it is
  };
  // Longest first: FF FE 00 00 is UTF-32, not UTF-16 that begins with NUL.
  static constexpr Mark kMarks[] = {{"\xFF\xFE\0\0"sv, WideForm::kUtf32Le},
                                    {"\0\0\xFE\xFF"sv, WideForm::kUtf32Be},
                                    {"\xEF\xBB\xBF"sv, std::nullopt},
                                    {"\xFF\xFE"sv, WideForm::kUtf16Le},
                                    {"\xFE\xFF"sv, WideForm::kUtf16Be}};
  const std::string_view head(head_, headSize_);
  // A longer mark may still come.
  if (!final) {
    for (const Mark& mark : kMarks)
      if (mark.bytes.size() > head.size() && mark.bytes.starts_with(head)) return;
  }
  std::size_t skip = 0;
  for (const Mark& mark : kMarks) {
    if (head.starts_with(mark.bytes)) {
      Choose(mark.wide);
      skip = mark.bytes.size();
      break;
    }
  }
  if (form_ == Form::kUndecided) {
    // No mark: UTF-16 all the same while every whole code unit so far is an
    // ASCII character's, in one byte order.
    bool little = true, big = true;
    for (std::size_t i = 0; i + 1 < head.size() && (little || big); i += 2) {
      const auto first = static_cast<unsigned char>(head[i]), second = static_cast<unsigned char>(head[i + 1]);
      little = little && second == 0 && IsAsciiTextUnit(first);
      big = big && first == 0 && IsAsciiTextUnit(second);
    }
    if ((little || big) && !final && head.size() < kUnmarkedWindow) return;
    const bool twoUnits = head.size() >= 4;
    Choose(!twoUnits ? std::nullopt
           : little  ? std::optional(WideForm::kUtf16Le)
           : big     ? std::optional(WideForm::kUtf16Be)
                     : std::nullopt);
  }
  headSize_ = 0;
  FeedText(head.data() + skip, head.size() - skip);
}

void ListFileReader::Choose(std::optional<WideForm> wide) {
  form_ = wide ? Form::kWide : Form::kBytes;
  if (wide) wide_.Begin(*wide);
}

void ListFileReader::FeedWide(const char* data, std::size_t size) {
  wide_.Feed(reinterpret_cast<const unsigned char*>(data), size,
             [this](const char* text, std::size_t length) { text_.Feed(text, length); });
}

void ListFileReader::FeedText(const char* data, std::size_t size) {
  if (form_ == Form::kBytes)
    text_.Feed(data, size);
  else
    FeedWide(data, size);
}

void ListFileReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  Meanwhile pending(meanwhile);
  // The first bytes may arrive a few at a time (a pipe): they are held back
  // until they are a whole mark, or cannot begin one, and, without a mark,
  // until they tell whether the text is UTF-16.
  if (form_ == Form::kUndecided) {
    const std::size_t taken = std::min(size, kUnmarkedWindow - headSize_);
    std::memcpy(head_ + headSize_, data, taken);
    headSize_ += taken;
    data += taken;
    size -= taken;
    Decide(false);
    if (form_ == Form::kUndecided) return;
  }
  if (size == 0) return;
  if (form_ == Form::kBytes)
    text_.Feed(data, size, pending.Hand());
  else
    FeedWide(data, size);
}

void ListFileReader::Finish() {
  if (form_ == Form::kUndecided) Decide(true);
  if (form_ == Form::kWide) wide_.Finish([this](const char* text, std::size_t length) { text_.Feed(text, length); });
  text_.Finish();
  form_ = Form::kUndecided;
  headSize_ = 0;
}

bool ReadFileBlocks(int fd, const system::FileWatch& watch, std::size_t blockSize, bool ahead, const FeedBlockFn& feed,
                    const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  const std::string& name = watch.Path();
  std::unique_ptr<char[]> block(new char[blockSize]);
  std::unique_ptr<char[]> next(ahead ? new char[blockSize] : nullptr);
  std::size_t nextGot = 0;
  std::exception_ptr readFailure;
  std::function<void()> readNext;
  if (ahead) {
    readNext = [&] {
      try {
        nextGot = ReadBlock(fd, next.get(), blockSize, name);
      } catch (...) {
        readFailure = std::current_exception();
      }
    };
  }
  std::uint64_t bytes = 0;
  std::size_t got = ReadBlock(fd, block.get(), blockSize, name);
  for (bool first = true; got > 0; first = false) {
    if (!first) {
      if (letEventsRun) letEventsRun();
      if (shouldStop && shouldStop()) return false;
    }
    bytes += got;
    feed(block.get(), got, readNext);
    if (!ahead) {
      got = ReadBlock(fd, block.get(), blockSize, name);
      continue;
    }
    // A failure of the read ahead comes once this block is done, where it
    // would have come without reading ahead.
    if (readFailure) std::rethrow_exception(readFailure);
    std::swap(block, next);
    got = nextGot;
  }
  watch.CheckUnchanged(bytes);
  return true;
}

namespace {

// Reads a watched descriptor as one file through `reader`; see LoadListFile.
// The line the reading was in when it stopped or failed is not offered: it
// may be cut.
bool ReadWatchedFile(ListFileReader& reader, int fd, const system::FileWatch& watch, std::size_t blockSize, bool ahead,
                     const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  const bool whole = ReadFileBlocks(
      fd, watch, blockSize, ahead,
      [&reader](const char* data, std::size_t size, const std::function<void()>& meanwhile) {
        reader.Feed(data, size, meanwhile);
      },
      letEventsRun, shouldStop);
  if (whole) reader.Finish();
  return whole;
}

// Opens one file and reads it through `reader`; see LoadListFile.
bool LoadFileWith(ListFileReader& reader, EntrySink& list, const std::string& path, const ShowNotReadFn& showNotRead,
                  const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  auto notRead = [&](NotRead why) {
    if (showNotRead) showNotRead(path, why);
    return true;
  };
  // The existence test and the check that only regular files are read share
  // one look at the path; it comes before opening, so a device is never
  // opened, and is repeated on the open file, so a swap in between is caught.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return notRead(NotRead::kMissing);
  if (!S_ISREG(st.st_mode)) return notRead(NotRead::kNotRegularFile);
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return notRead(NotRead::kMissing);
    system::ThrowError(errno, path);
  }
  Descriptor file(fd);
  const system::FileWatch watch(fd, path);
  if (!watch.IsRegularFile()) return notRead(NotRead::kNotRegularFile);
  const off_t size = watch.Status().st_size;
  // A small file gets a small buffer: a tree of many small files should not
  // cost a megabyte of fresh memory per file. A file that reports no size
  // (those of /proc) may hold anything: it gets whole blocks.
  std::size_t blockSize = kReadBlockBytes;
  if (size > 0 && static_cast<unsigned long long>(size) < blockSize)
    blockSize = std::max<std::size_t>(static_cast<std::size_t>(size) + 1, 4096);
  else
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  if (size > 0) list.ExpectBytes(static_cast<std::size_t>(size));
  // A large file's next block is read while this one is read for numbers.
  const bool large = size > 0 && static_cast<unsigned long long>(size) > blockSize;
  return ReadWatchedFile(reader, fd, watch, blockSize, large, letEventsRun, shouldStop);
}

}  // namespace

void ReadListDescriptor(EntrySink& list, int fd, const numtext::Separators& sep, const std::string& name) {
  ListFileReader reader(list, sep);
  const system::FileWatch watch(fd, name);
  ReadWatchedFile(reader, fd, watch, kReadBlockBytes, false, {}, {});
}

void ReadDescriptorText(TextPieceReader& text, int fd, const std::string& name) {
  ListFileReader reader(text);
  const system::FileWatch watch(fd, name);
  ReadWatchedFile(reader, fd, watch, kReadBlockBytes, false, {}, {});
}

bool LoadListFile(EntrySink& list, const std::string& path, const numtext::Separators& sep,
                  const ShowNotReadFn& showNotRead, const core::LetEventsRun& letEventsRun,
                  const ShouldStopFn& shouldStop) {
  ListFileReader reader(list, sep);
  return LoadFileWith(reader, list, path, showNotRead, letEventsRun, shouldStop);
}

bool LoadFileText(EntrySink& list, TextPieceReader& text, const std::string& path, const ShowNotReadFn& showNotRead,
                  const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
  ListFileReader reader(text);
  return LoadFileWith(reader, list, path, showNotRead, letEventsRun, shouldStop);
}

}  // namespace tallowmere::input
