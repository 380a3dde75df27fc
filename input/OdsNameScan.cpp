#include "input/OdsNameScan.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "core/Utf8.h"

namespace tallowmere::input {

namespace {

constexpr std::string_view kTableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::size_t kReadBytes = std::size_t{1} << 20;
// A comment or a tag longer than this is no spreadsheet program's: rather
// than hold the part, the scan gives up.
constexpr std::size_t kMostHeld = std::size_t{16} << 20;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Where the tag begun before `from` ends (its '>', which an attribute's
// value may hold too); npos while it goes on past the text.
std::size_t TagEnd(std::string_view text, std::size_t from) {
  char quote = 0;
  for (std::size_t i = from; i < text.size(); ++i) {
    const char c = text[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i;
    }
  }
  return std::string_view::npos;
}

// A character reference's character, as XML allows it; 0 for none.
char32_t ReferencedCharacter(std::string_view digits) {
  const bool hex = digits.starts_with('x');
  if (hex) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 8) return 0;
  std::uint32_t c = 0;
  for (const char d : digits) {
    const int v = d >= '0' && d <= '9'          ? d - '0'
                  : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                  : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                : -1;
    if (v < 0) return 0;
    c = c * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
  }
  const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
                       (c >= 0x10000 && c <= 0x10FFFF);
  return allowed ? char32_t{c} : 0;
}

// An attribute's value as XML reads it: references resolved, each tab, line
// end (CR LF one) and CR a space. False where XML would refuse it.
bool AttributeValue(std::string_view raw, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '<') return false;
    if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
    if (IsSpace(c)) {
      out += ' ';
    } else if (c != '&') {
      out += c;
    } else {
      const std::size_t semicolon = raw.find(';', i);
      if (semicolon == std::string_view::npos) return false;
      const std::string_view name = raw.substr(i + 1, semicolon - i - 1);
      static constexpr std::pair<std::string_view, char> kNamed[] = {
          {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
      char32_t ch = 0;
      for (const auto& [entity, value] : kNamed)
        if (name == entity) ch = static_cast<char32_t>(value);
      if (!ch && name.starts_with('#')) ch = ReferencedCharacter(name.substr(1));
      if (!ch) return false;
      char bytes[4];
      out.append(bytes, static_cast<std::size_t>(core::PutUtf8(bytes, ch) - bytes));
      i = semicolon;
    }
  }
  return true;
}

// Calls `take` with each attribute's name and raw value in a start tag's
// text after its name; false where they are not well-formed.
template <typename Take>
bool EachAttribute(std::string_view rest, Take&& take) {
  for (std::size_t i = 0;;) {
    while (i < rest.size() && IsSpace(rest[i])) ++i;
    if (i == rest.size()) return true;
    const std::size_t nameEnd = rest.find_first_of(" \t\r\n=", i);
    if (nameEnd == std::string_view::npos) return false;
    const std::string_view name = rest.substr(i, nameEnd - i);
    i = nameEnd;
    while (i < rest.size() && IsSpace(rest[i])) ++i;
    if (i == rest.size() || rest[i] != '=') return false;
    ++i;
    while (i < rest.size() && IsSpace(rest[i])) ++i;
    if (i == rest.size() || (rest[i] != '"' && rest[i] != '\'')) return false;
    const std::size_t close = rest.find(rest[i], i + 1);
    if (close == std::string_view::npos) return false;
    if (!take(name, rest.substr(i + 1, close - i - 1))) return false;
    i = close + 1;
  }
}

enum class Step { kDone, kMore, kCannotTell };

class NameScanner {
 public:
  explicit NameScanner(std::vector<std::string>& names) : names_(names) {}
  // Scans the markup of `text` from `at`; `at` then is where a markup the
  // text cuts begins (or its end).
  Step Scan(std::string_view text, std::size_t& at);
  // Whether the part was a whole document.
  bool Whole() const { return rootClosed_; }

 private:
  Step Markup(std::string_view text, std::size_t& at);
  Step Skip(std::string_view text, std::size_t& at, std::string_view open, std::string_view close);
  Step EndTag(std::string_view text, std::size_t& at);
  Step StartTag(std::string_view text, std::size_t& at);
  bool Root(std::string_view attributes);
  bool Table(std::string_view attributes);

