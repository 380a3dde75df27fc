#pragma once
// Texts in the user's language for the layers that have no Qt. The layers
// that do install the lookup once at start-up; until then, and in programs
// that install none (the tests), every text is its English source.
//
// QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP mark a text so lupdate collects
// it under its context; the definitions are Qt's own, so they stand beside
// Qt's headers.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace tallowmere::core {

// The translation of `source` in `context`, the plural form picked by `n`
// (-1 for a text without a count); empty when there is none.
using TranslateFn = std::string (*)(const char* context, const char* source, int n);

void InstallTranslation(TranslateFn lookup);

// `source` is a NUL-terminated literal (a marked text). The answer stays
// valid for the rest of the program: results keep it as a view.
std::string_view Translated(const char* context, const char* source);

// A text naming a count, %1 in it replaced by `count` (the caller's own
// number text). `many` is the English text for every count but one and the
// source of the translation (marked with QT_TRANSLATE_N_NOOP); `one` is the
// English text for one.
std::string TranslatedCount(const char* context, const char* one, const char* many, std::size_t n,
                            std::string_view count);

// `text` with %1 … %9 replaced by the arguments in order, as QString::arg
// fills a translated text.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace tallowmere::core
