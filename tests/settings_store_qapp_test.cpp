// The per-user settings store over an INI file in a redirected folder, what
// it does when something else stands in the file's place or a write fails,
// the boolean and integer readings of stored texts, and the window over a
// store that is garbage, cannot be written or is no file at all.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "numtext/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "stats/Arithmetic.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/LoaderTestKit.h"
#include "tests/support/SettingsNodeKit.h"
#include "tests/support/WindowTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::platform;

// Names instead of bytes in failure output.
void PrintTo(SettingsFailure failure, std::ostream* out) {
  static const char* const names[] = {"kNone", "kNotARegularFile", "kLockNotARegularFile", "kFolderCannotBeMade",
                                      "kCannotBeWritten"};
  *out << names[static_cast<int>(failure)];
}

namespace {

using loadertest::TempTree;
using settingstest::DescribeNode;
using settingstest::Unblocker;

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  QString IniPath() const { return dir_.path() + "/Brindlecote.ini"; }
  QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, AbsentKeyGivesTheDefault) {
  EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), "3");
  EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(SettingsStoreTest, TextsComeBackExactlyAsWritten) {
  const struct {
    const char* name;
    QString text;
  } rows[] = {
      {"Word", "True"},
      {"Empty", ""},
      {"Letters", "abc"},
      {"DecimalComma", "1,5"},
      {"SpacesAround", " 2 "},
      {"IniMarks", "@odd;=\"value\""},
      {"NotAscii", QString::fromUtf8("\xc3\xa9t\xc3\xa9")},
  };
  for (const auto& [name, text] : rows) {
    SCOPED_TRACE(name);
    EXPECT_EQ(SaveSetting(kSettingsApplication, kSettingsSection, "Combo1", text), SettingsFailure::kNone);
    EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), text);
  }
}

TEST_F(SettingsStoreTest, WritesAreOnDiskBeforeTheyReturn) {
  ASSERT_EQ(SaveSetting(kSettingsApplication, kSettingsSection, "Option1", "False"), SettingsFailure::kNone);
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray content = f.readAll();
  EXPECT_TRUE(content.contains("[Tallowmere]")) << content.constData();
  EXPECT_TRUE(content.contains("Option1=False")) << content.constData();
}

TEST_F(SettingsStoreTest, HandEditedListValueReadsAsItsText) {
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Tallowmere]\nCombo1=1,2\n");
  f.close();
  EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), "1,2");
}

