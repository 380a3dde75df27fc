#include "app/CommandLine.h"

namespace {

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }
bool IsVersion(const std::string& a) { return a == "--version" || a == "-V"; }

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& currentFolder) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::string& a : args) {
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && IsHelp(a)) {
      return CommandLine{CommandLine::Action::Help, {}, {}};
    } else if (!optionsEnded && IsVersion(a)) {
      return CommandLine{CommandLine::Action::Version, {}, {}};
    } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
      if (line.action != CommandLine::Action::Usage) line.error = "unknown option '" + a + "'";
      line.action = CommandLine::Action::Usage;
    } else if (!a.empty()) {
      std::string path = a;
      if (path[0] != '/') {
        path = currentFolder;
        if (path.empty() || path.back() != '/') path += '/';
        path += a;
      }
      line.paths.push_back(std::move(path));
    }
  }
  if (line.action == CommandLine::Action::Usage) line.paths.clear();
  return line;
}

CommandLine::Action RequestedInformation(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") break;
    if (IsHelp(a)) return CommandLine::Action::Help;
    if (IsVersion(a)) return CommandLine::Action::Version;
  }
  return CommandLine::Action::Run;
}

std::string HelpText() {
  return "Usage: tallowmere [OPTION]... [PATH]...\n"
         "A desktop calculator for descriptive statistics.\n"
         "\n"
         "Each PATH is read when the window has opened, in order, exactly as if it had been\n"
         "dropped on the number list: a file as a list file (one number per line), a folder\n"
         "with every list file in it and in its sub-folders.\n"
         "\n"
         "  -h, --help       show this help and exit\n"
         "  -V, --version    show the version and exit\n"
         "  --               end of the options: every later argument is a PATH\n"
         "\n"
         "Qt's own options, such as -platform NAME or -style NAME, are taken as well.\n"
         "The method and decimal options are kept in $XDG_CONFIG_HOME/Brindlecote.ini\n"
         "(~/.config/Brindlecote.ini by default). See tallowmere(1) and\n"
         "tallowmere-analyse(1) for the analysis without a window.\n";
}

std::string VersionText() { return std::string("tallowmere ") + TALLOWMERE_VERSION + "\n"; }
