#pragma once
// The text of an Office Open XML element: XML cannot hold every character,
// so the format escapes them as "_xHHHH_" (a carriage return is "_x000D_",
// and "_x005F_" an underscore that would otherwise start an escape).
#include <QStringView>
#include <cstddef>
#include <string>

namespace tallowmere::input {

// `text` appended to `out` in UTF-8 with its escapes read back, `out` kept
// to `max` bytes.
void AppendOoxmlText(std::string& out, QStringView text, std::size_t max);

}  // namespace tallowmere::input