TEST_F(SettingsStoreTest, CorruptFileGivesDefaults) {
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\x00\xff[[[garbage\n=\n\x01", 16);
  f.close();
  EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Check1", "0"), "0");
}

TEST_F(SettingsStoreTest, TheFilePathIsWhereQSettingsKeepsTheApplication) {
  const struct {
    const char* name;
    QString folder;
  } rows[] = {
      {"TheTestsFolder", dir_.path()},
      {"DeeperWithATrailingSlash", dir_.path() + "/deeper/still/"},
      {"NotThere", "/nonexistent/folder"},
  };
  for (const auto& [name, folder] : rows) {
    SCOPED_TRACE(name);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    const QSettings real(QSettings::IniFormat, QSettings::UserScope, kSettingsApplication);
    EXPECT_EQ(SettingsFilePath(kSettingsApplication), real.fileName());
  }
}

// A unix socket bound at `path`; false where none can be made.
bool MakeSocket(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
}

TEST(SettingsOddNodes, WhatIsNoRegularFileIsNeitherOpenedNorWritten) {
  // In "config": the settings file, or its lock file beside it, is something
  // other than a regular file. Links lead only into the scratch tree, so a
  // wrong store could replace nothing but a scratch node.
  const struct Row {
    const char* name;
    const char* node;  // relative to config/
    std::function<void(TempTree&, const std::string& at)> make;
    const char* read;  // Combo1 as read back; the file holds 7 where there is one
    SettingsFailure failure;
  } rows[] = {
      {"Fifo", "Brindlecote.ini", [](TempTree& t, const std::string&) { t.Fifo("config/Brindlecote.ini"); }, "3",
       SettingsFailure::kNotARegularFile},
      {"LinkToFifo", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) { std::filesystem::create_symlink(t.Fifo("elsewhere"), at); }, "3",
       SettingsFailure::kNotARegularFile},
      {"Folder", "Brindlecote.ini", [](TempTree& t, const std::string&) { t.File("config/Brindlecote.ini/kept", "x"); },
       "3", SettingsFailure::kNotARegularFile},
      {"LinkToFolder", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) {
         t.File("elsewhere/kept", "x");
         std::filesystem::create_symlink(t.Path("elsewhere"), at);
       },
       "3", SettingsFailure::kNotARegularFile},
      // Writing through it would create a file wherever the link points.
      {"DanglingLink", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) {
         std::filesystem::create_symlink(t.Path("nowhere/Brindlecote.ini"), at);
       },
       "3", SettingsFailure::kNotARegularFile},
      {"LinkLoop", "Brindlecote.ini", [](TempTree&, const std::string& at) { std::filesystem::create_symlink(at, at); },
       "3", SettingsFailure::kNotARegularFile},
      {"Socket", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) {
         if (!MakeSocket(at)) t.Fifo("config/Brindlecote.ini");
       },
       "3", SettingsFailure::kNotARegularFile},
      // QSettings waits for its lock for ever while one of these holds its
      // place; reads take no lock.
      {"LockFifo", "Brindlecote.ini.lock",
       [](TempTree& t, const std::string&) {
         t.File("config/Brindlecote.ini", "[Tallowmere]\nCombo1=7\n");
         t.Fifo("config/Brindlecote.ini.lock");
       },
       "7", SettingsFailure::kLockNotARegularFile},
      {"LockFolder", "Brindlecote.ini.lock",
       [](TempTree& t, const std::string&) {
         t.File("config/Brindlecote.ini", "[Tallowmere]\nCombo1=7\n");
         t.Folder("config/Brindlecote.ini.lock");
       },
       "7", SettingsFailure::kLockNotARegularFile},
      {"LockDanglingLink", "Brindlecote.ini.lock",
       [](TempTree& t, const std::string& at) {
         t.File("config/Brindlecote.ini", "[Tallowmere]\nCombo1=7\n");
         std::filesystem::create_symlink(t.Path("nowhere"), at);
       },
       "7", SettingsFailure::kLockNotARegularFile},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempTree tree;
    tree.Folder("config");
    const std::string node = tree.Path(std::string("config/") + row.node);
    row.make(tree, node);
    const std::string before = DescribeNode(node);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(tree.Path("config")));
    Unblocker guard([&] {
      settingstest::ReleaseFifoReader(node);
      settingstest::ReleaseFifoReader(tree.Path("elsewhere"));
      ::rmdir(node.c_str());  // a lock folder a wrong store waits on
      ::unlink(node.c_str());
    });
    EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"), row.read);
    EXPECT_EQ(SaveSetting(kSettingsApplication, kSettingsSection, "Combo1", "5"), row.failure);
    EXPECT_EQ(SaveSetting(kSettingsApplication, kSettingsSection, "Check1", "1"), row.failure);
    EXPECT_FALSE(guard.Finish()) << "the store blocked on the node";
    EXPECT_EQ(DescribeNode(node), before);
    EXPECT_EQ(DescribeNode(tree.Path("nowhere")), "absent");
  }
}

TEST(SettingsWriteFailures, EachFailureIsToldWhyAndAGarbageFileIsStillWritten) {
  TempTree tree;
  const std::string blocker = tree.File("blocker", "x");
  const struct Row {
    const char* name;
    QString folder;
    SettingsFailure failure;
  } rows[] = {
      {"BelowAFile", QString::fromStdString(blocker + "/config"), SettingsFailure::kFolderCannotBeMade},
      {"InProc", "/proc/tallowmere-config", SettingsFailure::kFolderCannotBeMade},
      // A file QSettings reads as a FormatError: written all the same.
      {"Garbage", QString::fromStdString(tree.File("garbage/Brindlecote.ini", "\x01[[[\n=\n")).section('/', 0, -2),
       SettingsFailure::kNone},
      // A link to a regular file: the file is written, the link stays.
      {"LinkToAFile", QString::fromStdString(tree.Folder("linked")), SettingsFailure::kNone},
  };
  tree.Link("linked/Brindlecote.ini", tree.File("target.ini", "[Tallowmere]\nCheck1=1\n"));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, row.folder);
    EXPECT_EQ(SaveSetting(kSettingsApplication, kSettingsSection, "Combo1", "5"), row.failure);
    EXPECT_EQ(GetSetting(kSettingsApplication, kSettingsSection, "Combo1", "3"),
              row.failure == SettingsFailure::kNone ? "5" : "3");
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(blocker + "/config")));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(tree.Path("linked/Brindlecote.ini"))).isSymLink());
  std::ifstream target(tree.Path("target.ini"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(target), {}), "[Tallowmere]\nCheck1=1\nCombo1=5\n");
}

