// Reading a command line against a table of options: what is an option, an
// operand, an unknown option or an option left without its value, and which
// argument becomes whose value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CommandOptions.h"

using namespace tallowmere;
using namespace tallowmere::core;

namespace {

enum { kFlag, kRequired, kOptional };

constexpr OptionRow kTable[] = {
    {.id = kFlag, .name = "--flag", .shortName = "-f"},
    {.id = kRequired, .name = "--value", .value = OptionValue::kRequired},
    {.id = kOptional, .name = "--maybe", .value = OptionValue::kOptional},
};

using Kind = ReadArgument::Kind;

ReadArgument Option(int id) { return {.kind = Kind::kOption, .id = id, .text = {}}; }
ReadArgument Option(int id, std::string value) {
  return {.kind = Kind::kOption, .id = id, .text = std::move(value), .hasValue = true};
}
ReadArgument Operand(std::string text) { return {.kind = Kind::kOperand, .id = -1, .text = std::move(text)}; }
ReadArgument Unknown(std::string text) { return {.kind = Kind::kUnknown, .id = -1, .text = std::move(text)}; }
ReadArgument Missing(int id, std::string name) {
  return {.kind = Kind::kMissingValue, .id = id, .text = std::move(name)};
}

TEST(ReadArguments, TellsOptionsValuesAndOperandsApart) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    std::vector<ReadArgument> read;
  };
  const std::vector<Row> rows = {
      {.name = "nothing", .args = {}, .read = {}},
      {.name = "long and short names", .args = {"--flag", "-f"}, .read = {Option(kFlag), Option(kFlag)}},
      {.name = "operands keep their order among options",
       .args = {"a", "--flag", "b"},
       .read = {Operand("a"), Option(kFlag), Operand("b")}},
      {.name = "'-' and an empty argument are operands", .args = {"-", ""}, .read = {Operand("-"), Operand("")}},
      {.name = "unknown long and short options",
       .args = {"--other", "-x", "-fx"},
       .read = {Unknown("--other"), Unknown("-x"), Unknown("-fx")}},
      // Reading goes on after a mistake: each program decides what counts.
      {.name = "a mistake, then an option", .args = {"--bad", "-f"}, .read = {Unknown("--bad"), Option(kFlag)}},
      {.name = "-- ends the options once",
       .args = {"--", "--flag", "--", "-x"},
       .read = {Operand("--flag"), Operand("--"), Operand("-x")}},
      {.name = "a value, separate", .args = {"--value", "3"}, .read = {Option(kRequired, "3")}},
      {.name = "a value, inline", .args = {"--value=3=4"}, .read = {Option(kRequired, "3=4")}},
      {.name = "an empty inline value", .args = {"--value="}, .read = {Option(kRequired, "")}},
      {.name = "a value is the next argument whatever it is",
       .args = {"--value", "--flag", "--value", "--"},
       .read = {Option(kRequired, "--flag"), Option(kRequired, "--")}},
      {.name = "a value missing at the end",
       .args = {"-f", "--value"},
       .read = {Option(kFlag), Missing(kRequired, "--value")}},
      {.name = "an inline value for a flag",
       .args = {"--flag=1", "--flag="},
       .read = {Unknown("--flag=1"), Unknown("--flag=")}},
      // Only long options are split at '='.
      {.name = "short options are never split", .args = {"-f=1"}, .read = {Unknown("-f=1")}},
      {.name = "no name before '='", .args = {"--=x"}, .read = {Unknown("--=x")}},
      {.name = "an optional value taken", .args = {"--maybe", "f.txt"}, .read = {Option(kOptional, "f.txt")}},
      {.name = "an optional value that may begin with one '-'",
       .args = {"--maybe", "-"},
       .read = {Option(kOptional, "-")}},
      {.name = "an optional value left out before an option",
       .args = {"--maybe", "--flag"},
       .read = {Option(kOptional), Option(kFlag)}},
      {.name = "an optional value left out before --",
       .args = {"--maybe", "--", "x"},
       .read = {Option(kOptional), Operand("x")}},
      {.name = "an optional value left out at the end", .args = {"--maybe"}, .read = {Option(kOptional)}},
      {.name = "an optional value is never inline", .args = {"--maybe=f"}, .read = {Unknown("--maybe=f")}},
  };
  for (const Row& row : rows) EXPECT_EQ(ReadArguments(row.args, kTable), row.read) << row.name;
}

}  // namespace
