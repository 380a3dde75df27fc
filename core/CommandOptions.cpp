#include "core/CommandOptions.h"

#include <algorithm>
#include <cstddef>

namespace tallowmere::core {

namespace {

const OptionRow* Find(std::span<const OptionRow> table, std::string_view name) {
  const auto row = std::find_if(table.begin(), table.end(), [&](const OptionRow& r) {
    return r.name == name || (!r.shortName.empty() && r.shortName == name);
  });
  return row == table.end() ? nullptr : &*row;
}

}  // namespace

std::vector<ReadArgument> ReadArguments(std::span<const std::string> args, std::span<const OptionRow> table) {
  using Kind = ReadArgument::Kind;
  std::vector<ReadArgument> read;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      read.push_back({Kind::kOperand, -1, a});
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t eq = a.starts_with("--") ? a.find('=') : std::string::npos;
    const bool inlineValue = eq != std::string::npos;
    const OptionRow* row = Find(table, std::string_view(a).substr(0, eq));
    // A value given inline to an option that takes none, or whose value is
    // optional, makes the whole argument a name no option has.
    if (row == nullptr || (inlineValue && row->value != OptionValue::kRequired)) {
      read.push_back({Kind::kUnknown, -1, a});
    } else if (inlineValue) {
      read.push_back({Kind::kOption, row->id, a.substr(eq + 1), true});
    } else if (row->value == OptionValue::kNone) {
      read.push_back({Kind::kOption, row->id, {}});
    } else if (i + 1 < args.size() && (row->value == OptionValue::kRequired || !args[i + 1].starts_with("--"))) {
      read.push_back({Kind::kOption, row->id, args[++i], true});
    } else if (row->value == OptionValue::kOptional) {
      read.push_back({Kind::kOption, row->id, {}});
    } else {
      read.push_back({Kind::kMissingValue, row->id, a});
    }
  }
  return read;
}

}  // namespace tallowmere::core