// A write the disk cuts short (here at a file-size limit, as on a full disk)
// leaves the file as it was, nothing beside it, and says why.
TEST(SettingsWriteFailures, AWriteCutShortLeavesTheFileAsItWas) {
  TempTree tree;
  const std::string folder = tree.Folder("config");
  const std::string held = "[Tallowmere]\nCombo1=" + std::string(3000, '7') + "\n";
  const std::string file = tree.File("config/Brindlecote.ini", held);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder));
  QString reason;
  SettingsFailure failure;
  {
    const tallowmere::test::FileSizeLimit limit(1024);
    failure = SaveSetting(kSettingsApplication, kSettingsSection, "Check1", "1", &reason);
  }
  EXPECT_EQ(failure, SettingsFailure::kCannotBeWritten);
  EXPECT_EQ(reason.toStdString(), std::strerror(EFBIG));
  std::ifstream kept(file);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), held);
  EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden), QStringList{"Brindlecote.ini"});
  EXPECT_EQ(SettingsFailureMessage("/c/Brindlecote.ini", failure, reason).toStdString(),
            std::string("The options cannot be saved to /c/Brindlecote.ini: it cannot be written: ") +
                std::strerror(EFBIG) + ". They stay as chosen until " + ApplicationTitle().toStdString() + " ends.");
}

TEST(SettingsWriteFailures, AReadOnlyFileIsLeftAsItIs) {
  // Root writes any file whatever its mode; an ordinary user tries here.
  TempTree tree;
  const std::string folder = tree.Folder("config");
  const std::string file = tree.File("config/Brindlecote.ini", "[Tallowmere]\nCombo1=7\n");
  if (loadertest::RunningAsRoot()) {
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);  // the folder does not stop the write
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
  }
  ::chmod(file.c_str(), 0444);
  const std::string before = DescribeNode(file);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder));
  const std::string answer = loadertest::RunUnprivileged([] {
    return std::to_string(static_cast<int>(SaveSetting(kSettingsApplication, kSettingsSection, "Combo1", "5")));
  });
  EXPECT_EQ(answer, std::to_string(static_cast<int>(SettingsFailure::kCannotBeWritten)));
  EXPECT_EQ(DescribeNode(file), before);
}

TEST(SettingsSession, TheFirstFailedWriteIsToldOnceNamingTheFile) {
  // A write of what the file holds already loses nothing and is not told;
  // start-up writes back what it read.
  const struct Row {
    const char* name;
    bool fifo;  // else a read-only file holding Combo1=7
    std::vector<std::pair<const char*, const char*>> writes;
    const char* why;  // empty: no notice
  } rows[] = {
      {"FifoThreeWrites",
       true,
       {{"Option1", "False"}, {"Option2", "True"}, {"Combo1", "7"}},
       "it is not a regular file"},
      {"ReadOnlySameText", false, {{"Combo1", "7"}, {"Combo1", "7"}}, ""},
      {"ReadOnlyNewText",
       false,
       {{"Combo1", "7"}, {"Combo1", "6"}, {"Check1", "1"}},
       "it cannot be written: Permission denied"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempTree tree;
    const std::string folder = tree.Folder("config");
    const std::string file = tree.Path("config/Brindlecote.ini");
    if (row.fifo) {
      tree.Fifo("config/Brindlecote.ini");
      ::chmod(file.c_str(), 0666);  // so that the guard can release a reader as the ordinary user too
    } else {
      tree.File("config/Brindlecote.ini", "[Tallowmere]\nCombo1=7\n");
      if (loadertest::RunningAsRoot()) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
      }
      ::chmod(file.c_str(), 0444);
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder));
    const std::string answer = loadertest::RunUnprivileged([&] {
      Unblocker guard([&] { settingstest::ReleaseFifoReader(file); });
      FakeDialogs dialogs;
      SetApplicationTitleText("Tallowmere");
      SettingsStore store(kSettingsApplication, kSettingsSection, dialogs);
      for (const auto& [key, text] : row.writes) store.Save(key, text);
      return dialogs.Messages().join(" | ").toStdString() + (guard.Finish() ? " (blocked)" : "");
    });
    const std::string told = std::string("The options cannot be saved to ") + file + ": " + row.why +
                             ". They stay as chosen until Tallowmere ends.";
    EXPECT_EQ(answer, *row.why ? told : "");
  }
}

