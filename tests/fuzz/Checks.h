#pragma once
// The properties the fuzz targets hold the number texts and the list-file
// reader to. Each check takes one raw input and returns an empty text when
// every property holds, otherwise a description of the first one broken.
// The libFuzzer targets abort on a description; the normal test suite runs
// the same checks over the committed corpus and over every input that once
// broke a property, so a finding stays fixed in the g++ and sanitizer builds.
//
// Header-only and free of Qt and GoogleTest: the fuzz targets are built by
// clang straight from the few sources they need.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "input/EntrySink.h"
#include "input/ListFile.h"
#include "numtext/EntryValue.h"
#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"
#include "numtext/NumberText.h"
#include "stats/Arithmetic.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::input;

namespace fuzzcheck {

using numtext::Separators;

// The separator sets every number check runs with: the one most users have,
// its mirror image (',' decimal, '.' grouping), and a multi-byte grouping
// separator (U+202F, as French locales group digits), whose partial bytes are
// where an off-by-one in a look-ahead would show.
inline const std::vector<Separators>& SeparatorSets() {
  static const std::vector<Separators> sets = {{".", ","}, {",", "."}, {",", "\u202F"}};
  return sets;
}

inline std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    }
  }
  return out + '"';
}

inline std::string Describe(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

inline std::string With(const Separators& sep) {
  return " (decimal " + Quoted(sep.decimal) + ", group " + Quoted(sep.group) + ")";
}

// The failure description of an ArithmeticError, or "" when `f` returns.
// Anything else thrown is a broken property in every check here.
template <typename F>
std::string ArithmeticFailureOf(F&& f, std::string& other) {
  try {
    f();
  } catch (const ArithmeticError& e) {
    return e.what();
  } catch (const std::exception& e) {
    other = std::string("unexpected exception: ") + e.what();
  } catch (...) {
    other = "unexpected exception of unknown type";
  }
  return "";
}

// Distance allowed between a value and the value of its text rounded to ten
// decimals: half a unit of the tenth decimal, plus two steps of the double
// grid at that magnitude for the two roundings to double.
inline double TenDecimalsTolerance(double v) {
  const double a = std::fabs(v);
  return 0.5e-10 + 2.0 * (std::nextafter(a, INFINITY) - a);
}

// ------------------------------------------------------------ the number test

// For any text and each separator set: IsNumeric and NumericValue agree (a
// numeric text gives a finite value and never throws; any other text throws
// "Type mismatch" or "Overflow"); FormatTenDecimals returns a text that is not
// numeric unchanged and turns a numeric one into a numeric text within half a
// unit of the tenth decimal; DecimalValue and ToInteger16 fail only with the
// two arithmetic descriptions and give finite, nearby values otherwise.
inline std::string CheckNumberTest(std::string_view text) {
  for (const Separators& sep : SeparatorSets()) {
    const std::string where = " for " + Quoted(text) + With(sep);
    const bool numeric = numtext::IsNumeric(text, sep);

    double value = 0.0;
    std::string other;
    std::string error = ArithmeticFailureOf([&] { value = numtext::NumericValue(text, sep); }, other);
    if (!other.empty()) return "NumericValue: " + other + where;
    if (numeric) {
      if (!error.empty()) return "NumericValue threw \"" + error + "\" on a numeric text" + where;
      if (!std::isfinite(value)) return "NumericValue gave " + Describe(value) + where;
    } else if (error != kTypeMismatch && error != kOverflow) {
      return "NumericValue of a text the number test refuses gave " +
             (error.empty() ? Describe(value) : "\"" + error + "\"") + where;
    }

    std::string ten;
    error = ArithmeticFailureOf([&] { ten = numtext::FormatTenDecimals(text, sep); }, other);
    if (!other.empty() || !error.empty()) return "FormatTenDecimals threw " + other + error + where;
    if (!numeric) {
      if (ten != text) return "FormatTenDecimals changed a text that is not numeric into " + Quoted(ten) + where;
    } else {
      if (!numtext::IsNumeric(ten, sep)) return "FormatTenDecimals gave " + Quoted(ten) + ", not numeric" + where;
      double tenValue = 0.0;
      error = ArithmeticFailureOf([&] { tenValue = numtext::NumericValue(ten, sep); }, other);
      if (!other.empty() || !error.empty())
        return "NumericValue of FormatTenDecimals' " + Quoted(ten) + " threw" + where;
      if (!(std::fabs(tenValue - value) <= TenDecimalsTolerance(value)))
        return "FormatTenDecimals gave " + Quoted(ten) + ", too far from " + Describe(value) + where;
    }

    for (int places : {0, 1, 3, 10, -2, INT_MIN, INT_MAX}) {
      double rounded = 0.0;
      error = ArithmeticFailureOf([&] { rounded = numtext::DecimalValue(text, true, places, sep); }, other);
      const std::string call = "DecimalValue(places " + std::to_string(places) + ")";
      if (!other.empty()) return call + ": " + other + where;
      if (!numeric) {
        if (error != kTypeMismatch && error != kOverflow) return call + " accepted a text that is not numeric" + where;
      } else if (error.empty()) {
        if (!std::isfinite(rounded)) return call + " gave " + Describe(rounded) + where;
      } else if (error != kOverflow) {
        return call + " threw \"" + error + "\" on a numeric text" + where;
      }
    }

    std::int16_t whole = 0;
    error = ArithmeticFailureOf([&] { whole = numtext::ToInteger16(text, sep); }, other);
    if (!other.empty()) return "ToInteger16: " + other + where;
    if (!numeric) {
      if (error != kTypeMismatch && error != kOverflow)
        return "ToInteger16 accepted a text that is not numeric" + where;
    } else if (error.empty()) {
      if (!(std::fabs(whole - value) <= 0.5))
        return "ToInteger16 gave " + std::to_string(whole) + " for " + Describe(value) + where;
    } else if (error != kOverflow) {
      return "ToInteger16 threw \"" + error + "\" on a numeric text" + where;
    } else if (std::fabs(value) < 32767.0) {
      return "ToInteger16 overflowed on " + Describe(value) + where;
    }

    // A text the locale reads strictly is worth what the number test reads;
    // any other line of a list file keeps its leading number, which may
    // overflow as it always could (the test accepts a huge mantissa that a
    // tiny exponent brings back into range, "1,2…9E-999").
    const bool strict = numtext::IsStrictlyNumeric(text, sep);
    if (strict && !numeric) return "IsStrictlyNumeric accepted a text the number test refuses" + where;
    if (numeric) {
      double listValue = 0.0;
      error = ArithmeticFailureOf([&] { listValue = numtext::ListEntryValue(text, sep); }, other);
      if (!other.empty() || (!error.empty() && (strict || error != kOverflow)))
        return "ListEntryValue threw " + other + error + where;
      if (error.empty() && !std::isfinite(listValue)) return "ListEntryValue gave " + Describe(listValue) + where;
      if (error.empty() && strict && !numtext::IsPlainNumber(text) &&
          std::bit_cast<std::uint64_t>(listValue) != std::bit_cast<std::uint64_t>(value))
        return "ListEntryValue gave " + Describe(listValue) + ", the number test's value is " + Describe(value) + where;
    }
  }
  return "";
}

// ------------------------------------------------------- the leading number

// For any text: LeadingNumber gives a finite value or throws "Overflow", and
// nothing else; what follows the text cannot change a number that has already
// ended ("x" ends any number); and a text that the number test with '.' as the
// decimal separator accepts, with no grouping in it, reads as the same value.
inline std::string CheckLeadingNumber(std::string_view text) {
  const std::string where = " for " + Quoted(text);
  double value = 0.0;
  std::string other;
  const std::string error = ArithmeticFailureOf([&] { value = numtext::LeadingNumber(text); }, other);
  if (!other.empty()) return "LeadingNumber: " + other + where;
  if (!error.empty() && error != kOverflow) return "LeadingNumber threw \"" + error + "\"" + where;
  if (error.empty() && !std::isfinite(value)) return "LeadingNumber gave " + Describe(value) + where;

  const std::string extended = std::string(text) + "x";
  double extendedValue = 0.0;
  const std::string extendedError =
      ArithmeticFailureOf([&] { extendedValue = numtext::LeadingNumber(extended); }, other);
  if (!other.empty()) return "LeadingNumber: " + other + " for " + Quoted(extended);
  if (extendedError != error || std::bit_cast<std::uint64_t>(extendedValue) != std::bit_cast<std::uint64_t>(value))
    return "a trailing \"x\" changed the leading number from " + (error.empty() ? Describe(value) : error) + " to " +
           (extendedError.empty() ? Describe(extendedValue) : extendedError) + where;

  const Separators dot{".", ","};
  if (text.find(',') == std::string_view::npos && numtext::IsNumeric(text, dot)) {
    if (!error.empty()) return "LeadingNumber overflowed on a text inside the double range" + where;
    const double expected = numtext::NumericValue(text, dot);
    if (std::bit_cast<std::uint64_t>(expected) != std::bit_cast<std::uint64_t>(value))
      return "LeadingNumber gave " + Describe(value) + ", the number test's value is " + Describe(expected) + where;
  }
  return "";
}

// --------------------------------------------------------- the list-file reader

class RecordingSink : public EntrySink {
 public:
  std::vector<std::string> entries;
  void Append(std::string_view text) override { entries.emplace_back(text); }
};

// A small deterministic generator: the input's first byte seeds every choice,
// so a finding replays exactly.
class Choices {
 public:
  explicit Choices(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  std::uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }

 private:
  std::uint32_t state_;
};

// What the reader must append, worked out the plain way: split at every CR
// and at every LF, drop what is empty or longer than the reader takes, keep
// what the number test of list lines accepts (its general reading, without
// the quick path).
inline std::vector<std::string> ReferenceEntries(std::string_view text, const Separators& sep) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    const std::string_view candidate = text.substr(start, i - start);
    if (!candidate.empty() && candidate.size() <= kMaxCandidateBytes &&
        numtext::detail::GeneralListLine(candidate, sep) != numtext::ListLine::kNotNumber)
      out.emplace_back(candidate);
    start = i + 1;
  }
  return out;
}

