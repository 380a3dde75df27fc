#include "input/TextForm.h"

#include <string>
#include <utility>

namespace tallowmere::input {

std::optional<TextForm> TextFormNamed(std::string_view name) {
  std::string bare;
  for (const char c : name) {
    if (c == '-' || c == '_') continue;
    bare += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  static constexpr std::pair<std::string_view, TextForm> kNames[] = {
      {"utf8", TextForm::kUtf8},          {"utf16le", TextForm::kUtf16Le}, {"utf16be", TextForm::kUtf16Be},
      {"utf32le", TextForm::kUtf32Le},    {"utf32be", TextForm::kUtf32Be}, {"windows1252", TextForm::kWindows1252},
      {"cp1252", TextForm::kWindows1252},
  };
  for (const auto& [known, form] : kNames)
    if (bare == known) return form;
  return std::nullopt;
}

}  // namespace tallowmere::input
