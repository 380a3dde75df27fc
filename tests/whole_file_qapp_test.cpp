// Files written whole or not at all: what a failed write leaves (the old file,
// nothing beside it) and the reason it gives, with failures provoked by a
// file-size limit (which fails a write as a full disk does, also in the
// last flush), devices and folders in the file's place, and folders that
// take no file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/DistributionPicture.h"
#include "platform/SettingsStore.h"
#include "platform/WholeFile.h"
#include "tests/support/FileSizeLimit.h"

using namespace tallowmere::platform;

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

using tallowmere::test::FileSizeLimit;

TEST(WholeFile, WritesANewFileAndReplacesAnOldOne) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.txt");
  EXPECT_EQ(WriteWholeFile(path, "first\n"), QString());
  EXPECT_EQ(Read(path), "first\n");
  EXPECT_EQ(WriteWholeFile(path, "second, longer\n"), QString());
  EXPECT_EQ(Read(path), "second, longer\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.txt"});
}

// A write the disk takes in part, then refuses, and one refused at once.
TEST(WholeFile, AWriteThatFailsLeavesTheOldFileAndSaysWhy) {
  const struct {
    const char* name;
    rlim_t limit;
    qsizetype size;
  } cases[] = {{"cut short", 1024, 3000}, {"cut short in a large write", 1024, 200000}, {"refused at once", 0, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.png");
    Put(path, "the old picture");
    QString reason;
    {
      const FileSizeLimit limit(c.limit);
      reason = WriteWholeFile(path, QByteArray(c.size, 'x'));
    }
    EXPECT_EQ(reason.toStdString(), std::strerror(EFBIG));
    EXPECT_EQ(Read(path), "the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.png"});
  }
}

TEST(WholeFile, WhatIsNoRegularFileIsNeverReplaced) {
  QTemporaryDir dir;
  const QString linkToFull = dir.filePath("full-link");
  ASSERT_TRUE(QFile::link("/dev/full", linkToFull));
  const QString folder = dir.filePath("folder");
  ASSERT_TRUE(QDir().mkdir(folder));
  for (const QString& path : {QStringLiteral("/dev/full"), linkToFull, folder}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(WriteWholeFile(path, "12\n").toStdString(), "not a regular file");
  }
  EXPECT_FALSE(QFileInfo("/dev/full").isFile());
  EXPECT_TRUE(QFileInfo(linkToFull).isSymLink());
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(WholeFile, AFolderThatTakesNoFileSaysWhy) {
  QTemporaryDir dir;
  struct Case {
    QString path;
    int error;
    bool asUserOnly;  // root writes into any folder
  };
  const QString locked = dir.filePath("locked");
  ASSERT_TRUE(QDir().mkdir(locked));
  Put(locked + "/old.txt", "old");
  ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
  const Case cases[] = {
      {dir.filePath("missing/a.txt"), ENOENT, false},
      {QStringLiteral("/dev/full/a.txt"), ENOTDIR, false},
      {locked + "/old.txt", EACCES, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    if (c.asUserOnly && ::geteuid() == 0) continue;
    const QString reason = WriteWholeFile(c.path, "12\n");
    EXPECT_TRUE(reason.contains(QString::fromLocal8Bit(std::strerror(c.error)))) << reason.toStdString();
  }
  EXPECT_EQ(Read(locked + "/old.txt"), "old");
  QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(WholeFile, AWriterUsedAsADeviceIsCheckedAtTheCommit) {
  QTemporaryDir dir;
  const QString path = dir.filePath("drawing.svg");
  Put(path, "<svg/>");
  bool committed = true;
  QString reason;
  {
    const FileSizeLimit limit(512);
    WholeFileWriter file(path);
    ASSERT_TRUE(file.Open());
    // A drawing writes through the device and never looks at the answers.
    for (int i = 0; i < 100; ++i) file.Device().write("<path d='M0 0'/>\n");
    committed = file.Commit();
    reason = file.Reason();
  }
  EXPECT_FALSE(committed);
  EXPECT_EQ(reason.toStdString(), std::strerror(EFBIG));
  EXPECT_EQ(Read(path), "<svg/>");
}

// On a real full disk (tests/cli/full_disk.sh mounts a small one, fills it,
// leaves old files there and names the folder): every kind of save keeps
// the old file and says "No space left on device".
TEST(WholeFile, OnAFullDiskEverySaveKeepsTheOldFile) {
  const char* full = std::getenv("TALLOWMERE_FULL_DISK");
  if (!full) GTEST_SKIP() << "run by tests/cli/full_disk.sh on a full file system";
  const QString dir = QString::fromLocal8Bit(full);
  const std::string noSpace = std::strerror(ENOSPC);
  EXPECT_EQ(WriteWholeFile(dir + "/old.txt", QByteArray(100000, 'x')).toStdString(), noSpace);
  EXPECT_EQ(WriteWholeFile(dir + "/old.txt", "1").toStdString(), noSpace);
  EXPECT_EQ(Read(dir + "/old.txt"), "old text\n");
  for (const char* name : {"/old.png", "/old.svg"}) {
    const QString path = dir + QString::fromLatin1(name);
    const QString reason = tallowmere::app::WriteDistributionPicture(path, path.endsWith(".svg"), {}, QSize(400, 300),
                                                                     tallowmere::app::PictureStyle{});
    EXPECT_EQ(reason.toStdString(), noSpace) << name;
    EXPECT_EQ(Read(path), "old picture\n") << name;
  }
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
  QString reason;
  EXPECT_EQ(SaveSetting(kSettingsApplication, kSettingsSection, "Combo1", std::string(5000, '5').c_str(), &reason),
            SettingsFailure::kCannotBeWritten);
  EXPECT_EQ(reason.toStdString(), noSpace);
  EXPECT_EQ(Read(dir + "/Brindlecote.ini"), "[Tallowmere]\nCombo1=7\n");
  EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"Brindlecote.ini", "fill", "old.png", "old.svg", "old.txt"}));
}

}  // namespace
