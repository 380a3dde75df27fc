#pragma once
// A command line read against a table of the program's options, the same way
// for the window and the analyser: each program declares its options as rows
// and then acts on what was read, in the order given.
//
// An argument that begins with '-' and is longer than "-" is an option; "--"
// ends the options, every later argument being an operand. A long option that
// takes a value may carry it inline, "--name=value".
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::core {

// How an option takes its value.
enum class OptionValue {
  kNone,      // none: "--name=x" is an unknown option
  kRequired,  // the next argument, whatever it is, or the text after '='
  kOptional,  // the next argument unless it begins with "--"; never inline
};

// One option of a program's table.
struct OptionRow {
  int id;                           // what the program calls it
  std::string_view name;            // "--name"
  std::string_view shortName = {};  // "-n", or empty
  OptionValue value = OptionValue::kNone;
};

// One argument as read against the table, or an option with its value.
struct ReadArgument {
  enum class Kind {
    kOption,        // the option `id`; `text` is its value, when `hasValue`
    kOperand,       // `text` is not an option (a PATH, "-", an empty argument)
    kUnknown,       // `text`, as given, is an option the table does not have
    kMissingValue,  // the option `id`, named `text`, needs a value and none is left
  };
  Kind kind;
  int id = -1;
  std::string text;
  bool hasValue = false;
  bool operator==(const ReadArgument&) const = default;
};

// Reads every argument (those after the program's name) against `table`.
std::vector<ReadArgument> ReadArguments(std::span<const std::string> args, std::span<const OptionRow> table);

}  // namespace tallowmere::core
