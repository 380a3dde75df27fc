// The clipboard's own text (UTF-16) read block by block: the same entries and
// skipped candidates as the UTF-8 reading, also where a block would cut a
// character in two, and a stop between blocks.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "input/PastedText.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::input;

namespace {

using loadertest::RecordingEntrySink;

TEST(ReadPastedCharacters, ReadsAsTheUtf8TextWouldBeReadAcrossBlocks) {
  const QString doubleStruckZero = QString::fromUtf8("\xF0\x9D\x9F\x98");  // a pair of surrogates
  // A header, then numbers, with the pair placed where the first block ends.
  QString aligned = QStringLiteral("Weight\n");
  while (aligned.size() < kPastedBlockCharacters - 1) aligned += QStringLiteral("7\n");
  aligned.truncate(kPastedBlockCharacters - 1);
  if (!aligned.endsWith(QLatin1Char('\n'))) aligned.back() = QLatin1Char('\n');
  const struct {
    const char* name;
    QString text;
    numtext::Separators sep;
  } rows[] = {
      {"cells in German", QStringLiteral("Gewicht\tH\u00F6he\r\n61,5\t1,8\r\n"), {",", "."}},
      {"a character cut by the block's end", aligned + doubleStruckZero + QStringLiteral("\n5\n"), {".", ","}},
      {"more than two blocks", aligned + aligned + aligned + QStringLiteral("x\t1"), {".", ","}},
  };
  for (const auto& row : rows) {
    RecordingEntrySink fromCharacters, fromBytes;
    std::size_t blocks = 1;
    EXPECT_TRUE(ReadPastedCharacters(fromCharacters, row.text, row.sep, [&] { ++blocks; }));
    EXPECT_TRUE(ReadPastedText(fromBytes, row.text.toStdString(), row.sep));
    EXPECT_EQ(fromCharacters.entries, fromBytes.entries) << row.name;
    EXPECT_EQ(fromCharacters.tally.skipped, fromBytes.tally.skipped) << row.name;
    EXPECT_EQ(fromCharacters.tally.firstSkipped, fromBytes.tally.firstSkipped) << row.name;
    EXPECT_EQ(blocks, static_cast<std::size_t>((row.text.size() + kPastedBlockCharacters - 2) / kPastedBlockCharacters))
        << row.name;
  }
}

TEST(ReadPastedCharacters, AStopBetweenBlocksKeepsTheWholeLinesBefore) {
  QString text;
  while (text.size() < 2 * kPastedBlockCharacters) text += QStringLiteral("12345\n");
  RecordingEntrySink sink;
  std::vector<std::size_t> progress;
  EXPECT_FALSE(ReadPastedCharacters(
      sink, text, {}, [] {}, [] { return true; }, [&](std::size_t read) { progress.push_back(read); }));
  EXPECT_EQ(sink.entries.size(), static_cast<std::size_t>(kPastedBlockCharacters / 6));
  EXPECT_EQ(progress, std::vector<std::size_t>{static_cast<std::size_t>(kPastedBlockCharacters)});
}

}  // namespace
