#pragma once
// What a reader needs to parse a sheet's XML from a row in the middle of its
// rows as the whole part's reader would: the elements open there (the root
// to a worksheet's sheetData, or to an OpenDocument table) as start tags with
// their namespace declarations, so that prefixes and end tags resolve alike.
// Written down from the tokens before the rows' parent begins. A part that
// declares a DTD (its entities would be missing) or another encoding than
// UTF-8 is not to be read so.
#include <QStringView>
#include <QXmlStreamReader>
#include <cstddef>
#include <string>
#include <vector>

namespace tallowmere::input {

class PartHead {
 public:
  // Notes the reader's current token, one before the rows' parent's start or
  // that start itself.
  void Note(const QXmlStreamReader& xml);
  // The element whose start was noted last was read to its end.
  void Left() {
    if (!open_.empty()) open_.pop_back();
  }
  bool Splittable() const { return splittable_ && !open_.empty(); }
  // The start tags of the open elements, outermost first, in one line.
  std::string Markup() const;
  std::size_t Depth() const { return open_.size(); }
  // The innermost open element's qualified name (the rows' parent's), in UTF-8.
  const std::string& InnerName() const { return open_.back().name; }

 private:
  struct Open {
    std::string tag;   // the start tag, its namespace declarations only
    std::string name;  // the qualified name
  };
  std::vector<Open> open_;
  bool splittable_ = true;
};

// `text` as the value of an attribute in double quotes, read back to the
// same text: '&', '<', '"' and the white space that would be normalised
// written as references.
std::string AttributeText(QStringView text);

}  // namespace tallowmere::input
