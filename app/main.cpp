// Tallowmere: starts the main window; closing it ends the program.
#include <QApplication>
#include <QLocale>

#include "app/EndProgram.h"
#include "app/Form1.h"
#include "stats/NumberText.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  // The regional number rules: the user's separators, read once.
  const QLocale locale = QLocale::system();
  numtext::SetUserSeparators({locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()});

  Form1 form;
  form.SetEndProgram([&form] { EndProgram(form); });
  form.show();
  return app.exec();
}
