#include "input/LoadFilesCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "input/ListFile.h"

namespace tallowmere::input {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::vector<std::string> SplitAtNul(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (;;) {
    std::size_t nul = text.find('\0', start);
    pieces.push_back(text.substr(start, nul == std::string::npos ? std::string::npos : nul - start));
    if (nul == std::string::npos) return pieces;
    start = nul + 1;
  }
}

}  // namespace

std::string ComposeDialogFileName(const QStringList& chosenPaths) {
  if (chosenPaths.isEmpty()) return {};
  if (chosenPaths.size() == 1) return LocalPath(chosenPaths.front());

  QStringList folders, names;
  for (const QString& chosen : chosenPaths) {
    QString path = QFileInfo(chosen).absoluteFilePath();
    qsizetype slash = path.lastIndexOf(u'/');
    folders.append(slash <= 0 ? QStringLiteral("/") : path.left(slash));
    names.append(path.mid(slash + 1));
  }
  bool oneFolder = folders.count(folders.front()) == folders.size();
  std::string composed = oneFolder ? LocalPath(folders.front()) : std::string();
  for (qsizetype i = 0; i < names.size(); ++i) {
    composed += '\0';
    composed += oneFolder ? LocalPath(names[i]) : LocalPath(folders[i] + u'/' + names[i]);
  }
  return composed;
}

DropState LoadNumbersFromFiles(const LoadFilesHost& host) {
  FlushingErrorSink errors(host.entries, host.errors);
  core::Trap trap(errors, kLoadFilesLocation);
  ShowNotReadFn showNotRead = [&host](const std::string& path, NotRead why) {
    host.entries.Flush();
    host.dialogs.Message(QString::fromStdString(NotReadText(path, why)));
  };
  DropState state;
  state.phase = DropPhase::kReadingFiles;
  auto tell = [&] {
    if (host.progress) host.progress(state);
  };
  // Once asked, the command stays stopped.
  auto askedToStop = [&] {
    if (!state.stopped && host.shouldStop && host.shouldStop()) state.stopped = true;
    return state.stopped;
  };
  auto read = [&](const std::string& path) {
    if (state.filesRead == 0) state.firstFile = path;
    if (!LoadListFile(host.entries, path, host.separators, showNotRead, host.letEventsRun, askedToStop))
      state.fileCut = true;
  };
  // A file cut short by a stop still counts, but the command ends with it.
  auto counted = [&] {
    ++state.filesRead;
    if (!state.fileCut) tell();
  };

  std::string fileName;
  trap.Step(100, [&] { fileName.clear(); });
  // 102: several files may be chosen, and a typed name of a missing file
  // comes back as chosen (the dialog does not insist that it exists).
  QString title;
  trap.Step(104, [&] { title = QCoreApplication::translate("LoadFilesCommand", kLoadFilesTitle); });
  QStringList filters;
  trap.Step(106, [&] {
    filters = {QCoreApplication::translate("Dialogs", platform::kTextFilesFilter),
               QCoreApplication::translate("Dialogs", platform::kAllFilesFilter)};
  });
  trap.Step(108, [&] { fileName = ComposeDialogFileName(host.dialogs.OpenFiles(title, filters)); });
  if (trap.Test(110, [&] { return fileName.empty(); })) return state;

  std::vector<std::string> pieces;
  trap.Step(112, [&] { pieces = SplitAtNul(fileName); });
  state.filesFound = pieces.size() <= 1 ? pieces.size() : pieces.size() - 1;
  tell();
  trap.Step(114, [&] {
    if (host.setBusy) host.setBusy(true);
  });
  if (trap.Test(116, [&] { return pieces.size() == 1; })) {
    std::string path;
    trap.Step(118, [&] { path = pieces.at(0); });
    trap.Step(120, [&] { read(path); });
    counted();
  } else if (trap.Test(122, [&] { return pieces.size() > 1; })) {
    std::size_t first = 0, last = 0;
    trap.Step(124, [&] { first = 1; });
    trap.Step(126, [&] { last = pieces.size() - 1; });
    for (std::size_t i = first; i <= last && i < pieces.size(); ++i) {  // 128
      // A stop asked for while the last file was read ends the command.
      if (askedToStop()) break;
      std::string path;
      trap.Step(130, [&] { path = pieces[0] + "/" + pieces[i]; });
      trap.Step(132, [&] { path = FixPathSlashes(path); });
      trap.Step(134, [&] { read(path); });
      counted();
    }  // 136
  }
  trap.Step(138, [&] { host.entries.Flush(); });
  trap.Step(138, [&] {
    if (host.setBusy) host.setBusy(false);
  });
  return state;
}

}  // namespace tallowmere::input
