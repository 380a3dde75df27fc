#pragma once
// The program's command line: `tallowmere [OPTION]... [PATH]...`. Qt takes its
// own options (-platform, -style, ...) out of argv first; what is left is
// read here. Paths stay bytes, as the file system gives them.
#include <string>
#include <vector>

namespace tallowmere::app {

struct CommandLine {
  enum class Action { Run, Help, Version, Usage };
  Action action = Action::Run;
  std::vector<std::string> paths;  // absolute, in the order given
  std::string error;               // for Usage: what was wrong
};

// Reads the arguments after the program name. `currentFolder` makes relative
// paths absolute. --help/-h and --version/-V win over everything before "--".
CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& currentFolder);

// Only whether help or the version was asked for: decided before the window
// system is started, so that both work without a display.
CommandLine::Action RequestedInformation(int argc, char** argv);

std::string HelpText();
std::string VersionText();

}  // namespace tallowmere::app
