#include "system/LocaleSeparators.h"

#include <QLocale>

namespace tallowmere::system {

numtext::Separators SystemSeparators() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace tallowmere::system
