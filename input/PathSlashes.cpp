#include "input/PathSlashes.h"

namespace tallowmere::input {

namespace {

std::string CollapsePairs(std::string_view text, char separator) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    out += text[i];
    if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
      i += 2;
    else
      i += 1;
  }
  return out;
}

}  // namespace

std::string FixPathSlashes(std::string_view path, char separator) {
  if (path.empty() || path.front() != separator) return CollapsePairs(path, separator);
  std::size_t first = path.find_first_not_of(separator);
  std::string_view rest = first == std::string_view::npos ? std::string_view() : path.substr(first);
  std::string tidied(separator == '\\' ? 2 : 1, separator);
  tidied += CollapsePairs(rest, separator);
  return tidied;
}

}  // namespace tallowmere::input