  std::vector<std::string>& names_;
  std::string table_, spreadsheet_, nameAttribute_;  // the qualified names, with the root's prefixes
  bool begun_ = false, rooted_ = false, rootClosed_ = false;
  std::size_t depth_ = 0, body_ = 0;  // body: the depth of office:spreadsheet, as ReadOdsSheetNames counts
};

Step NameScanner::Scan(std::string_view text, std::size_t& at) {
  // A UTF-8 mark may begin the part (when its first piece holds it whole).
  if (!begun_) {
    const std::string_view head = text.substr(at), mark = "\xEF\xBB\xBF";
    if (head.size() < mark.size() && mark.starts_with(head)) return Step::kMore;
    begun_ = true;
    if (head.starts_with(mark)) at += mark.size();
  }
  for (;;) {
    const std::size_t lt = text.find('<', at);
    // Before the root only white space: a text in another encoding, or
    // none, is the XML reader's to judge.
    for (std::size_t i = at; !rooted_ && i < std::min(lt, text.size()); ++i)
      if (!IsSpace(text[i])) return Step::kCannotTell;
    if (lt == std::string_view::npos) {
      at = text.size();
      return Step::kDone;
    }
    at = lt;
    const Step step = Markup(text, at);
    if (step != Step::kDone) return step;
  }
}

Step NameScanner::Markup(std::string_view text, std::size_t& at) {
  const std::string_view from = text.substr(at);
  if (from.size() < 2) return Step::kMore;
  if (rootClosed_ && from[1] != '?' && from[1] != '!') return Step::kCannotTell;
  if (from[1] == '?') return Skip(text, at, "<?", "?>");
  if (from.starts_with("<!--")) return Skip(text, at, "<!--", "-->");
  if (from.starts_with("<![CDATA[")) return Skip(text, at, "<![CDATA[", "]]>");
  if (from[1] == '!') {
    // A document type, or the start of a comment or section yet to come.
    const bool mayBe = std::string_view("<!--").starts_with(from) || std::string_view("<![CDATA[").starts_with(from);
    return mayBe ? Step::kMore : Step::kCannotTell;
  }
  return from[1] == '/' ? EndTag(text, at) : StartTag(text, at);
}

Step NameScanner::Skip(std::string_view text, std::size_t& at, std::string_view open, std::string_view close) {
  const std::size_t end = text.find(close, at + open.size());
  if (end == std::string_view::npos) return Step::kMore;
  const std::string_view inside = text.substr(at, end - at);
  // Only UTF-8 is read as it is.
  if (open == "<?" && inside.starts_with("<?xml") && inside.find("encoding") != std::string_view::npos &&
      inside.find("UTF-8") == std::string_view::npos && inside.find("utf-8") == std::string_view::npos)
    return Step::kCannotTell;
  at = end + close.size();
  return Step::kDone;
}

Step NameScanner::EndTag(std::string_view text, std::size_t& at) {
  const std::size_t end = text.find('>', at);
  if (end == std::string_view::npos) return Step::kMore;
  if (depth_ == 0) return Step::kCannotTell;
  if (depth_-- == body_) body_ = 0;
  rootClosed_ = depth_ == 0;
  at = end + 1;
  return Step::kDone;
}

Step NameScanner::StartTag(std::string_view text, std::size_t& at) {
  const std::size_t end = TagEnd(text, at + 1);
  if (end == std::string_view::npos) return Step::kMore;
  std::string_view tag = text.substr(at + 1, end - at - 1);
  const bool empty = tag.ends_with('/');
  if (empty) tag.remove_suffix(1);
  std::size_t nameEnd = 0;
  while (nameEnd < tag.size() && !IsSpace(tag[nameEnd])) ++nameEnd;
  const std::string_view name = tag.substr(0, nameEnd), attributes = tag.substr(nameEnd);
  if (name.empty()) return Step::kCannotTell;
  if (!rooted_) {
    if (!Root(attributes)) return Step::kCannotTell;
  } else if (attributes.find("xmlns") != std::string_view::npos) {
    return Step::kCannotTell;  // a namespace declared further in
  }
  at = end + 1;
  if (body_ > 0 && depth_ == body_ && name == table_) {
    if (!Table(attributes)) return Step::kCannotTell;
  } else if (body_ == 0 && name == spreadsheet_) {
    if (!empty) body_ = depth_ + 1;
  }
  if (!empty) ++depth_;
  rootClosed_ = depth_ == 0;
  return Step::kDone;
}

bool NameScanner::Root(std::string_view attributes) {
  std::string table, office;
  std::vector<std::string_view> declared;
  const bool formed = EachAttribute(attributes, [&](std::string_view name, std::string_view value) {
    if (name == "xmlns") return false;  // a default namespace: names without a prefix
    if (!name.starts_with("xmlns:")) return true;
    // A prefix declared twice: which one the reader keeps is its business.
    if (std::find(declared.begin(), declared.end(), name) != declared.end()) return false;
    declared.push_back(name);
    if (value != kTableNs && value != kOfficeNs) return true;
    std::string& prefix = value == kTableNs ? table : office;
    if (!prefix.empty()) return false;  // two prefixes for one namespace
    prefix = name.substr(6);
    return true;
  });
  if (!formed || table.empty() || office.empty()) return false;
  table_ = table + ":table";
  nameAttribute_ = table + ":name";
  spreadsheet_ = office + ":spreadsheet";
  rooted_ = true;
  return true;
}

bool NameScanner::Table(std::string_view attributes) {
  std::string name;
  const bool formed = EachAttribute(attributes, [&](std::string_view attribute, std::string_view value) {
    return attribute != nameAttribute_ || AttributeValue(value, name);
  });
  if (formed) names_.push_back(std::move(name));
  return formed;
}

}  // namespace

std::optional<SheetProblem> ScanOdsSheetNames(ChunkSource& content, std::vector<std::string>& names) {
  names.clear();
  NameScanner scanner(names);
  std::string held;
  for (;;) {
    const std::size_t kept = held.size();
    held.resize(kept + kReadBytes);
    const std::size_t got = content.Read(held.data() + kept, kReadBytes);
    held.resize(kept + got);
    if (got == 0 && !content.Failure().empty())
      return SheetProblem{SheetFailure::kDamaged, "content.xml: " + content.Failure()};
    std::size_t at = 0;
    if (scanner.Scan(held, at) == Step::kCannotTell) return std::nullopt;
    held.erase(0, at);
    if (got == 0) return held.empty() && scanner.Whole() ? std::optional(SheetProblem{}) : std::nullopt;
    if (held.size() > kMostHeld) return std::nullopt;
  }
}

}  // namespace tallowmere::input
