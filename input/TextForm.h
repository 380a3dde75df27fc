#pragma once
// The forms a text's bytes can be read in: those a byte-order mark names,
// and the Western code page of Windows, which nothing names (TextEncoding).
#include <optional>
#include <string_view>

namespace tallowmere::input {

enum class TextForm : unsigned char { kUtf8, kUtf16Le, kUtf16Be, kUtf32Le, kUtf32Be, kWindows1252 };

// A form by the name the analyser's --encoding takes: "utf-8", "utf-16le",
// "utf-16be", "utf-32le", "utf-32be" or "windows-1252" (also "cp1252"), as
// iconv and Python spell them: ASCII case, '-' and '_' ignored. Nothing for
// any other name.
std::optional<TextForm> TextFormNamed(std::string_view name);

}  // namespace tallowmere::input
