#include "input/ListFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
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

#include "core/ByteWords.h"
#include "platform/FileSystem.h"
#include "stats/LeadingNumber.h"
#include "stats/NumberTest.h"
#include "stats/NumberText.h"

bool FileExists(const std::string& path) noexcept {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

namespace {

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

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// The top bit of each byte of the result is set exactly where the byte at
// `at` (eight of them, the lowest bits for the first) is a CR or an LF.
std::uint64_t LineEndBytes(const char* at) {
  const std::uint64_t word = bytewords::Load8(at);
  return bytewords::EqualBytes(word, '\n') | bytewords::EqualBytes(word, '\r');
}

// Calls found(p) for every CR or LF in [begin, end), in order.
template <class Found>
void ForEachLineEnd(const char* begin, const char* end, Found&& found) {
  const char* p = begin;
  // Sixty-four bytes at a time into one mask: lines are short, and a loop per
  // word would mistake its count of line ends at nearly every word.
  for (; end - p >= 64; p += 64) {
    for (std::uint64_t ends = bytewords::EitherBits64(p, '\n', '\r'); ends; ends &= ends - 1)
      found(p + std::countr_zero(ends));
  }
  for (; end - p >= 8; p += 8) {
    for (std::uint64_t hits = LineEndBytes(p); hits; hits &= hits - 1) found(p + std::countr_zero(hits) / 8);
  }
  for (; p < end; ++p)
    if (IsLineEnd(*p)) found(p);
}

// The first CR or LF in [begin, end), or end.
const char* FindLineEnd(const char* begin, const char* end) {
  const char* p = begin;
  for (; end - p >= 8; p += 8) {
    if (const std::uint64_t hits = LineEndBytes(p)) return p + std::countr_zero(hits) / 8;
  }
  for (; p < end; ++p)
    if (IsLineEnd(*p)) return p;
  return end;
}

// The last CR or LF in [begin, end), or nullptr.
const char* FindLastLineEnd(const char* begin, const char* end) {
  for (const char* p = end; p > begin;)
    if (IsLineEnd(*--p)) return p;
  return nullptr;
}

// Whether one candidate is appended: not empty, not too long, a number.
bool Passes(std::string_view candidate, const numtext::Separators& sep) {
  return !candidate.empty() && candidate.size() <= kMaxCandidateBytes && numtext::IsNumeric(candidate, sep);
}

// What a list keeps, and what that saves. With the decimal point as the
// user's decimal separator, a text whose leading number reads by the quick
// path has exactly the form the number test's own quick path accepts, so it
// passes without being tested again.
struct Keeping {
  bool values = false;      // the list keeps leading numbers
  bool pointText = false;   // values, and the decimal separator is '.'
  bool onlyValues = false;  // values, without the texts they were read from
  Keeping(const EntrySink& list, const numtext::Separators& sep)
      : values(list.KeepsLeadingNumbers()),
        pointText(values && sep.decimal == "."),
        onlyValues(values && !list.KeepsTextsOfNumbers()) {}
};

// Tests one candidate and, when it passes, appends it. When the list keeps
// leading numbers, `value` is set to the candidate's (NaN when it has none
// read by the quick path); answers whether it passed.
bool TestCandidate(std::string_view candidate, const numtext::Separators& sep, const Keeping& keep, double& value) {
  value = std::numeric_limits<double>::quiet_NaN();
  if (keep.pointText && numtext::PlainLeadingNumber(candidate, value)) return true;
  if (!Passes(candidate, sep)) return false;
  if (keep.values && !keep.pointText && !numtext::PlainLeadingNumber(candidate, value))
    value = std::numeric_limits<double>::quiet_NaN();
  return true;
}

void AppendTested(EntrySink& list, std::string_view candidate, double value) {
  if (std::isnan(value))
    list.AppendTestedText(candidate);
  else
    list.AppendNumber(candidate, value);
}

// The candidates of [begin, end), which ends just after a line end, each
// tested and, when it passes, appended.
void AppendCandidates(EntrySink& list, const char* begin, const char* end, const numtext::Separators& sep) {
  const Keeping keep(list, sep);
  const char* start = begin;
  ForEachLineEnd(begin, end, [&](const char* at) {
    const std::string_view candidate(start, static_cast<std::size_t>(at - start));
    if (double v; TestCandidate(candidate, sep, keep, v)) AppendTested(list, candidate, v);
    start = at + 1;
  });
}

// From this many bytes of whole candidates on, the number test is shared
// with a helper thread; below it the thread costs more than it saves.
constexpr std::size_t kParallelBytes = std::size_t{1} << 16;
// The text is cut, at line ends, into parts of about this size.
constexpr std::size_t kPartBytes = std::size_t{1} << 14;

// AppendCandidates with two threads. The text is cut into parts, handed out
// in order: a part is either tested with what passes kept for later, or,
// when everything before it is appended, tested and appended at once. Only
// this thread appends, and in text order, so the list, and where a failure
// stops it, are as with one thread.
// What a part of the two-thread reading keeps until it is appended.
struct PartKept {
  // A candidate that passed; `value` is its leading number when the list
  // keeps those and the text is plain, NaN otherwise (never a leading number).
  struct Passed {
    std::uint32_t offset;  // from the part's start
    std::uint32_t length;
    double value;
  };
  // When the list keeps only the numbers of plain entries, a part keeps the
  // values of those, and the place of every other candidate that passed
  // together with how many values come before it.
  struct Text {
    std::uint32_t offset;
    std::uint32_t length;
    std::size_t valuesBefore;
  };
  std::vector<Passed> passed;
  std::vector<double> values;
  std::vector<Text> texts;
  std::exception_ptr failure;  // the test failed here, after the passed ones
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
    } else if (Passes(std::string_view(text, length), sep_)) {
      // Kept as text, as TestCandidate keeps a text the quick path cannot read.
      k_.texts.push_back(
          {static_cast<std::uint32_t>(text - first_), static_cast<std::uint32_t>(length), k_.values.size()});
    }
  }

 private:
  const char* first_;
  const char* start_;
  const char* readable_;
  const numtext::Separators& sep_;
  PartKept& k_;
};