// Stored texts read as booleans and integers; a text not of the kind throws.
TEST(SettingsReadings, Boolean) {
  const struct {
    const char* name;
    const char* text;
    std::optional<bool> value;  // none: not a boolean
  } rows[] = {
      {"TrueWord", "True", true},
      {"FalseWord", "False", false},
      {"LowerCaseTrue", "true", true},
      {"UpperCaseFalse", "FALSE", false},
      {"One", "1", true},
      {"Zero", "0", false},
      {"MinusOne", "-1", true},
      {"ZeroWithDecimals", "0.0", false},
      {"Fraction", "2.5", true},
      {"ZeroInSpaces", " 0 ", false},
      {"Empty", "", std::nullopt},
      {"Yes", "yes", std::nullopt},
      {"LongerWord", "Truth", std::nullopt},
      {"Letters", "abc", std::nullopt},
      {"NumberThenLetter", "1x", std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.value) {
      EXPECT_EQ(ReadBoolean(r.text, {".", ","}), *r.value);
    } else {
      EXPECT_THROW(ReadBoolean(r.text, {".", ","}), ArithmeticError);
    }
  }
}

TEST(SettingsReadings, Integer16) {
  const struct {
    const char* name;
    const char* text;
    std::optional<int> value;  // none: not a 16-bit integer
  } rows[] = {
      {"Zero", "0", 0},
      {"One", "1", 1},
      {"Least", "-32768", -32768},
      {"Greatest", "32767", 32767},
      {"HalfRoundsToEven", "2.5", 2},
      {"HalfRoundsToEvenUp", "3.5", 4},
      {"InSpaces", " 1 ", 1},
      {"Empty", "", std::nullopt},
      {"Letters", "abc", std::nullopt},
      {"BooleanWord", "True", std::nullopt},
      {"OneAboveGreatest", "32768", std::nullopt},
      {"OneBelowLeast", "-32769", std::nullopt},
      {"FarTooLarge", "1E10", std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.value) {
      EXPECT_EQ(ReadInteger16(r.text, {".", ","}), *r.value);
    } else {
      EXPECT_THROW(ReadInteger16(r.text, {".", ","}), ArithmeticError);
    }
  }
}

// --- The window over a hostile store ------------------------------------------

// The window, not the store alone: what it shows and tells when the store is
// garbage, cannot be written or is no file at all.
using StoreWindowTest = windowtest::WindowTest;
using tallowmere::app::Form1;
using windowtest::Controls;
// The options work for the session: Population and all decimals reach the
// analysis of 2, 4, 4, 5.
void ExpectOptionsWorkForTheSession(Form1& window, const std::function<QStringList()>& rows) {
  Controls(window).Option2->click();
  Controls(window).Check1->click();
  EXPECT_TRUE(Controls(window).Option2->isChecked());
  EXPECT_FALSE(Controls(window).Option1->isChecked());
  EXPECT_TRUE(Controls(window).Check1->isChecked());
  EXPECT_EQ(Controls(window).Combo1->currentText(), QStringLiteral("10"));
  Controls(window).PushButton7->click();
  const QStringList got = rows();
  ASSERT_EQ(got.size(), 12);
  EXPECT_EQ(got[7], QStringLiteral("The variance is: 1.1875"));
  EXPECT_EQ(got[10], QStringLiteral("The standard deviation is: 1.0897247359"));
}

void ExpectDefaults(Form1& window) {
  EXPECT_TRUE(Controls(window).Option1->isChecked());
  EXPECT_FALSE(Controls(window).Option2->isChecked());
  EXPECT_FALSE(Controls(window).Check1->isChecked());
  EXPECT_TRUE(Controls(window).Combo1->isEnabled());
  EXPECT_EQ(Controls(window).Combo1->currentText(), QStringLiteral("3"));
}

