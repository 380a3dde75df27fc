#pragma once
// One XML part of a spreadsheet read token by token with QXmlStreamReader,
// fed from a ChunkSource as the reader runs short, so that a part of any size
// is parsed in a buffer of one chunk. The readers of each kind of part walk
// its tokens; this is where the feeding, the end and the errors are handled.
#include <QByteArray>
#include <QStringView>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "input/ChunkSource.h"
#include "input/SheetProblem.h"

namespace tallowmere::input {

// A part is read from its source this much at a time: big enough that the
// reader's per-chunk work is lost in the parsing, small against a part of
// 100 MB.
inline constexpr std::size_t kXmlChunkBytes = 64 * 1024;

class XmlPart {
 public:
  // `part` names the part in problems ("content.xml", "xl/workbook.xml").
  XmlPart(ChunkSource& source, std::string part);
  XmlPart(const XmlPart&) = delete;
  XmlPart& operator=(const XmlPart&) = delete;

  // Moves to the next token: true while there is one, false at the end of
  // the document or at a problem (then Problem() says which).
  bool Next();
  // Reads on to the end of the element whose start is the current token.
  bool SkipElement();
  // Reads on to the end of the document, where a part must end well.
  bool Finish();
  const SheetProblem& Problem() const { return problem_; }
  // The problem as it reads where this part's text began after `linesBefore`
  // lines of a larger text: the line it names counted on by them. A part
  // read from a cut in a worksheet says where in the whole it went wrong.
  SheetProblem ProblemAfterLines(std::uint64_t linesBefore) const;

  QXmlStreamReader& xml() { return xml_; }
  bool IsStart() const { return xml_.tokenType() == QXmlStreamReader::StartElement; }
  bool IsEnd() const { return xml_.tokenType() == QXmlStreamReader::EndElement; }
  bool IsText() const { return xml_.tokenType() == QXmlStreamReader::Characters; }
  // The current element's local name is `name` (and its namespace `uri`,
  // where one is given).
  bool Is(QStringView name) const { return xml_.name() == name; }
  bool Is(QStringView uri, QStringView name) const { return xml_.name() == name && xml_.namespaceUri() == uri; }
  // An attribute of the current start element by local name, with or
  // without its namespace; empty when it is not there.
  QStringView Attribute(QStringView name) const;
  QStringView Attribute(QStringView uri, QStringView name) const;
  const std::string& part() const { return part_; }

 private:
  bool Feed();
  bool Fail(SheetFailure failure, std::string detail);
  // Malformed XML at `line`: in the reader's `words`, or ending `early`.
  bool FailAtLine(std::uint64_t line, bool early, std::string words);
  std::string LineProblem(std::uint64_t line) const;
  const QXmlStreamAttributes& Attributes() const;

  ChunkSource& source_;
  std::string part_;
  QXmlStreamReader xml_;
  QByteArray chunk_;
  bool sourceEnded_ = false;
  std::size_t depth_ = 0;
  bool rootClosed_ = false;
  mutable QXmlStreamAttributes attributes_;
  mutable bool attributesTaken_ = false;
  SheetProblem problem_;
  std::uint64_t problemLine_ = 0;  // where the problem names a line
  bool problemEarly_ = false;
  std::string problemWords_;
};

// The UTF-8 of an XML text, appended to `out`.
void AppendUtf8(std::string& out, QStringView text);

// A number as the file stores it, exactly (std::from_chars, shortest
// round trip): false for anything but one finite number, surrounding
// white space allowed.
bool StoredNumber(QStringView text, double& value);
bool StoredNumber(std::string_view text, double& value);

// A whole number of at most `max`, as attributes hold counts and indices:
// false for anything else.
bool StoredCount(QStringView text, std::uint64_t max, std::uint64_t& value);

}  // namespace tallowmere::input