// `kept` is the parts' room, kept by the caller from piece to piece: made
// anew for every piece, its pages would go back to the system and be taken
// (and zeroed) again each time.
void AppendCandidatesInTwo(EntrySink& list, const char* begin, const char* end, const numtext::Separators& sep,
                           core::TwoThreads& threads, std::vector<PartKept>& kept,
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
  const Keeping keep(list, sep);
  const bool quickValues = keep.onlyValues && keep.pointText;
  auto prepare = [&](std::size_t part) {
    PartKept& k = kept[part];
    const char* first = cuts[part];
    k.passed.clear();
    k.values.clear();
    k.texts.clear();
    k.failure = nullptr;
    try {
      if (keep.onlyValues) k.values.reserve(static_cast<std::size_t>(cuts[part + 1] - first) / 4);
      // The bytes after a line, up to the end of the whole text, may be read
      // with it.
      if (quickValues) return ForEachLineEnd(first, cuts[part + 1], KeepValues(first, end, sep, k));
      ForEachLineEnd(first, cuts[part + 1], [&, start = first](const char* at) mutable {
        const std::string_view candidate(start, static_cast<std::size_t>(at - start));
        const auto offset = static_cast<std::uint32_t>(start - first);
        start = at + 1;
        double v;
        if (!TestCandidate(candidate, sep, keep, v)) return;
        if (!keep.onlyValues) {
          k.passed.push_back({offset, static_cast<std::uint32_t>(candidate.size()), v});
          return;
        }
        if (std::isnan(v))
          k.texts.push_back({offset, static_cast<std::uint32_t>(candidate.size()), k.values.size()});
        else
          k.values.push_back(v);
      });
    } catch (...) {
      k.failure = std::current_exception();
    }
  };
  auto take = [&](std::size_t part) {
    const PartKept& k = kept[part];
    for (const PartKept::Passed& p : k.passed)
      AppendTested(list, std::string_view(cuts[part] + p.offset, p.length), p.value);
    // Runs of plain entries go over at once, each text entry on its own.
    const double* values = k.values.data();
    std::size_t taken = 0;
    for (const PartKept::Text& t : k.texts) {
      if (t.valuesBefore > taken) list.AppendNumbers(std::span<const double>(values + taken, t.valuesBefore - taken));
      list.AppendTestedText(std::string_view(cuts[part] + t.offset, t.length));
      taken = t.valuesBefore;
    }
    if (k.values.size() > taken) list.AppendNumbers(std::span<const double>(values + taken, k.values.size() - taken));
    if (k.failure) std::rethrow_exception(k.failure);
  };
  core::RunInOrder(
      threads, parts, prepare, take,
      [&](std::size_t part) {
        // A list of numbers only takes them in runs here too.
        if (keep.onlyValues) {
          prepare(part);
          take(part);
        } else {
          AppendCandidates(list, cuts[part], cuts[part + 1], sep);
        }
      },
      meanwhile);
}

