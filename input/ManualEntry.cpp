#include "input/ManualEntry.h"

#include <QCoreApplication>
#include <QString>
#include <string>

#include "input/ListFile.h"
#include "numtext/ListNumber.h"
#include "numtext/NumberTest.h"
#include "platform/Dialogs.h"

namespace tallowmere::input {

namespace {

std::vector<std::string_view> SplitAt(std::string_view answer, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = answer.find(separator, start);
    if (at == std::string_view::npos) {
      pieces.push_back(answer.substr(start));
      return pieces;
    }
    pieces.push_back(answer.substr(start, at - start));
    start = at + 1;
  }
}

bool IsLocaleNumber(std::string_view piece, const numtext::Separators& sep) {
  std::string buffer;
  return numtext::IsStrictlyNumeric(numtext::WithAsciiDigits(piece, sep, buffer), sep);
}

std::vector<TypedPiece> Untested(const std::vector<std::string_view>& texts) {
  std::vector<TypedPiece> pieces;
  pieces.reserve(texts.size());
  for (std::string_view text : texts) pieces.push_back({text, false});
  return pieces;
}

}  // namespace

std::vector<std::string_view> SplitAtCommas(std::string_view answer) { return SplitAt(answer, ','); }

std::vector<std::string_view> SplitAtSemicolons(std::string_view answer) { return SplitAt(answer, ';'); }

std::string_view TrimSpaces(std::string_view piece) {
  const std::size_t first = piece.find_first_not_of(' ');
  if (first == std::string_view::npos) return piece.substr(0, 0);
  const std::size_t last = piece.find_last_not_of(' ');
  return piece.substr(first, last - first + 1);
}

bool IsPastedAnswer(std::string_view answer) { return answer.find_first_of("\r\n\t") != std::string_view::npos; }

bool UsesDecimalComma(const numtext::Separators& sep) { return sep.decimal == ","; }

std::vector<TypedPiece> TypedPieces(std::string_view answer, const numtext::Separators& sep) {
  if (!UsesDecimalComma(sep)) return Untested(SplitAtCommas(answer));
  const std::string_view whole = TrimSpaces(answer);
  if (IsLocaleNumber(whole, sep)) return {{whole, true}};
  if (answer.find(';') == std::string_view::npos) return Untested(SplitAtCommas(answer));
  std::vector<TypedPiece> pieces;
  for (std::string_view text : SplitAtSemicolons(answer)) {
    const std::string_view trimmed = TrimSpaces(text);
    pieces.push_back({trimmed, IsLocaleNumber(trimmed, sep)});
  }
  return pieces;
}

void AddTypedNumbers(const ManualEntryHost& host) {
  core::Trap trap(host.errors, kManualEntryLocation);
  EntrySink& list = host.entries;
  // The prompt says how to separate numbers: "use commas" wherever the
  // decimal separator is the point, as the manual shows it; "use semicolons"
  // where a comma would split a number.
  const QString prompt = UsesDecimalComma(host.separators)
                             ? QCoreApplication::translate("ManualEntry", kManualEntrySemicolonPrompt)
                             : QCoreApplication::translate("ManualEntry", kManualEntryPrompt);
  // Commas, semicolons and spaces are single bytes in UTF-8, so the pieces
  // can be cut from the encoded text directly.
  std::string answer;
  trap.Step(100, [&] { answer = host.dialogs.Input(prompt).toStdString(); });
  if (trap.Test(102, [&] { return answer.empty(); })) return;
  // A column or a row of cells: every number in it, as a list file gives
  // them, rather than one piece with the line breaks inside.
  if (IsPastedAnswer(answer)) {
    trap.Step(104, [&] { ReadPastedText(list, answer, host.separators); });
    trap.Step(114, [&] { list.Flush(); });
    return;
  }

  std::vector<TypedPiece> pieces;
  trap.Step(104, [&] { pieces = TypedPieces(answer, host.separators); });
  if (!trap.Test(106, [&] { return !pieces.empty(); })) return;

  TypedPiece piece;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    trap.Step(110, [&] { piece = {TrimSpaces(pieces[i].text), pieces[i].localeNumber}; });
    // A number the locale reads is worth that number, as a list line is.
    trap.Step(112, [&] { piece.localeNumber ? list.AppendTestedText(piece.text) : list.Append(piece.text); });
  }
  trap.Step(114, [&] { list.Flush(); });
}

}  // namespace tallowmere::input
