// Tallowmere: starts the main window; closing it ends the program. Paths on the
// command line are read as a drop on the number list once the window shows.
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/EndProgram.h"
#include "app/Form1.h"
#include "core/MemoryFailures.h"
#include "platform/CalcSpreadsheet.h"
#include "platform/Language.h"
#include "platform/OneSizeWindow.h"
#include "system/HugePages.h"
#include "system/LocaleSeparators.h"
#include "system/StateFolder.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::stats;
using namespace tallowmere::system;
using namespace tallowmere::platform;
using namespace tallowmere::app;

namespace {

std::string CurrentFolder() {
  std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
  return cwd ? std::string(cwd.get()) : std::string();
}

// Where an X display is at hand (on a Wayland desktop too, through XWayland),
// the window runs through X, where everything the manual shows holds: the
// window is centred, boxes open over it, the pointer's screen position is
// known.
// Wayland itself is the fallback. A platform the user chose is respected.
bool PlatformChosen(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") break;
    if (a == "-platform" || a == "--platform" || a.starts_with("-platform=") || a.starts_with("--platform="))
      return true;
  }
  return false;
}

int PrintAndExit(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A run that met a failure to get memory shows no rows it could not work
  // out: every such failure is counted.
  core::CountMemoryFailures();
  // The large arrays on huge pages, from before the first of them exists.
  system::UseHugePages();
  // The words in the user's language, the help's too; numbers keep the
  // locale's separators. The translations go into the application once it
  // exists.
  Translations translations;
  StartTranslations(translations, false);
  // Help and the version need no display.
  switch (RequestedInformation(argc, argv)) {
    case CommandLine::Action::Help:
      return PrintAndExit(HelpText());
    case CommandLine::Action::Version:
      return PrintAndExit(VersionText());
    default:
      break;
  }

  const bool preferX = !PlatformChosen(argc, argv) && !qEnvironmentVariableIsEmpty("DISPLAY");
  if (preferX) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  // Programs started from here (the spreadsheet) choose for themselves.
  if (preferX) qunsetenv("QT_QPA_PLATFORM");
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) KeepFixedSizeWindowsInShape(app);
  QGuiApplication::setDesktopFileName(QStringLiteral(TALLOWMERE_APP_ID));
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), CurrentFolder());
  if (line.action == CommandLine::Action::Usage) {
    std::fprintf(stderr, "tallowmere: %s\nUsage: tallowmere [OPTION]... [PATH]...\nTry 'tallowmere --help'.\n",
                 line.error.c_str());
    return 2;
  }

  translations.Install();

  // Workbook files that spreadsheet exports of earlier runs left behind.
  RemoveExportsOfEarlierRuns();

  // The regional number rules: the user's separators, read once.
  // The list kept at the last close is offered again, from the user's state folder.
  Form1 form(SystemSeparators(), QString(),
             {.dialogs = nullptr, .spreadsheet = {}, .stateFolder = system::StateFolderPath()});
  form.SetEndProgram([&form] { EndProgram(form); });
  form.show();
  // After the window is up, so the list fills and any report shows over it.
  QTimer::singleShot(0, &form, [&form, paths = line.paths]() mutable { form.OpenPaths(std::move(paths)); });
  return app.exec();
}
