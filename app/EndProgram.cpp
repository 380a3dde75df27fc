#include "app/EndProgram.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "app/Form1.h"

namespace tallowmere::app {

void EndProgram(const Form1& form) {
  if (form.CommandRunning()) {
    std::fflush(nullptr);
    std::_Exit(0);
  }
  QCoreApplication::exit(0);
}

}  // namespace tallowmere::app
