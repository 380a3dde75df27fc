#pragma once
// Tidying a path composed of a folder, a separator and a name.
#include <string>
#include <string_view>

namespace tallowmere::input {

// Tidies a composed path. A path that does not begin with `separator` has
// each pair of adjacent separators replaced by one, in a single left-to-right
// pass without overlap (a run of two becomes one, three or four become two).
// A path that begins with separators keeps the text after that leading run,
// tidied the same way, behind a fixed prefix: one '/' here; two '\' with the
// backslash separator (the network-path rule of systems that use it).
std::string FixPathSlashes(std::string_view path, char separator = '/');

}  // namespace tallowmere::input
