#include "app/CommandLine.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "core/CommandOptions.h"
#include "core/HelpText.h"
#include "core/Translation.h"

namespace tallowmere::app {

namespace {

enum Option { kHelp, kVersion };

constexpr core::OptionRow kOptions[] = {
    {.id = kHelp, .name = "--help", .shortName = "-h"},
    {.id = kVersion, .name = "--version", .shortName = "-V"},
};

// A piece of the help in the user's language, %1 … in it filled with `args`
// (option names and argument words, which are never translated).
std::string Piece(const char* source, std::initializer_list<std::string_view> args = {}) {
  return core::Fill(core::Translated("CommandLineHelp", source), args);
}

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
  // The column of the options' descriptions.
  constexpr std::size_t kColumn = 19;
  std::string text = "Usage: tallowmere [OPTION]... [PATH]...\n";
  text += core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "A desktop calculator for descriptive statistics.")));
  text += '\n';
  //: %1 is PATH, as in the usage line. Wrap the lines at 80 columns.
  text += core::HelpParagraph(
      Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                              "Each %1 is read when the window has opened, in order, exactly as if it had been\n"
                              "dropped on the number list: a file as a list file (one number per line), a folder\n"
                              "with every list file in it and in its sub-folders."),
            {"PATH"}));
  text += '\n';
  text += core::HelpItem("-h, --help", Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "show this help and exit")), kColumn);
  text += core::HelpItem("-V, --version", Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "show the version and exit")),
                         kColumn);
  //: Starts at column 20 as the other options' descriptions do; wrap at 80 columns. %1 is PATH.
  text += core::HelpItem(
      "--", Piece(QT_TRANSLATE_NOOP("CommandLineHelp", "end of the options: every later argument is a %1"), {"PATH"}),
      kColumn);
  text += '\n';
  //: %1 and %2 are Qt's options, %3 and %4 the settings file, %5 and %6 the manual pages. Wrap the lines at 80 columns.
  text += core::HelpParagraph(Piece(QT_TRANSLATE_NOOP("CommandLineHelp",
                                                      "Qt's own options, such as %1 or %2, are taken as well.\n"
                                                      "The method and decimal options are kept in %3\n"
                                                      "(%4 by default). See %5 and\n"
                                                      "%6 for the analysis without a window."),
                                    {"-platform NAME", "-style NAME", "$XDG_CONFIG_HOME/Brindlecote.ini",
                                     "~/.config/Brindlecote.ini", "tallowmere(1)", "tallowmere-analyse(1)"}));
  return text;
}

std::string VersionText() { return "tallowmere " TALLOWMERE_VERSION "\n"; }

}  // namespace tallowmere::app
