#include "input/ManualEntry.h"

#include <QString>

#include "input/ListFile.h"
#include "platform/Dialogs.h"

namespace tallowmere::input {

std::vector<std::string_view> SplitAtCommas(std::string_view answer) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = answer.find(',', start);
    if (comma == std::string_view::npos) {
      pieces.push_back(answer.substr(start));
      return pieces;
    }
    pieces.push_back(answer.substr(start, comma - start));
    start = comma + 1;
  }
}

std::string_view TrimSpaces(std::string_view piece) {
  const std::size_t first = piece.find_first_not_of(' ');
  if (first == std::string_view::npos) return piece.substr(0, 0);
  const std::size_t last = piece.find_last_not_of(' ');
  return piece.substr(first, last - first + 1);
}

bool IsPastedAnswer(std::string_view answer) { return answer.find_first_of("\r\n\t") != std::string_view::npos; }

void AddTypedNumbers(const ManualEntryHost& host) {
  core::Trap trap(host.errors, kManualEntryLocation);
  EntrySink& list = host.entries;
  // Commas and spaces are single bytes in UTF-8, so the pieces can be cut
  // from the encoded text directly.
  std::string answer;
  trap.Step(100, [&] { answer = host.dialogs.Input(QString::fromLatin1(kManualEntryPrompt)).toStdString(); });
  if (trap.Test(102, [&] { return answer.empty(); })) return;
  // A column or a row of cells: every number in it, as a list file gives
  // them, rather than one piece with the line breaks inside.
  if (IsPastedAnswer(answer)) {
    trap.Step(104, [&] { ReadPastedText(list, answer, host.separators); });
    trap.Step(114, [&] { list.Flush(); });
    return;
  }

  std::vector<std::string_view> pieces;
  trap.Step(104, [&] { pieces = SplitAtCommas(answer); });
  if (!trap.Test(106, [&] { return !pieces.empty(); })) return;

  std::string_view piece;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    trap.Step(110, [&] { piece = TrimSpaces(pieces[i]); });
    trap.Step(112, [&] { list.Append(piece); });
  }
  trap.Step(114, [&] { list.Flush(); });
}

}  // namespace tallowmere::input
