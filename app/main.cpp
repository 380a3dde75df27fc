// Tallowmere: starts the main window; closing it ends the program.
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "app/Form1.h"
#include "stats/NumberText.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  // The regional number rules: the user's separators, read once.
  const QLocale locale = QLocale::system();
  numtext::SetUserSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

  Form1 form;
  form.SetEndProgram([&form] {
    // Every setting was stored when it changed. When the window closes in the
    // middle of a command that lets window events run, nothing of that
    // command may run on: leave at once. Otherwise return from the event
    // loop normally, so the clipboard can be handed over on the way out.
    if (form.CommandRunning()) {
      std::fflush(nullptr);
      std::_Exit(0);
    }
    QCoreApplication::exit(0);
  });
  form.show();
  return app.exec();
}