inline void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  char bytes[4];
  int n = 0;
  if (c < 0x800) {
    bytes[n++] = static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    bytes[n++] = static_cast<char>(0xE0 | (c >> 12));
    bytes[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    bytes[n++] = static_cast<char>(0xF0 | (c >> 18));
    bytes[n++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  bytes[n++] = static_cast<char>(0x80 | (c & 0x3F));
  out.append(bytes, static_cast<std::size_t>(n));
}

// UTF-16 code units from byte `from` on, the plain way: a high and a low
// surrogate in a row are one character, any other surrogate U+FFFD, and an
// odd last byte U+FFFD too.
inline std::string ReferenceUtf16(std::string_view bytes, std::size_t from, bool little) {
  std::vector<char32_t> units;
  for (std::size_t i = from; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(little ? first + 256u * second : 256u * first + second);
  }
  auto high = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
  auto low = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
  std::string text;
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (high(units[i]) && i + 1 < units.size() && low(units[i + 1])) {
      AppendUtf8(text, 0x10000 + (units[i] - 0xD800) * 0x400 + (units[i + 1] - 0xDC00));
      ++i;
    } else {
      AppendUtf8(text, high(units[i]) || low(units[i]) ? char32_t{0xFFFD} : units[i]);
    }
  }
  if ((bytes.size() - from) % 2 == 1) AppendUtf8(text, 0xFFFD);
  return text;
}

// UTF-32 code units from byte `from` on: one that is no character (a
// surrogate, or beyond U+10FFFF) is U+FFFD, and so is an incomplete last one.
inline std::string ReferenceUtf32(std::string_view bytes, std::size_t from, bool little) {
  std::string text;
  for (std::size_t i = from; i + 3 < bytes.size(); i += 4) {
    char32_t u = 0;
    for (std::size_t k = 0; k < 4; ++k)
      u |= char32_t{static_cast<unsigned char>(bytes[i + k])} << (8 * (little ? k : 3 - k));
    AppendUtf8(text, u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : u);
  }
  if ((bytes.size() - from) % 4 != 0) AppendUtf8(text, 0xFFFD);
  return text;
}

// The text a list file's bytes stand for, worked out the plain way, the
// whole file at once: a UTF-8 byte-order mark at the start is dropped; after
// a UTF-32 one (FF FE 00 00 little-endian, 00 00 FE FF big-endian) or a
// UTF-16 one (FF FE, FE FF) the code units become characters. Without a mark
// the file is UTF-16 when its first 512 bytes (or all of a shorter file) hold
// two whole code units or more and every one of them is a printable ASCII
// character, a tab, a CR or an LF, with the high byte NUL. Any other file is
// its bytes.
inline std::string ReferenceListText(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (bytes.starts_with("\xFF\xFE\0\0"sv)) return ReferenceUtf32(bytes, 4, true);
  if (bytes.starts_with("\0\0\xFE\xFF"sv)) return ReferenceUtf32(bytes, 4, false);
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return ReferenceUtf16(bytes, 2, true);
  if (bytes.starts_with("\xFE\xFF")) return ReferenceUtf16(bytes, 2, false);
  const std::string_view first = bytes.substr(0, 512);
  auto ascii = [](unsigned char c) { return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r'; };
  bool little = first.size() >= 4, big = first.size() >= 4;
  for (std::size_t i = 0; i + 1 < first.size(); i += 2) {
    const auto a = static_cast<unsigned char>(first[i]), b = static_cast<unsigned char>(first[i + 1]);
    little = little && b == 0 && ascii(a);
    big = big && a == 0 && ascii(b);
  }
  if (little || big) return ReferenceUtf16(bytes, 0, little);
  return std::string(bytes);
}

// Texts at least this long are read in parts, the number test shared with a
// second thread; a fuzz input is seldom this long by itself.
inline constexpr std::size_t kLargeListBytes = std::size_t{80} << 10;

// The list-file text an input stands for: its first byte chooses the
// separators (bit 0) and seeds the line ends: every LF of the rest becomes
// LF, CR or CR LF at random (a CR already there stays). A large text repeats
// the rest until it holds kLargeListBytes, each copy with line ends of its
// own.
struct ListInput {
  Separators sep;
  std::string text;
  std::uint32_t seed = 0;
};

inline ListInput MakeListInput(std::string_view data, bool large = false) {
  ListInput in;
  if (data.empty()) return in;
  const auto control = static_cast<unsigned char>(data[0]);
  in.sep = (control & 1) ? Separators{",", "."} : Separators{".", ","};
  in.seed = control;
  std::string body(data.substr(1));
  if (large && !body.empty()) {
    const std::string once = body;
    while (body.size() < kLargeListBytes) body += once;
  }
  Choices choose(control);
  for (char c : body) {
    if (c != '\n') {
      in.text += c;
      continue;
    }
    switch (choose.Next() % 3) {
      case 0:
        in.text += '\n';
        break;
      case 1:
        in.text += '\r';
        break;
      default:
        in.text += "\r\n";
        break;
    }
  }
  return in;
}

// The same text behind a byte-order mark, as Windows tools write it. The
// input's first byte, less its separator bit, chooses the mark (modulo
// five): UTF-8, the text as it is behind it; UTF-16 or UTF-32, little-endian
// or big-endian, each byte of the text widened to one code unit (so read as
// Latin-1, and an ASCII text stands for itself). `text` is what the bytes
// stand for, in UTF-8.
struct MarkedListInput {
  std::string bytes;
  std::string text;
};

inline MarkedListInput MarkListText(std::string_view text, std::uint32_t seed) {
  MarkedListInput out;
  const unsigned form = (seed >> 1) % 5;
  if (form == 0) {
    out.bytes = "\xEF\xBB\xBF" + std::string(text);
    out.text = text;
    return out;
  }
  // FF FE 00 00 is UTF-32's mark: a UTF-16 text that begins with NUL is
  // written big-endian, as it could not be told apart otherwise.
  const bool little = form % 2 == 1 && !(form == 1 && text.starts_with('\0'));
  const std::size_t zeros = form <= 2 ? 1 : 3;  // the high bytes of each unit
  if (zeros == 1)
    out.bytes = little ? "\xFF\xFE" : "\xFE\xFF";
  else
    out.bytes = little ? std::string("\xFF\xFE\0\0", 4) : std::string("\0\0\xFE\xFF", 4);
  out.bytes.reserve(out.bytes.size() + (zeros + 1) * text.size());
  for (char c : text) {
    if (little) out.bytes += c;
    out.bytes.append(zeros, '\0');
    if (!little) out.bytes += c;
    AppendUtf8(out.text, static_cast<unsigned char>(c));
  }
  return out;
}

// How much of the text the next Feed gets: mostly a few bytes, sometimes
// more than a candidate may hold, sometimes all that is left.
inline std::size_t PieceLength(Choices& choose) {
  switch (choose.Next() % 8) {
    case 0:
      return kMaxCandidateBytes + choose.Next() % 1024;
    case 1:
      return kLargeListBytes;
    default:
      return choose.Next() % 64;
  }
}

inline std::string DescribeEntries(const std::vector<std::string>& entries) {
  std::string out = "[";
  for (std::size_t i = 0; i < entries.size() && i < 8; ++i) out += (i ? ", " : "") + Quoted(entries[i]);
  if (entries.size() > 8) out += ", ... " + std::to_string(entries.size()) + " in all";
  return out + "]";
}

// A fresh file each time rather than a truncated one: ext4 flushes a file
// rewritten after truncation to the disk on close, which would make every
// execution wait for the disk.
inline bool WriteWholeFile(const std::string& path, std::string_view text) {
  ::unlink(path.c_str());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return ::close(fd) == 0 && done == text.size();
}

// `bytes` written to `scratchPath` and read by LoadListFile: nothing is
// reported and nothing thrown; every entry passes the number test and holds
// no line end; the entries are `expected`.
inline std::string CheckLoadsAs(std::string_view bytes, const std::vector<std::string>& expected,
                                const std::string& scratchPath, const Separators& sep) {
  auto where = [&] { return " for " + Quoted(bytes) + With(sep); };
  if (!WriteWholeFile(scratchPath, bytes)) return "cannot write the scratch file " + scratchPath;
  RecordingSink sink;
  std::string shown;
  try {
    LoadListFile(sink, scratchPath, sep, [&](const std::string& path, NotRead) { shown += "not read: " + path; });
  } catch (const std::exception& e) {
    return std::string("LoadListFile threw: ") + e.what() + where();
  } catch (...) {
    return "LoadListFile threw an exception of unknown type" + where();
  }
  if (!shown.empty()) return "LoadListFile showed \"" + shown + "\" for an existing file" + where();
  for (const std::string& entry : sink.entries) {
    if (entry.find_first_of("\r\n") != std::string::npos)
      return "an entry holds a line end: " + Quoted(entry) + where();
    if (numtext::TestListLine(entry, sep) == numtext::ListLine::kNotNumber)
      return "an entry fails the number test: " + Quoted(entry) + where();
  }
  if (sink.entries != expected)
    return "LoadListFile appended " + DescribeEntries(sink.entries) + ", expected " + DescribeEntries(expected) +
           where();
  return "";
}

// `bytes` fed to a Reader (ListFileReader or ListTextReader) in random
// pieces, which `seed` cuts, give `expected`.
template <class Reader>
std::string CheckFeedsAs(std::string_view bytes, const std::vector<std::string>& expected, const Separators& sep,
                         std::uint32_t seed, const char* name) {
  RecordingSink pieces;
  Reader reader(pieces, sep);
  Choices choose(seed);
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = std::min(bytes.size() - at, PieceLength(choose));
    reader.Feed(bytes.data() + at, length);
    at += length;
  }
  reader.Finish();
  if (pieces.entries != expected)
    return std::string(name) + " fed in pieces appended " + DescribeEntries(pieces.entries) + ", expected " +
           DescribeEntries(expected) + " for " + Quoted(bytes) + With(sep);
  return "";
}

// For any bytes with any line ends (see MakeListInput; `large` makes the
// text large): read as a list file, they give the reference split of the
// text they stand for (ReferenceListText: the same bytes, unless they begin
// with a byte-order mark or read as UTF-16 without one). Fed in random pieces to ListTextReader, which
// takes text as it is, they give the reference split of the bytes
// themselves (checked when the two differ: otherwise the list file's reader
// hands the pieces on as they are). And the text behind a byte-order mark
// (MarkListText) reads as that text does without one.
inline std::string CheckListFile(std::string_view data, const std::string& scratchPath, bool large = false) {
  const ListInput in = MakeListInput(data, large);
  const std::string text = ReferenceListText(in.text);
  const std::vector<std::string> expected = ReferenceEntries(text, in.sep);
  std::string broken = CheckLoadsAs(in.text, expected, scratchPath, in.sep);
  if (broken.empty())
    broken = CheckFeedsAs<ListFileReader>(in.text, expected, in.sep, in.seed ^ 0x5Au, "ListFileReader");
  if (broken.empty() && text != in.text)
    broken = CheckFeedsAs<ListTextReader>(in.text, ReferenceEntries(in.text, in.sep), in.sep, in.seed ^ 0xA5u,
                                          "ListTextReader");
  if (!broken.empty()) return broken;

  const MarkedListInput marked = MarkListText(in.text, in.seed);
  const std::vector<std::string> markedExpected = ReferenceEntries(marked.text, in.sep);
  broken = CheckLoadsAs(marked.bytes, markedExpected, scratchPath, in.sep);
  if (broken.empty())
    broken = CheckFeedsAs<ListFileReader>(marked.bytes, markedExpected, in.sep, in.seed ^ 0x5Au, "ListFileReader");
  return broken;
}

// ------------------------------------------------------------- the round trip

// "%.15g" as the C library writes it, with '.' whatever the C locale says,
// an upper-case exponent marker and a negative zero without its sign: what
// NumberText must give with '.' as the decimal separator.
inline std::string Reference15g(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  std::string text = buf;
  const char* point = std::localeconv()->decimal_point;
  if (point && std::strcmp(point, ".") != 0) {
    if (auto at = text.find(point); at != std::string::npos) text.replace(at, std::strlen(point), ".");
  }
  for (char& c : text)
    if (c == 'e') c = 'E';
  if (text == "-0") text = "0";
  return text;
}

// Fifteen digits of the few doubles within half a unit of the fifteenth digit
// of the largest one (1.7976931348623157E+308) round up to this text, whose
// value lies beyond the double range.
inline const std::string kBeyondRange15 = "1.79769313486232E+308";

// For every finite double spelled by the input's bytes (eight at a time) and
// each separator set: NumberText is "%.15g" with the set's decimal separator;
// it passes the number test; its value is finite and has the same number
// text; LeadingNumber reads the '.' form to the same value. The only
// exception are the doubles whose text is kBeyondRange15: that text is
// refused by the number test and overflows.
inline std::string CheckRoundTrip(std::string_view data) {
  for (std::size_t at = 0; at < data.size(); at += 8) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, data.data() + at, std::min<std::size_t>(8, data.size() - at));
    const double v = std::bit_cast<double>(bytes);
    if (!std::isfinite(v)) continue;
    const std::string reference = Reference15g(v);
    for (const Separators& sep : SeparatorSets()) {
      const std::string where = " for " + Describe(v) + With(sep);
      std::string expected = reference;
      if (auto point = expected.find('.'); point != std::string::npos) expected.replace(point, 1, sep.decimal);
      const std::string text = numtext::NumberText(v, sep);
      if (text != expected) return "NumberText gave " + Quoted(text) + ", expected " + Quoted(expected) + where;
      if (reference == kBeyondRange15 || reference == "-" + kBeyondRange15) {
        // No fifteen-digit text reads back to these doubles; the number test
        // must refuse it rather than read some other value.
        std::string other;
        if (numtext::IsNumeric(text, sep)) return "the number test accepts " + Quoted(text) + where;
        const std::string error = ArithmeticFailureOf([&] { numtext::NumericValue(text, sep); }, other);
        if (error != kOverflow) return "NumericValue(" + Quoted(text) + ") did not overflow" + where;
        continue;
      }
      if (!numtext::IsNumeric(text, sep)) return "the number test refuses NumberText's " + Quoted(text) + where;
      double back = 0.0;
      std::string other;
      const std::string error = ArithmeticFailureOf([&] { back = numtext::NumericValue(text, sep); }, other);
      if (!other.empty() || !error.empty()) return "NumericValue(" + Quoted(text) + ") threw " + other + error + where;
      if (!std::isfinite(back)) return "NumericValue(" + Quoted(text) + ") gave " + Describe(back) + where;
      const std::string again = numtext::NumberText(back, sep);
      if (again != text)
        return "read back as " + Describe(back) + ", whose number text is " + Quoted(again) + ", not " + Quoted(text) +
               where;
      if (sep.decimal == ".") {
        double leading = 0.0;
        const std::string leadingError = ArithmeticFailureOf([&] { leading = numtext::LeadingNumber(text); }, other);
        if (!other.empty() || !leadingError.empty())
          return "LeadingNumber(" + Quoted(text) + ") threw " + other + leadingError;
        if (std::bit_cast<std::uint64_t>(leading) != std::bit_cast<std::uint64_t>(back))
          return "LeadingNumber(" + Quoted(text) + ") gave " + Describe(leading) + ", NumericValue " + Describe(back);
      }
    }
  }
  return "";
}

}  // namespace fuzzcheck
