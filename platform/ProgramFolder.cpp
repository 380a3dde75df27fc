#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TALLOWMERE_DATA_FROM_BIN
#define TALLOWMERE_DATA_FROM_BIN "../share/tallowmere"
#endif

namespace tallowmere::platform {

ProgramFolder::ProgramFolder(const QString& folder)
    : folder_(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder),
      installedData_(QDir::cleanPath(folder_ + QLatin1Char('/') + QStringLiteral(TALLOWMERE_DATA_FROM_BIN))) {}

QString ProgramFolder::File(const QString& relative) const {
  const QString beside = folder_ + relative;
  if (QFileInfo::exists(beside)) return beside;
  const QString installed = installedData_ + relative;
  if (QFileInfo::exists(installed)) return installed;
  return beside;
}

}  // namespace tallowmere::platform
