// The sheet names of content.xml found by the scan of its markup: the names
// the XML reader finds (ReadOdsSheetNames, the oracle of every row that has
// an answer), in chunks of any size, and no answer where the part is not in
// the form the scan relies on.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "input/ChunkSource.h"
#include "input/OdsContent.h"
#include "input/OdsNameScan.h"

using namespace tallowmere::input;

namespace {

const std::string kNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"";

std::string Content(const std::string& body, const std::string& root = kNamespaces,
                    const std::string& prolog = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") {
  return prolog + "<office:document-content" + root +
         "><office:automatic-styles><table:table table:name=\"not a sheet\"/></office:automatic-styles>"
         "<office:body><office:spreadsheet>" +
         body + "</office:spreadsheet></office:body></office:document-content>\n";
}

std::string Table(const std::string& name, const std::string& inside = "") {
  return "<table:table table:name=\"" + name + "\" table:style-name=\"ta1\">" + inside +
         "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"1\"><text:p>1</text:p>"
         "</table:table-cell></table:table-row></table:table>";
}

using Names = std::vector<std::string>;

struct Row {
  const char* name;
  std::string xml;
  std::optional<Names> expected;  // none: the scan cannot tell
};

TEST(ScanOdsSheetNames, FindsTheNamesTheXmlReaderFinds) {
  const std::string cellTable =
      "<table:table-row><table:table-cell>" + Table("inner") + "</table:table-cell></table:table-row>";
  const Row rows[] = {
      {"two sheets as Calc writes them", Content(Table("Lab") + Table("Notes")), Names{"Lab", "Notes"}},
      {"references in a name", Content(Table("Donn&#xE9;es &amp; 1") + Table("&lt;&#9731;&gt;&quot;&apos;")),
       Names{"Donn\xC3\xA9"
             "es & 1",
             "<\xE2\x98\x83>\"'"}},
      {"tabs and line ends in a name become spaces", Content(Table("a\tb\r\nc\nd")), Names{"a b c d"}},
      {"a sheet that is one empty tag", Content("<table:table table:name=\"E\"/>" + Table("F")), Names{"E", "F"}},
      {"a table inside a cell is no sheet", Content(Table("Outer", cellTable)), Names{"Outer"}},
      {"a table in a comment or a section is none",
       Content("<!-- <table:table table:name=\"c\"> --><![CDATA[<table:table table:name=\"d\">]]>" + Table("S")),
       Names{"S"}},
      {"a '>' and a quote in values before the name",
       Content("<table:table table:style-name='a>b\"c' table:name='single'></table:table>"), Names{"single"}},
      {"other prefixes, well-formed",
       "<o:document-content xmlns:o=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
       "xmlns:t=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\"><o:body><o:spreadsheet>"
       "<t:table t:name=\"P\"/><t:table name=\"not the attribute\"/></o:spreadsheet></o:body></o:document-content>",
       Names{"P", ""}},
      {"a UTF-8 mark first", "\xEF\xBB\xBF" + Content(Table("M")), Names{"M"}},
      {"no sheets", Content(""), Names{}},
      {"the table prefix declared twice", Content(Table("T"), kNamespaces + " xmlns:table=\"urn:other\""),
       std::nullopt},
      {"a default namespace", Content(Table("D"), kNamespaces + " xmlns=\"urn:x\""), std::nullopt},
      {"a namespace declared further in", Content("<table:table xmlns:table=\"urn:other\" table:name=\"R\"/>"),
       std::nullopt},
      {"a document type", Content(Table("T"), kNamespaces, "<!DOCTYPE x [<!ENTITY e \"v\">]>"), std::nullopt},
      {"another encoding declared", Content(Table("L"), kNamespaces, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"),
       std::nullopt},
      {"an undefined entity in a name", Content(Table("&nbsp;")), std::nullopt},
      {"cut inside a tag", Content(Table("C")).substr(0, 400), std::nullopt},
      {"a comment never closed", Content("<!-- " + Table("C")), std::nullopt},
      {"no table namespace",
       "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"/>", std::nullopt},
      {"empty", "", std::nullopt},
      {"text before the root", "1,2\n3,4\n", std::nullopt},
  };
  for (const Row& row : rows) {
    if (row.expected) {
      MemoryChunks source(row.xml);
      Names parsed;
      ASSERT_TRUE(ReadOdsSheetNames(source, parsed).Ok()) << row.name << ": the row is no well-formed part";
      ASSERT_EQ(parsed, *row.expected) << row.name << ": the XML reader finds otherwise";
    }
    for (const std::size_t chunk : {std::size_t{65536}, std::size_t{7}, std::size_t{1}}) {
      MemoryChunks source(row.xml, chunk);
      Names names{"left over"};
      const std::optional<SheetProblem> scanned = ScanOdsSheetNames(source, names);
      ASSERT_EQ(scanned.has_value(), row.expected.has_value()) << row.name << ", chunks of " << chunk;
      if (!scanned) continue;
      EXPECT_TRUE(scanned->Ok()) << row.name << ": " << scanned->detail;
      EXPECT_EQ(names, *row.expected) << row.name << ", chunks of " << chunk;
    }
  }
}

// The inflation failing part-way is the zip's damage, told as such.
class FailingChunks final : public ChunkSource {
 public:
  std::size_t Read(char* buffer, std::size_t capacity) override {
    const std::string start = Content(Table("A")).substr(0, 300);
    if (given_ || capacity < start.size()) return 0;
    given_ = true;
    start.copy(buffer, start.size());
    return start.size();
  }
  const std::string& Failure() const override { return failure_; }

 private:
  bool given_ = false;
  std::string failure_ = "invalid compressed data";
};

TEST(ScanOdsSheetNames, ADamagedArchiveIsTold) {
  FailingChunks source;
  Names names;
  const std::optional<SheetProblem> scanned = ScanOdsSheetNames(source, names);
  ASSERT_TRUE(scanned.has_value());
  EXPECT_EQ(scanned->failure, SheetFailure::kDamaged);
  EXPECT_NE(scanned->detail.find("content.xml"), std::string::npos);
}

}  // namespace