std::size_t ReadBlock(int fd, char* block, std::size_t blockSize) {
  for (;;) {
    const ssize_t got = ::read(fd, block, blockSize);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) fsys::ThrowError(errno);
  }
}

// With `ahead`, the next block is read while this one is read for numbers
// (the helper does not wait for each read); a failure of that read is raised
// once this block is done, where it would have come without reading ahead.
void ReadAll(EntrySink& list, int fd, std::size_t blockSize, const numtext::Separators& sep,
             const LetEventsRun& letEventsRun, bool ahead) {
  std::unique_ptr<char[]> block(new char[blockSize]);
  std::unique_ptr<char[]> next(ahead ? new char[blockSize] : nullptr);
  ListFileReader reader(list, sep);
  std::size_t nextGot = 0;
  std::exception_ptr readFailure;
  std::function<void()> readNext;
  if (ahead) {
    readNext = [&] {
      try {
        nextGot = ReadBlock(fd, next.get(), blockSize);
      } catch (...) {
        readFailure = std::current_exception();
      }
    };
  }
  std::size_t got = ReadBlock(fd, block.get(), blockSize);
  while (got > 0) {
    reader.Feed(block.get(), got, readNext);
    if (letEventsRun) letEventsRun();
    if (!ahead) {
      got = ReadBlock(fd, block.get(), blockSize);
      continue;
    }
    if (readFailure) std::rethrow_exception(readFailure);
    std::swap(block, next);
    got = nextGot;
  }
  reader.Finish();
}

constexpr char32_t kReplacementCharacter = 0xFFFD;

char* PutUtf8(char* out, char32_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | c >> 6);
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | c >> 12);
    *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | c >> 18);
    *out++ = static_cast<char>(0x80 | (c >> 12 & 0x3F));
    *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// UTF-16 is decoded at most this many bytes at a time, so the decoded text
// (at most three bytes for every two) stays within one read block.
constexpr std::size_t kDecodeSpanBytes = kReadBlockBytes / 2;

}  // namespace

std::string FixPathSlashes(std::string_view path, char separator) {
  if (path.empty() || path.front() != separator) return CollapsePairs(path, separator);
  std::size_t first = path.find_first_not_of(separator);
  std::string_view rest = first == std::string_view::npos ? std::string_view() : path.substr(first);
  std::string tidied(separator == '\\' ? 2 : 1, separator);
  tidied += CollapsePairs(rest, separator);
  return tidied;
}

