#include "core/HelpText.h"

namespace tallowmere::core {

namespace {

// Each line of `text` after `indent` (none for an empty line, which would
// only end in spaces), ended.
void AppendLines(std::string& out, std::string_view text, std::size_t indent) {
  if (text.ends_with('\n')) text.remove_suffix(1);
  while (true) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) out.append(indent, ' ').append(line);
    out += '\n';
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

std::string HelpParagraph(std::string_view text) {
  std::string out;
  AppendLines(out, text, 0);
  return out;
}

std::string HelpItem(std::string_view names, std::string_view description, std::size_t column) {
  constexpr std::size_t kLead = 2, kGap = 2;
  std::string out(kLead, ' ');
  out.append(names);
  if (out.size() + kGap > column) {
    out += '\n';
    AppendLines(out, description, column);
    return out;
  }
  out.append(column - out.size(), ' ');
  const std::size_t firstEnd = description.find('\n');
  out.append(description.substr(0, firstEnd));
  out += '\n';
  if (firstEnd != std::string_view::npos && firstEnd + 1 < description.size())
    AppendLines(out, description.substr(firstEnd + 1), column);
  return out;
}

}  // namespace tallowmere::core
