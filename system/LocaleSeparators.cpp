#include "system/LocaleSeparators.h"

#include <QLocale>

numtext::Separators SystemSeparators() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
