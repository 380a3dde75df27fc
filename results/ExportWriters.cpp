#include "results/ExportWriters.h"

#include <QByteArray>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/WholeFile.h"
#include "results/ReportList.h"

namespace tallowmere::results {

namespace {

void Pump(const core::LetEventsRun& letEventsRun) {
  if (letEventsRun) letEventsRun();
}

// Text, then spaces up to the width, then a TAB. A text longer than its width
// (the list changed after the widths were taken) gets no spaces.
void AppendCell(QString& buffer, const QString& text, qsizetype width) {
  buffer += text;
  if (width > text.size()) buffer += QString(width - text.size(), QLatin1Char(' '));
  buffer += QLatin1Char('\t');
}

// Widths of every column over all rows, ticked or not, starting from
// `start(c)`.
template <class Start>
std::vector<qsizetype> ColumnWidths(const ReportList& list, int columns, int rows, Start start,
                                    const core::LetEventsRun& letEventsRun) {
  std::vector<qsizetype> widths;
  widths.reserve(static_cast<std::size_t>(columns));
  for (int c = 0; c < columns; ++c) {
    qsizetype w = start(c);
    for (int r = 0; r < rows; ++r) {
      Pump(letEventsRun);
      w = std::max(w, CellText(list, r, c).size());
    }
    widths.push_back(w);
  }
  return widths;
}

class TextFileWriter {
 public:
  explicit TextFileWriter(const QString& path) : file_(path) {
    if (!file_.Open()) throw std::runtime_error(Describe("cannot create the file"));
  }

  void WriteLine(const QString& text) {
    // The user's 8-bit encoding; on this platform that is UTF-8.
    QByteArray bytes = text.toLocal8Bit();
    bytes.append("\r\n", 2);
    if (!file_.Write(bytes)) throw std::runtime_error(Describe("cannot write the file"));
  }

  void Close() {
    if (!file_.Commit()) throw std::runtime_error(Describe("cannot write the file"));
  }

  // After a failure of the list (a row gone while window events ran), the
  // lines written so far are the file; after one of the file, nothing is put
  // in place and any file that was there stays as it was.
  void KeepWhatWasWritten() { (void)file_.Commit(); }

 private:
  std::string Describe(const char* what) const { return std::string(what) + ": " + file_.Reason().toStdString(); }

  platform::WholeFileWriter file_;  // a file not committed is discarded
};

// The header line and the ticked rows, over the rows and columns the widths
// were taken of.
void WriteLines(const ReportList& list, int columns, int rows, const std::vector<qsizetype>& widths,
                TextFileWriter& file, const core::LetEventsRun& letEventsRun) {
  QString buffer;
  for (int c = 0; c < columns; ++c) {
    Pump(letEventsRun);
    AppendCell(buffer, HeaderText(list, c), widths[static_cast<std::size_t>(c)]);
  }
  file.WriteLine(buffer);

  for (int r = 0; r < rows; ++r) {
    Pump(letEventsRun);
    buffer.clear();
    if (!Ticked(list, r)) continue;
    for (int c = 0; c < columns; ++c) {
      Pump(letEventsRun);
      AppendCell(buffer, CellText(list, r, c), widths[static_cast<std::size_t>(c)]);
    }
    file.WriteLine(buffer);
  }
}

}  // namespace

void SaveListViewAsTextFile(const ReportList& list, const QString& path, const core::LetEventsRun& letEventsRun) {
  const int columns = list.ReportColumns();
  const int rows = list.ReportRows();
  const std::vector<qsizetype> widths = ColumnWidths(
      list, columns, rows, [&](int c) { return HeaderText(list, c).size(); }, letEventsRun);

  TextFileWriter file(path);
  try {
    WriteLines(list, columns, rows, widths, file, letEventsRun);
  } catch (...) {
    file.KeepWhatWasWritten();
    throw;
  }
  file.Close();
}

QString ClipboardTextOfListView(const ReportList& list, const core::LetEventsRun& letEventsRun) {
  const int columns = list.ReportColumns();
  const int rows = list.ReportRows();
  const std::vector<qsizetype> widths = ColumnWidths(
      list, columns, rows, [](int) { return qsizetype{0}; }, letEventsRun);

  QString text;
  QString line;
  for (int r = 0; r < rows; ++r) {
    Pump(letEventsRun);
    if (!Ticked(list, r)) continue;
    line.clear();
    for (int c = 0; c < columns; ++c) {
      Pump(letEventsRun);
      AppendCell(line, CellText(list, r, c), widths[static_cast<std::size_t>(c)]);
    }
    // The last cell's TAB goes, then every space before it: the padding of
    // the last column and any spaces the text itself ended with. (A list
    // without columns gives empty lines; nothing of an earlier line is cut.)
    line.chop(1);
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == QLatin1Char(' ')) --end;
    line.truncate(end);
    text += line;
    text += QLatin1String("\r\n");
  }
  return text;
}

void CopyListViewToClipboard(const ReportList& list, const core::LetEventsRun& letEventsRun) {
  if (list.ReportRows() == 0) return;
  const QString text = ClipboardTextOfListView(list, letEventsRun);
  platform::ClipboardClear();
  platform::ClipboardSetText(text);
}

}  // namespace tallowmere::results
