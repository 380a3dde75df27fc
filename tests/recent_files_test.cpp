// The recent files: newest first, each once, at most eight, one a line.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "platform/RecentFiles.h"

using namespace tallowmere::platform;

namespace {

QStringList Noted(const QStringList& paths) {
  QStringList recent;
  for (const QString& p : paths) recent = WithRecentFile(recent, p);
  return recent;
}

QStringList Paths(const char* spaced) { return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

}  // namespace

TEST(RecentFiles, NewestFirstEachOnceAtMostEight) {
  const struct {
    const char* noted;
    const char* recent;
  } cases[] = {
      {"", ""},
      {"/a", "/a"},
      {"/a /b /c", "/c /b /a"},
      {"/a /b /a", "/a /b"},
      {"/a /b /c /b /b", "/b /c /a"},
      {"/1 /2 /3 /4 /5 /6 /7 /8 /9", "/9 /8 /7 /6 /5 /4 /3 /2"},
      {"/1 /2 /3 /4 /5 /6 /7 /8 /1", "/1 /8 /7 /6 /5 /4 /3 /2"},
  };
  for (const auto& c : cases) EXPECT_EQ(Noted(Paths(c.noted)), Paths(c.recent)) << c.noted;
}

TEST(RecentFiles, APathThatCannotBeOneLineIsNotNoted) {
  const QStringList recent = Paths("/a /b");
  for (const char* path : {"", "/x\ny", "/x\ry"}) EXPECT_EQ(WithRecentFile(recent, QString::fromUtf8(path)), recent);
}

TEST(RecentFiles, StoredTextReadsBackAndForgetsOne) {
  const QStringList recent = Paths("/home/u/with\tspace.txt /b /c");
  EXPECT_EQ(RecentFilesFromText(RecentFilesText(recent)), recent);
  EXPECT_EQ(RecentFilesFromText(QStringLiteral("/a\n\n/b\n/a\n")), Paths("/a /b"));
  EXPECT_EQ(RecentFilesFromText(QStringLiteral("/1\n/2\n/3\n/4\n/5\n/6\n/7\n/8\n/9")).size(), kMaxRecentFiles);
  EXPECT_EQ(WithoutRecentFile(recent, QStringLiteral("/b")), Paths("/home/u/with\tspace.txt /c"));
  EXPECT_EQ(WithoutRecentFile(recent, QStringLiteral("/z")), recent);
}
