#include "input/XmlPart.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace tallowmere::input {

namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

XmlPart::XmlPart(ChunkSource& source, std::string part) : source_(source), part_(std::move(part)) {
  // A spreadsheet never needs a DTD; a part that declares entities gets no
  // more than Qt's own expansion limit either way.
  xml_.setNamespaceProcessing(true);
}

bool XmlPart::Fail(SheetFailure failure, std::string detail) {
  if (problem_.Ok()) problem_ = SheetProblem{failure, std::move(detail)};
  return false;
}

bool XmlPart::FailAtLine(std::uint64_t line, bool early, std::string words) {
  if (!problem_.Ok()) return false;
  problemLine_ = line;
  problemEarly_ = early;
  problemWords_ = std::move(words);
  return Fail(SheetFailure::kMalformedXml, LineProblem(line));
}

std::string XmlPart::LineProblem(std::uint64_t line) const {
  if (problemEarly_) return part_ + ": the XML ends early (line " + std::to_string(line) + ")";
  return part_ + ", line " + std::to_string(line) + ": " + problemWords_;
}

SheetProblem XmlPart::ProblemAfterLines(std::uint64_t linesBefore) const {
  if (problemLine_ == 0 || linesBefore == 0) return problem_;
  return {problem_.failure, LineProblem(problemLine_ + linesBefore)};
}

bool XmlPart::Feed() {
  if (sourceEnded_) return false;
  chunk_.resize(static_cast<qsizetype>(kXmlChunkBytes));
  const std::size_t n = source_.Read(chunk_.data(), kXmlChunkBytes);
  if (n == 0) {
    sourceEnded_ = true;
    if (!source_.Failure().empty()) Fail(SheetFailure::kDamaged, part_ + ": " + source_.Failure());
    return false;
  }
  chunk_.resize(static_cast<qsizetype>(n));
  xml_.addData(chunk_);
  return true;
}

bool XmlPart::Next() {
  // The root element's end is the part's end: what follows it is read no
  // further, as the reader, fed in pieces, may end the document there or not.
  if (!problem_.Ok() || rootClosed_) return false;
  // A list still held shares the reader's own: the reader would copy it, and
  // the text its strings point into, at every element that follows.
  if (attributesTaken_) {
    attributes_ = QXmlStreamAttributes();
    attributesTaken_ = false;
  }
  for (;;) {
    const QXmlStreamReader::TokenType token = xml_.readNext();
    if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
      if (Feed()) continue;
      if (!problem_.Ok()) return false;
      return FailAtLine(static_cast<std::uint64_t>(xml_.lineNumber()), true, {});
    }
    if (xml_.hasError()) {
      return FailAtLine(static_cast<std::uint64_t>(xml_.lineNumber()), false, xml_.errorString().toStdString());
    }
    if (token == QXmlStreamReader::StartElement) ++depth_;
    if (token == QXmlStreamReader::EndElement && --depth_ == 0) rootClosed_ = true;
    return token != QXmlStreamReader::EndDocument;
  }
}

bool XmlPart::SkipElement() {
  for (std::size_t depth = 1; depth > 0;) {
    if (!Next()) return Problem().Ok() ? Fail(SheetFailure::kMalformedXml, part_ + ": the XML ends early") : false;
    if (IsStart()) ++depth;
    if (IsEnd()) --depth;
  }
  return true;
}

bool XmlPart::Finish() {
  while (Next()) {
  }
  return problem_.Ok();
}

// The reader makes a new list of attributes at each call: an element's are
// taken once, when first asked for.
const QXmlStreamAttributes& XmlPart::Attributes() const {
  if (!attributesTaken_) {
    attributes_ = xml_.attributes();
    attributesTaken_ = true;
  }
  return attributes_;
}

QStringView XmlPart::Attribute(QStringView name) const {
  for (const QXmlStreamAttribute& a : Attributes())
    if (a.name() == name) return a.value();
  return {};
}

QStringView XmlPart::Attribute(QStringView uri, QStringView name) const {
  for (const QXmlStreamAttribute& a : Attributes())
    if (a.name() == name && a.namespaceUri() == uri) return a.value();
  return {};
}

void AppendUtf8(std::string& out, QStringView text) {
  if (text.isEmpty()) return;
  // Cell values, references and types are ASCII: copied as they are, with
  // no byte array made for them.
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(text.size()));
  char* to = out.data() + start;
  for (const QChar c : text) {
    if (c.unicode() >= 0x80) {
      out.resize(start);
      break;
    }
    *to++ = static_cast<char>(c.unicode());
  }
  if (out.size() > start) return;
  const QByteArray utf8 = text.toUtf8();
  out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

bool StoredNumber(std::string_view text, double& value) {
  while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlSpace(text.back())) text.remove_suffix(1);
  // from_chars takes no leading '+'.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
  if (text.empty()) return false;
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

bool StoredNumber(QStringView text, double& value) {
  // Numbers are short ASCII; anything longer than this is no number a
  // spreadsheet writes (and from_chars needs contiguous chars).
  char ascii[128];
  if (text.size() >= static_cast<qsizetype>(sizeof ascii)) return false;
  std::size_t n = 0;
  for (QChar c : text) {
    if (c.unicode() >= 0x80) return false;
    ascii[n++] = static_cast<char>(c.unicode());
  }
  return StoredNumber(std::string_view(ascii, n), value);
}

bool StoredCount(QStringView text, std::uint64_t max, std::uint64_t& value) {
  if (text.isEmpty() || text.size() > 20) return false;
  std::uint64_t v = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
    const std::uint64_t digit = static_cast<std::uint64_t>(c.unicode() - u'0');
    if (v > (max - digit) / 10) return false;
    v = v * 10 + digit;
  }
  value = v;
  return true;
}

}  // namespace tallowmere::input