void ReadPastedText(EntrySink& list, std::string_view text, const numtext::Separators& sep) {
  ListTextReader reader(list, sep);
  // A tab becomes a line end, in pieces, so that a paste of millions of
  // lines is not held twice.
  const std::size_t piece = std::min(text.size(), kReadBlockBytes);
  std::unique_ptr<char[]> lines(new char[piece]);
  for (std::size_t at = 0; at < text.size(); at += piece) {
    const std::size_t n = std::min(piece, text.size() - at);
    std::replace_copy(text.data() + at, text.data() + at + n, lines.get(), '\t', '\n');
    reader.Feed(lines.get(), n);
  }
  reader.Finish();
}

void ListTextReader::Offer(std::string_view candidate) {
  // An empty candidate (between CR and LF, or a blank line) is never a number.
  if (double v; TestCandidate(candidate, sep_, Keeping(list_, sep_), v)) AppendTested(list_, candidate, v);
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

ListTextReader::ListTextReader(EntrySink& list, numtext::Separators sep) : list_(list), sep_(std::move(sep)) {}
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
          overlong_ = true;
          std::string().swap(carry_);
        } else {
          carry_.append(p, length);
        }
      }
      return;
    }
    if (overlong_) {
      overlong_ = false;
    } else if (carry_.size() + length <= kMaxCandidateBytes) {
      carry_.append(p, length);
      Offer(carry_);
    }
    carry_.clear();
    p = stop + 1;
  }
  // Every candidate up to the last line end is whole.
  if (const char* last = FindLastLineEnd(p, end)) {
    const numtext::Separators& sep = sep_;
    if (static_cast<std::size_t>(last + 1 - p) < kParallelBytes) {
      AppendCandidates(list_, p, last + 1, sep);
    } else {
      if (!helper_) helper_.emplace();
      if (!parts_) parts_ = std::make_unique<Parts>();
      AppendCandidatesInTwo(list_, p, last + 1, sep, *helper_, parts_->kept, pending.Hand());
    }
    p = last + 1;
  }
  // The rest begins a candidate that goes on in the next piece.
  const std::size_t length = static_cast<std::size_t>(end - p);
  if (length > kMaxCandidateBytes) {
    overlong_ = true;
  } else {
    carry_.assign(p, length);
  }
}

void ListTextReader::Finish() {
  if (!overlong_) Offer(carry_);
  carry_.clear();
  overlong_ = false;
}

void ListFileReader::Decide() {
  struct Mark {
    std::string_view bytes;
    Form form;
  };
  static constexpr Mark kMarks[] = {
      {"\xEF\xBB\xBF", Form::kBytes}, {"\xFF\xFE", Form::kUtf16Le}, {"\xFE\xFF", Form::kUtf16Be}};
  const std::string_view head(head_, headSize_);
  bool mayBeMark = false;
  for (const Mark& mark : kMarks) {
    if (head == mark.bytes) {
      form_ = mark.form;
      headSize_ = 0;
      return;
    }
    mayBeMark |= mark.bytes.starts_with(head);
  }
  if (mayBeMark) return;
  // No mark: the bytes held back are the file's first text.
  form_ = Form::kBytes;
  text_.Feed(head_, headSize_);
  headSize_ = 0;
}

char* ListFileReader::PutUnit(char* out, unsigned unit) {
  if (highSurrogate_) {
    const unsigned high = std::exchange(highSurrogate_, 0);
    if (IsLowSurrogate(unit)) return PutUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
    out = PutUtf8(out, kReplacementCharacter);
  }
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return out;
  }
  return PutUtf8(out, IsLowSurrogate(unit) ? kReplacementCharacter : unit);
}