TEST_F(StoreWindowTest, ACorruptSettingsFileGivesTheDefaultsAndTheOptionsStillWork) {
  // Garbage that holds no readable key gives the defaults silently; a key
  // whose value is not of its kind is the start-up error report, naming
  // its step, and start-up goes on.
  const struct {
    const char* name;
    QByteArray bytes;
    QStringList reportedLines;
  } cases[] = {
      {"BinaryBytes", QByteArray("\x00\xff\xfe[[[Tallowmere\n=\n\x01\x02", 15), {}},
      {"AMegabyteOfBrackets", QByteArray(1 << 20, '['), {}},
      {"OnlyLineEnds", QByteArray(1 << 16, '\n'), {}},
      {"UnterminatedQuote", QByteArray("[Tallowmere]\nOption1=\"unterminated\nCheck1=\\\nCombo1="), {"136"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile f(settingsDir_.path() + QStringLiteral("/Brindlecote.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.bytes);
    f.close();
    dialogs_.Clear();
    Form1& window = Open();
    QStringList reported;
    for (const QString& report : dialogs_.ErrorReports()) {
      const qsizetype at = report.indexOf(QStringLiteral("at line "));
      reported << (at < 0 ? report : report.mid(at + 8, 3));
    }
    EXPECT_EQ(reported, c.reportedLines) << dialogs_.ErrorReports().join(" | ").toStdString();
    EXPECT_TRUE(Controls(window).Option1->isChecked());
    EXPECT_FALSE(Controls(window).Check1->isChecked());
    Controls(window).Combo1->setEditText(QStringLiteral("3"));
    AddEntries({"2", "4", "4", "5"});
    dialogs_.Clear();
    ExpectOptionsWorkForTheSession(window, [this] { return ResultRows(); });
    EXPECT_TRUE(dialogs_.ErrorReports().isEmpty()) << dialogs_.ErrorReports().join(" | ").toStdString();
    EXPECT_TRUE(dialogs_.Messages().isEmpty()) << dialogs_.Messages().join(" | ").toStdString();
    form_.reset();
  }
}

TEST_F(StoreWindowTest, SettingsInAFolderThatCannotBeWrittenLeaveTheOptionsWorkingForTheSession) {
  TempTree tree;
  const std::string blocker = tree.File("not-a-folder", "x");
  // Folders no one may create, root included: below a plain file, and in
  // the kernel's read-only process file system.
  const struct {
    const char* name;
    QString folder;
  } rows[] = {
      {"BelowAPlainFile", QString::fromStdString(blocker + "/config")},
      {"InTheProcessFileSystem", QStringLiteral("/proc/tallowmere-config")},
  };
  for (const auto& [name, folder] : rows) {
    SCOPED_TRACE(name);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    dialogs_.Clear();
    Form1& window = Open();
    ExpectDefaults(window);
    AddEntries({"2", "4", "4", "5"});
    ExpectOptionsWorkForTheSession(window, [this] { return ResultRows(); });
    EXPECT_TRUE(dialogs_.ErrorReports().isEmpty()) << dialogs_.ErrorReports().join(" | ").toStdString();
    // Two changes were lost; the user is told once.
    EXPECT_EQ(dialogs_.Messages(), QStringList{QStringLiteral("The options cannot be saved to %1/Brindlecote.ini: its "
                                                              "folder cannot be created. They stay as chosen until "
                                                              "Tallowmere ends.")
                                                   .arg(folder)});
    form_.reset();
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/Brindlecote.ini")));
  }
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
}

TEST_F(StoreWindowTest, ASettingsFileTheUserMayNotReadOrWriteLeavesTheOptionsWorking) {
  // As root every file is readable; an ordinary user meets a settings file
  // owned by someone else. The child drops its privileges and opens the
  // window over a store it may neither read nor write.
  TempTree tree;
  const std::string folder = tree.Folder("config");
  const std::string file = tree.File("config/Brindlecote.ini", "[Tallowmere]\nOption2=True\nOption1=False\n");
  ::chmod(file.c_str(), 0600);
  ::chmod(folder.c_str(), 0555);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder));
  const std::string answer = loadertest::RunUnprivileged([this] {
    std::string out;
    Form1& window = Open();
    out += Controls(window).Option1->isChecked() ? "sample" : "population";
    AddEntries({"2", "4", "4", "5"});
    Controls(window).Option2->click();
    Controls(window).PushButton7->click();
    const QStringList rows = ResultRows();
    out += rows.size() == 12 ? " " + rows[7].toStdString() : " no results";
    out += " reports " + std::to_string(dialogs_.ErrorReports().size());
    out += " notices " + std::to_string(dialogs_.Messages().size());
    form_.reset();
    return out;
  });
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
  // Unreadable reads as absent: the defaults, then Population for the
  // session, and one notice that it cannot be saved.
  EXPECT_EQ(answer, "sample The variance is: 1.188 reports 0 notices 1");
}

TEST_F(StoreWindowTest, ASettingsPathThatIsNoWritableFileNeitherBlocksNorChangesAndIsToldOnce) {
  // Something other than a regular file in the settings file's place (or in
  // its lock file's), and a file the user may only read. Links lead only into
  // the scratch tree: a wrong store could replace nothing but a scratch node.
  const struct Row {
    const char* name;
    const char* node;  // the node that must stay as it is, in config/
    std::function<void(TempTree&, const std::string& at)> make;
    bool readOnly;    // a readable file, tried as an ordinary user
    const char* why;  // in the notice
  } rows[] = {
      {"Fifo", "Brindlecote.ini", [](TempTree& t, const std::string&) { t.Fifo("config/Brindlecote.ini"); }, false,
       "it is not a regular file"},
      {"LinkToFifo", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) { std::filesystem::create_symlink(t.Fifo("pipe"), at); }, false,
       "it is not a regular file"},
      {"LinkToFolder", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) {
         t.File("folder/kept", "x");
         std::filesystem::create_symlink(t.Path("folder"), at);
       },
       false, "it is not a regular file"},
      {"Folder", "Brindlecote.ini", [](TempTree& t, const std::string&) { t.File("config/Brindlecote.ini/kept", "x"); },
       false, "it is not a regular file"},
      {"LockFifo", "Brindlecote.ini.lock",
       [](TempTree& t, const std::string&) { t.Fifo("config/Brindlecote.ini.lock"); }, false,
       "its lock file %1.lock is not a regular file"},
      // Population stored: start-up writes it back and fails, but loses
      // nothing, so the notice waits for a real change.
      {"ReadOnlyFile", "Brindlecote.ini",
       [](TempTree& t, const std::string& at) {
         t.File("config/Brindlecote.ini", "[Tallowmere]\nOption1=False\nOption2=True\n");
         if (loadertest::RunningAsRoot()) {
           ASSERT_EQ(::chown(t.Path("config").c_str(), 65534, 65534), 0);  // only the file's mode stops the write
           ASSERT_EQ(::chown(at.c_str(), 65534, 65534), 0);
         }
         ::chmod(at.c_str(), 0444);
       },
       true, "it cannot be written: Permission denied"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempTree tree;
    tree.Folder("config");
    const std::string node = tree.Path(std::string("config/") + row.node);
    row.make(tree, node);
    const std::string before = settingstest::DescribeNode(node);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(tree.Path("config")));
    auto session = [&] {
      settingstest::Unblocker guard([&] {
        settingstest::ReleaseFifoReader(node);
        settingstest::ReleaseFifoReader(tree.Path("pipe"));
      });
      dialogs_.Clear();
      Form1& window = Open();
      std::string out = Controls(window).Option1->isChecked()   ? "sample"
                        : Controls(window).Option2->isChecked() ? "population"
                                                                : "none";
      out += dialogs_.AllShown().empty() ? "" : " with a box at start-up";
      AddEntries({"2", "4", "4", "5"});
      Controls(window).Option1->click();
      Controls(window).Check1->click();
      Controls(window).Option2->click();
      Controls(window).PushButton7->click();
      const QStringList results = ResultRows();
      out += results.size() == 12 ? "|" + results[7].toStdString() + "|" + results[10].toStdString() : "|no results";
      out += "|" + dialogs_.Messages().join(" + ").toStdString();
      out += dialogs_.ErrorReports().isEmpty() ? "" : "|reports";
      form_.reset();
      return out + (guard.Finish() ? "|blocked" : "");
    };
    const std::string answer = row.readOnly ? loadertest::RunUnprivileged(session) : session();
    const QString path = QString::fromStdString(tree.Path("config/Brindlecote.ini"));
    const QString told =
        QStringLiteral("The options cannot be saved to %1: %2. They stay as chosen until Tallowmere ends.")
            .arg(path, QString::fromLatin1(row.why).replace(QStringLiteral("%1"), path));
    EXPECT_EQ(answer, std::string(row.readOnly ? "population" : "sample") +
                          "|The variance is: 1.1875|The standard deviation is: 1.0897247359|" + told.toStdString());
    EXPECT_EQ(settingstest::DescribeNode(node), before);
  }
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
}

}  // namespace
