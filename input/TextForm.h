#pragma once
// The forms a text's bytes can be read in: those a byte-order mark names,
// and the Western code page of Windows, which nothing names (TextEncoding).
namespace tallowmere::input {

enum class TextForm : unsigned char { kUtf8, kUtf16Le, kUtf16Be, kUtf32Le, kUtf32Be, kWindows1252 };

}  // namespace tallowmere::input
