#include "results/AnalysisEntries.h"

#include <algorithm>

#include "core/Translation.h"
#include "numtext/EntryValue.h"
#include "numtext/LeadingNumber.h"
#include "numtext/NumberText.h"

namespace tallowmere::results {

double EntryWorth(std::string_view text, bool passedNumberTest, const numtext::Separators& sep) {
  if (passedNumberTest) return numtext::ListEntryValue(text, sep);
  return numtext::LeadingNumber(text);
}

bool IsNumberEntry(std::string_view text, bool passedNumberTest, const numtext::Separators&) {
  return passedNumberTest || numtext::IsPlainNumber(text);
}

void ForEachNotNumber(const input::EntrySource& entries, std::size_t begin, std::size_t end,
                      const numtext::Separators& sep, const std::function<bool(std::size_t index)>& visit) {
  for (std::size_t i = entries.NextText(begin); i < end; i = entries.NextText(i + 1)) {
    // A loaded list is all tested lines: their texts need not be looked at.
    const input::HeldText held = entries.TextOf(i);
    if (held.passedNumberTest || IsNumberEntry(held.text, false, sep)) continue;
    if (!visit(i)) return;
  }
}

NotNumbers NotNumbersAmong(const input::EntrySource& entries, std::size_t begin, std::size_t end,
                           const numtext::Separators& sep) {
  NotNumbers found;
  ForEachNotNumber(entries, begin, end, sep, [&](std::size_t i) {
    ++found.count;
    if (found.first.size() < NotNumbers::kNamed) {
      const std::string_view text = entries.TextOf(i).text;
      NotNumber named{std::string(text)};
      // A leading number beyond the double range is a failure of the run,
      // after which the entry counts as 0.
      try {
        named.value = EntryWorth(text, false, sep);
      } catch (const std::exception&) {
        named.value = 0.0;
      }
      found.first.push_back(std::move(named));
    }
    return true;
  });
  return found;
}

std::vector<std::size_t> NotNumberRows(const input::EntrySource& entries, std::size_t begin, std::size_t end,
                                       const numtext::Separators& sep) {
  std::vector<std::size_t> rows;
  ForEachNotNumber(entries, begin, end, sep, [&](std::size_t i) {
    rows.push_back(i);
    return true;
  });
  return rows;
}

namespace {

// "1,234,567": the sentence is English, so are its counts.
std::string Grouped(std::size_t count) {
  std::string digits = std::to_string(count);
  for (std::size_t at = digits.size() > 3 ? digits.size() - 3 : 0; at > 0; at = at > 3 ? at - 3 : 0)
    digits.insert(at, 1, ',');
  return digits;
}

// At most kQuotedCharacters characters (a longer text cut, with an
// ellipsis), in straight double quotes.
std::string Quoted(std::string_view text) {
  std::size_t characters = 0;
  std::size_t cut = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (characters == kQuotedCharacters - 1) cut = i;
    if (++characters > kQuotedCharacters) break;
  }
  if (characters <= kQuotedCharacters) return '"' + std::string(text) + '"';
  return '"' + std::string(text.substr(0, cut)) + "\u2026\"";
}

// "0", "0 and 42", "0, 1.5 and 42"; one value when they are all the same.
std::string Values(const std::vector<NotNumber>& named, const numtext::Separators& sep) {
  const bool same = std::all_of(named.begin(), named.end(), [&](const NotNumber& n) {
    return numtext::NumberText(n.value, sep) == numtext::NumberText(named.front().value, sep);
  });
  std::string text;
  const std::size_t shown = same ? 1 : named.size();
  for (std::size_t i = 0; i < shown; ++i) {
    if (i > 0)
      text += i + 1 == shown ? core::Translated("AdditionNotice", QT_TRANSLATE_NOOP("AdditionNotice", " and ")) : ", ";
    text += numtext::NumberText(named[i].value, sep);
  }
  return text;
}

}  // namespace

std::string NotNumbersSentence(const NotNumbers& found, const numtext::Separators& sep) {
  if (found.count == 0 || found.first.empty()) return {};
  std::string quoted;
  for (const NotNumber& n : found.first) quoted += (quoted.empty() ? "" : ", ") + Quoted(n.text);
  const std::string values = Values(found.first, sep);
  // The window's own sentences, in the user's language.
  constexpr const char* kContext = "AdditionNotice";
  if (found.count == 1)
    return core::Fill(core::Translated(kContext, QT_TRANSLATE_NOOP("AdditionNotice",
                                                                   "1 entry is not a number and counts as %1: %2.")),
                      {values, quoted});
  const std::string count = Grouped(found.count);
  if (found.count == found.first.size()) {
    const char* many = QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 entries are not numbers and count as %2: %3.");
    return core::Fill(core::TranslatedCount(kContext, many, many, found.count, count), {"%1", values, quoted});
  }
  const char* many = QT_TRANSLATE_N_NOOP("AdditionNotice", "%1 entries are not numbers; the first %2 count as %3: %4.");
  return core::Fill(core::TranslatedCount(kContext, many, many, found.count, count),
                    {"%1", std::to_string(found.first.size()), values, quoted});
}

}  // namespace tallowmere::results