void ListFileReader::FeedUtf16(const unsigned char* p, std::size_t size) {
  const bool little = form_ == Form::kUtf16Le;
  auto unit = [little](unsigned first, unsigned second) {
    return little ? (first | second << 8) : (first << 8 | second);
  };
  const unsigned char* const end = p + size;
  while (p < end) {
    const unsigned char* const stop = p + std::min<std::size_t>(static_cast<std::size_t>(end - p), kDecodeSpanBytes);
    // Three bytes for each unit begun here, and three for a high surrogate
    // from before that turns out unpaired.
    const std::size_t room = (static_cast<std::size_t>(stop - p) / 2 + 2) * 3;
    if (room > decodedRoom_) {
      decoded_.reset();  // never hold the old block and the new one at once
      decoded_.reset(new char[room]);
      decodedRoom_ = room;
    }
    char* const begin = decoded_.get();
    char* out = begin;
    if (oddByte_ >= 0) out = PutUnit(out, unit(static_cast<unsigned>(std::exchange(oddByte_, -1)), *p++));
    for (; stop - p >= 2; p += 2) out = PutUnit(out, unit(p[0], p[1]));
    if (p < stop) oddByte_ = *p++;
    text_.Feed(begin, static_cast<std::size_t>(out - begin));
  }
}

void ListFileReader::Feed(const char* data, std::size_t size, const std::function<void()>& meanwhile) {
  Meanwhile pending(meanwhile);
  // The mark may arrive a byte at a time (a pipe): the first bytes are held
  // back until they are a whole mark or cannot begin one.
  while (form_ == Form::kUndecided) {
    if (size == 0) return;
    head_[headSize_++] = *data++;
    --size;
    Decide();
  }
  if (form_ == Form::kBytes)
    text_.Feed(data, size, pending.Hand());
  else
    FeedUtf16(reinterpret_cast<const unsigned char*>(data), size);
}

void ListFileReader::Finish() {
  if (form_ == Form::kUndecided) {
    // Shorter than a mark, or the start of one and nothing more: plain bytes.
    text_.Feed(head_, headSize_);
  } else if (form_ != Form::kBytes) {
    char tail[8];
    char* out = tail;
    if (highSurrogate_) out = PutUtf8(out, kReplacementCharacter);
    if (oddByte_ >= 0) out = PutUtf8(out, kReplacementCharacter);
    text_.Feed(tail, static_cast<std::size_t>(out - tail));
  }
  text_.Finish();
  form_ = Form::kUndecided;
  headSize_ = 0;
  oddByte_ = -1;
  highSurrogate_ = 0;
}

void ReadListDescriptor(EntrySink& list, int fd, const numtext::Separators& sep) {
  ReadAll(list, fd, kReadBlockBytes, sep, {}, false);
}

void LoadListFile(EntrySink& list, const std::string& path, const numtext::Separators& sep,
                  const ShowMessageFn& showMessage, const LetEventsRun& letEventsRun) {
  auto notFound = [&] {
    if (showMessage) showMessage(kFileNotFoundMessage);
  };
  // The existence test and the check that only regular files are read share
  // one look at the path; it comes before opening, so a device is never
  // opened, and is repeated on the open file, so a swap in between is caught.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return notFound();
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return notFound();
    fsys::ThrowError(errno);
  }
  Descriptor file(fd);
  if (::fstat(fd, &st) != 0) fsys::ThrowError(errno);
  if (!S_ISREG(st.st_mode)) return notFound();
  // A small file gets a small buffer: a tree of many small files should not
  // cost a megabyte of fresh memory per file.
  std::size_t blockSize = kReadBlockBytes;
  if (st.st_size >= 0 && static_cast<unsigned long long>(st.st_size) < blockSize)
    blockSize = std::max<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, 4096);
  else
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  if (st.st_size > 0) list.ExpectBytes(static_cast<std::size_t>(st.st_size));
  // Events run only inside a file of several blocks: between files, the
  // caller decides.
  static const LetEventsRun kNone;
  const bool large = st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > blockSize;
  ReadAll(list, fd, blockSize, sep, large ? letEventsRun : kNone, large);
}
