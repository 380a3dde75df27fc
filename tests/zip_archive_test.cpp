// The zip archive under the spreadsheet readers: entries named in the
// archive's order and read back byte for byte in chunks of any size, and
// every way a file fails to be one (missing, no zip, cut short, a damaged
// entry, an encrypted one) told as such.
#include <gtest/gtest.h>
#include <zip.h>

#include <random>
#include <string>
#include <vector>

#include "input/ZipArchive.h"
#include "tests/support/SheetTestKit.h"

using namespace tallowmere::input;
using sheettest::Entry;
using sheettest::ScratchFolder;

namespace {

std::string RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(n, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string Repeated(std::string_view text, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out += text;
  return out;
}

// Everything an entry holds, read `chunk` bytes at a time.
std::string ReadAll(ChunkSource& source, std::size_t chunk) {
  std::string out, buffer(chunk, '\0');
  for (std::size_t n; (n = source.Read(buffer.data(), chunk)) > 0;) out.append(buffer, 0, n);
  return out;
}

TEST(ZipArchive, EntriesReadBackWholeInChunksOfAnySize) {
  const std::vector<Entry> entries = {
      {"mimetype", "application/vnd.oasis.opendocument.spreadsheet", true},
      {"empty", "", false},
      {"folder/random.bin", RandomBytes(1 << 20, 7), false},
      {"folder/random-stored.bin", RandomBytes(300000, 8), true},
      {"big.xml", Repeated("<row r=\"1\"><c><v>1.5</v></c></row>\n", 100000), false},
  };
  ScratchFolder scratch;
  const std::string path = scratch.File("entries.zip");
  ASSERT_TRUE(sheettest::WriteZip(path, entries));
  ZipArchive archive;
  ASSERT_TRUE(archive.Open(path).Ok());
  std::vector<std::string> expectedNames;
  for (const Entry& e : entries) expectedNames.push_back(e.name);
  EXPECT_EQ(archive.Names(), expectedNames);
  EXPECT_FALSE(archive.Has("folder"));
  for (const Entry& e : entries) {
    for (std::size_t chunk : {std::size_t{1} << 16, std::size_t{4093}, std::size_t{1}}) {
      if (chunk == 1 && e.bytes.size() > 100000) continue;  // a byte at a time, on the small ones
      ZipEntry entry;
      const ZipProblem problem = archive.OpenEntry(e.name, entry);
      ASSERT_TRUE(problem.Ok()) << e.name << ": " << problem.detail;
      EXPECT_TRUE(ReadAll(entry, chunk) == e.bytes) << e.name << " read " << chunk << " bytes at a time";
      EXPECT_EQ(entry.Failure(), "") << e.name;
    }
  }
  std::string start;
  ASSERT_TRUE(archive.ReadStart("mimetype", 11, start).Ok());
  EXPECT_EQ(start, "application");
}

// A zip of one deflated entry whose data is `data`: where in the file its
// compressed bytes are is found from its local header.
struct OneEntryZip {
  std::string bytes;
  std::size_t dataAt = 0;
  std::size_t dataSize = 0;
};

OneEntryZip MakeOneEntryZip(const ScratchFolder& scratch, const std::string& data) {
  const std::string path = scratch.File("one.zip");
  OneEntryZip zip;
  if (!sheettest::WriteZip(path, {{"part.xml", data, false}})) return zip;
  zip.bytes = sheettest::ReadWhole(path);
  auto little16 = [&](std::size_t at) {
    return std::size_t(static_cast<unsigned char>(zip.bytes[at])) |
           std::size_t(static_cast<unsigned char>(zip.bytes[at + 1])) << 8;
  };
  zip.dataAt = 30 + little16(26) + little16(28);
  zip.dataSize = little16(18) | little16(20) << 16;
  return zip;
}

struct OpenCase {
  const char* name;
  // The file's bytes, from a good archive of one entry.
  std::string (*make)(const OneEntryZip& good);
  ZipFailure expected;
};

TEST(ZipArchive, FilesThatAreNoGoodArchiveSaySo) {
  const OpenCase cases[] = {
      {"random bytes", [](const OneEntryZip&) { return RandomBytes(5000, 3); }, ZipFailure::kNotZip},
      {"empty file", [](const OneEntryZip&) { return std::string(); }, ZipFailure::kNotZip},
      {"text", [](const OneEntryZip&) { return std::string("a,b\n1,2\n"); }, ZipFailure::kNotZip},
      {"cut in the middle", [](const OneEntryZip& z) { return z.bytes.substr(0, z.bytes.size() / 2); },
       ZipFailure::kNotZip},
      {"central directory cut short", [](const OneEntryZip& z) { return z.bytes.substr(0, z.bytes.size() - 30); },
       ZipFailure::kNotZip},
      {"central directory overwritten",
       [](const OneEntryZip& z) {
         std::string b = z.bytes;
         for (std::size_t i = z.dataAt + z.dataSize; i < b.size() - 22; ++i) b[i] = 'x';
         return b;
       },
       ZipFailure::kNotZip},
      {"local header disagrees with the directory",
       [](const OneEntryZip& z) {
         std::string b = z.bytes;
         b[30] = 'q';  // the first letter of the entry's name
         return b;
       },
       ZipFailure::kDamaged},
  };
  ScratchFolder scratch;
  const OneEntryZip good = MakeOneEntryZip(scratch, Repeated("<v>1</v>", 2000));
  ASSERT_FALSE(good.bytes.empty());
  for (const OpenCase& c : cases) {
    const std::string path = scratch.File("bad.zip");
    ASSERT_TRUE(sheettest::WriteWhole(path, c.make(good)));
    ZipArchive archive;
    const ZipProblem problem = archive.Open(path);
    EXPECT_EQ(problem.failure, c.expected) << c.name << ": " << problem.detail;
    EXPECT_FALSE(archive.IsOpen()) << c.name;
  }
  ZipArchive archive;
  const ZipProblem missing = archive.Open(scratch.File("no such file.zip"));
  EXPECT_EQ(missing.failure, ZipFailure::kCannotOpen) << missing.detail;
  EXPECT_NE(missing.detail, "");
}

TEST(ZipArchive, DamagedEntryFailsWhileBeingRead) {
  ScratchFolder scratch;
  const OneEntryZip good = MakeOneEntryZip(scratch, RandomBytes(200000, 11) + Repeated("<v>1</v>", 20000));
  ASSERT_GT(good.dataSize, 1000u);
  std::string bytes = good.bytes;
  for (std::size_t i = good.dataAt + good.dataSize / 2; i < good.dataAt + good.dataSize / 2 + 64; ++i) bytes[i] ^= 0x5A;
  const std::string path = scratch.File("damaged.zip");
  ASSERT_TRUE(sheettest::WriteWhole(path, bytes));
  ZipArchive archive;
  ASSERT_TRUE(archive.Open(path).Ok());
  ZipEntry entry;
  ASSERT_TRUE(archive.OpenEntry("part.xml", entry).Ok());
  ReadAll(entry, 4096);
  EXPECT_NE(entry.Failure(), "");
  EXPECT_EQ(archive.OpenEntry("other.xml", entry).failure, ZipFailure::kNoEntry);
}

TEST(ZipArchive, EncryptedEntryIsToldApart) {
  if (!zip_encryption_method_supported(ZIP_EM_AES_256, 1)) GTEST_SKIP() << "this libzip writes no AES";
  ScratchFolder scratch;
  const std::string path = scratch.File("encrypted.zip");
  const std::string data = "<sheet/>";
  int error = 0;
  zip_t* writing = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(writing, nullptr);
  zip_source_t* source = zip_source_buffer(writing, data.data(), data.size(), 0);
  const zip_int64_t index = zip_file_add(writing, "content.xml", source, 0);
  ASSERT_GE(index, 0);
  ASSERT_EQ(zip_file_set_encryption(writing, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "secret"), 0);
  ASSERT_EQ(zip_close(writing), 0);
  ZipArchive archive;
  ASSERT_TRUE(archive.Open(path).Ok());
  ZipEntry entry;
  const ZipProblem problem = archive.OpenEntry("content.xml", entry);
  EXPECT_EQ(problem.failure, ZipFailure::kEncrypted) << problem.detail;
}

}  // namespace
