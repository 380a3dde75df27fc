#include "app/CommandLine.h"

#include <algorithm>
#include <optional>

#include "core/CommandOptions.h"

namespace tallowmere::app {

namespace {

enum Option { kHelp, kVersion };

constexpr core::OptionRow kOptions[] = {
    {.id = kHelp, .name = "--help", .shortName = "-h"},
    {.id = kVersion, .name = "--version", .shortName = "-V"},
};

// Help or the version, when `argument` asks for either.
std::optional<CommandLine::Action> Information(const core::ReadArgument& argument) {
  if (argument.kind != core::ReadArgument::Kind::kOption) return std::nullopt;
  return argument.id == kHelp ? CommandLine::Action::Help : CommandLine::Action::Version;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& currentFolder) {
  CommandLine line;
  for (const core::ReadArgument& argument : core::ReadArguments(args, kOptions)) {
    if (const auto information = Information(argument)) return CommandLine{*information, {}, {}};
    if (argument.kind != core::ReadArgument::Kind::kOperand) {
      // Options have no values here: anything else is an unknown option.
      if (line.action != CommandLine::Action::Usage) line.error = "unknown option '" + argument.text + "'";
      line.action = CommandLine::Action::Usage;
    } else if (!argument.text.empty()) {
      std::string path = argument.text;
      if (path[0] != '/') {
        path = currentFolder;
        if (path.empty() || path.back() != '/') path += '/';
        path += argument.text;
      }
      line.paths.push_back(std::move(path));
    }
  }
  if (line.action == CommandLine::Action::Usage) line.paths.clear();
  return line;
}

CommandLine::Action RequestedInformation(int argc, char** argv) {
  const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
  for (const core::ReadArgument& argument : core::ReadArguments(args, kOptions))
    if (const auto information = Information(argument)) return *information;
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

std::string VersionText() { return "tallowmere " TALLOWMERE_VERSION "\n"; }

}  // namespace tallowmere::app
