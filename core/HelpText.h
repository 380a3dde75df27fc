#pragma once
// The layout of a program's --help, the same for the window and the
// analyser: paragraphs as their lines are, and options (or exit codes) as two
// columns, each description starting at one column. The texts come in the
// user's language, and their translators wrap them: nothing here wraps, but
// every line of a description is indented to its column.
#include <cstddef>
#include <string>
#include <string_view>

namespace tallowmere::core {

// `text` with a line end after each of its lines; a line end at its very end
// counts as the last line's.
std::string HelpParagraph(std::string_view text);

// Two spaces and `names`, padded to `column`, then the lines of
// `description`, each further one indented to the column. Names too wide for
// two spaces before the column stand on a line of their own.
std::string HelpItem(std::string_view names, std::string_view description, std::size_t column);

}  // namespace tallowmere::core
