#include "input/LoadFilesCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "input/ListFile.h"

namespace tallowmere::input {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Steps 100 to 110: the open dialog. Answers the chosen paths (none when the
// user cancelled).
std::vector<std::string> ChooseFiles(const LoadFilesHost& host, core::Trap& trap) {
  std::vector<std::string> fileNames;
  trap.Step(100, [&] { fileNames.clear(); });
  // 102: several files may be chosen, and a typed name of a missing file
  // comes back as chosen (the dialog does not insist that it exists).
  QString title;
  trap.Step(104, [&] { title = QCoreApplication::translate("LoadFilesCommand", kLoadFilesTitle); });
  QStringList filters;
  trap.Step(106, [&] {
    filters = {QCoreApplication::translate("Dialogs", platform::kTextFilesFilter),
               QCoreApplication::translate("Dialogs", platform::kAllFilesFilter),
               QCoreApplication::translate("Dialogs", platform::kTablesFilter)};
  });
  trap.Step(108, [&] { fileNames = DialogFileNames(host.dialogs.OpenFiles(title, filters)); });
  return fileNames;
}

// Steps 114 to 138: the chosen files read in turn, under the busy pointer.
// The dialog gives the paths themselves (112 has nothing to split).
void ReadChosen(const LoadFilesHost& host, core::Trap& trap, FileReading& reading,
                const std::vector<std::string>& fileNames) {
  trap.Step(114, [&] {
    if (host.setBusy) host.setBusy(true);
  });
  if (trap.Test(116, [&] { return fileNames.size() == 1; })) {
    std::string path;
    trap.Step(118, [&] { path = fileNames.at(0); });
    reading.ReadInTurn(
        1, [] { return false; }, [&](std::size_t) { trap.Step(120, [&] { reading.Read(path); }); });
  } else if (trap.Test(122, [&] { return fileNames.size() > 1; })) {
    std::size_t first = 0, last = 0;
    trap.Step(124, [&] { first = 0; });
    trap.Step(126, [&] { last = fileNames.size() - 1; });
    // A stop asked for while the last file was read ends the command.
    reading.ReadInTurn(
        last + 1 - first, [&] { return reading.AskedToStop(); },
        [&](std::size_t k) {  // 128
          std::string path;
          trap.Step(130, [&] { path = fileNames[first + k]; });
          trap.Step(132, [&] { path = FixPathSlashes(path); });
          trap.Step(134, [&] { reading.Read(path); });
        });  // 136
  }
  trap.Step(138, [&] { host.entries.Flush(); });
  trap.Step(138, [&] {
    if (host.setBusy) host.setBusy(false);
  });
}

}  // namespace

std::vector<std::string> DialogFileNames(const QStringList& chosenPaths) {
  std::vector<std::string> fileNames;
  if (chosenPaths.size() == 1) fileNames.push_back(LocalPath(chosenPaths.front()));
  if (chosenPaths.size() > 1) {
    for (const QString& chosen : chosenPaths) fileNames.push_back(LocalPath(QFileInfo(chosen).absoluteFilePath()));
  }
  return fileNames;
}

DropState LoadNumbersFromFiles(const LoadFilesHost& host) {
  FlushingErrorSink errors(host.entries, host.errors);
  core::Trap trap(errors, kLoadFilesLocation);
  FileReading reading({[&host](const std::string& path, const ShowNotReadFn& showNotRead,
                               const core::LetEventsRun& letEventsRun, const ShouldStopFn& shouldStop) {
                         return LoadListFile(host.entries, path, host.separators, showNotRead, letEventsRun,
                                             shouldStop);
                       },
                       [&host](const std::string& path, NotRead why) {
                         host.entries.Flush();
                         host.dialogs.Message(QString::fromStdString(NotReadText(path, why)));
                       },
                       host.letEventsRun, host.shouldStop, host.progress});
  reading.State().phase = DropPhase::kReadingFiles;
  const std::vector<std::string> fileNames = ChooseFiles(host, trap);
  if (trap.Test(110, [&] { return fileNames.empty(); })) return reading.State();
  reading.State().filesFound = fileNames.size();
  reading.Tell();
  ReadChosen(host, trap, reading, fileNames);
  return reading.State();
}

}  // namespace tallowmere::input
