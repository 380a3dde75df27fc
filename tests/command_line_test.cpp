// The program's own command line: which arguments are paths (made absolute,
// bytes kept), which are help, version or a usage error; and where its own
// files are found, in the build tree and in an installed tree.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "platform/ProgramFolder.h"

using namespace tallowmere;
using namespace tallowmere::platform;
using namespace tallowmere::app;

namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, ReadsPathsOptionsAndMistakes) {
  struct Case {
    std::vector<std::string> args;
    Action action;
    std::vector<std::string> paths;
    std::string error;
  };
  const std::vector<Case> cases = {
      {{}, Action::Run, {}, ""},
      {{"list.txt"}, Action::Run, {"/home/u/list.txt"}, ""},
      {{"/data/a.txt", "b", "../c d"}, Action::Run, {"/data/a.txt", "/home/u/b", "/home/u/../c d"}, ""},
      // Bytes that are not UTF-8 stay as they are.
      {{"\xff\xfe.txt"}, Action::Run, {"/home/u/\xff\xfe.txt"}, ""},
      {{"--help"}, Action::Help, {}, ""},
      {{"a.txt", "-h"}, Action::Help, {}, ""},
      {{"--version"}, Action::Version, {}, ""},
      {{"-V", "--help"}, Action::Version, {}, ""},
      {{"--bogus", "a.txt"}, Action::Usage, {}, "unknown option '--bogus'"},
      {{"a.txt", "-x", "--also"}, Action::Usage, {}, "unknown option '-x'"},
      // Help wins over a mistake before it; options take no values here.
      {{"--bogus", "-h"}, Action::Help, {}, ""},
      {{"--help=1"}, Action::Usage, {}, "unknown option '--help=1'"},
      {{"-V=1", "a"}, Action::Usage, {}, "unknown option '-V=1'"},
      // After "--" everything is a path, options included.
      {{"--", "--help", "-x"}, Action::Run, {"/home/u/--help", "/home/u/-x"}, ""},
      {{"--", "--"}, Action::Run, {"/home/u/--"}, ""},
      // "-" alone is an ordinary name, and so is an empty argument left out.
      {{"-", ""}, Action::Run, {"/home/u/-"}, ""},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.args, "/home/u");
    const std::string where = c.args.empty() ? std::string("(none)") : c.args.front();
    EXPECT_EQ(line.action, c.action) << where;
    EXPECT_EQ(line.paths, c.paths) << where;
    EXPECT_EQ(line.error, c.error) << where;
  }
  // A current folder given with its trailing separator makes no double one.
  EXPECT_EQ(ParseCommandLine({"x"}, "/").paths, std::vector<std::string>{"/x"});
}

TEST(CommandLineTest, HelpAndVersionAreFoundBeforeTheWindowSystemStarts) {
  struct Case {
    std::vector<std::string> args;
    Action action;
  };
  const std::vector<Case> cases = {
      {{"tallowmere"}, Action::Run},
      {{"tallowmere", "-platform", "xcb", "--version"}, Action::Version},
      {{"tallowmere", "list.txt", "--help"}, Action::Help},
      {{"tallowmere", "--", "--help"}, Action::Run},
      {{"tallowmere", "--bogus", "-V"}, Action::Version},
      {{"tallowmere", "--version=1"}, Action::Run},
  };
  for (const Case& c : cases) {
    std::vector<char*> argv;
    std::vector<std::string> copies = c.args;
    for (std::string& a : copies) argv.push_back(a.data());
    EXPECT_EQ(RequestedInformation(static_cast<int>(argv.size()), argv.data()), c.action) << c.args.back();
  }
  EXPECT_EQ(VersionText(), "tallowmere " TALLOWMERE_VERSION "\n");
}

// bin/ beside share/tallowmere/, as installed; a file beside the executable
// (the build tree) wins; a file missing everywhere is named beside the
// executable, so it behaves as a missing file of the program folder.
TEST(ProgramFolderTest, FindsFilesBesideTheProgramOrInItsInstalledDataFolder) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QString bin = root.path() + "/bin";
  const QString data = root.path() + "/share/tallowmere";
  ASSERT_TRUE(QDir().mkpath(bin));
  ASSERT_TRUE(QDir().mkpath(data + "/x"));
  auto make = [](const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  make(data + "/HAND-M.CUR");
  make(data + "/x/o.cjs");
  make(data + "/drag.ico");
  make(bin + "/drag.ico");

  const ProgramFolder folder(bin);
  struct Case {
    const char* relative;
    QString expected;
  };
  const Case cases[] = {
      {"/HAND-M.CUR", data + "/HAND-M.CUR"},
      {"/x/o.cjs", data + "/x/o.cjs"},
      {"/drag.ico", bin + "/drag.ico"},
      {"/missing.cur", bin + "/missing.cur"},
  };
  for (const Case& c : cases) EXPECT_EQ(folder.File(QString::fromLatin1(c.relative)), c.expected) << c.relative;
}

}  // namespace
