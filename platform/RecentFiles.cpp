#include "platform/RecentFiles.h"

namespace tallowmere::platform {

QStringList WithRecentFile(QStringList recent, const QString& path, int max) {
  if (path.isEmpty() || path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) return recent;
  recent.removeAll(path);
  recent.prepend(path);
  while (recent.size() > max) recent.removeLast();
  return recent;
}

QStringList WithoutRecentFile(QStringList recent, const QString& path) {
  recent.removeAll(path);
  return recent;
}

QStringList RecentFilesFromText(const QString& text) {
  QStringList recent;
  for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    if (!recent.contains(line) && recent.size() < kMaxRecentFiles) recent.append(line);
  return recent;
}

QString RecentFilesText(const QStringList& recent) { return recent.join(QLatin1Char('\n')); }

}  // namespace tallowmere::platform
