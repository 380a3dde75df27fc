#include "platform/DropData.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

bool OffersLocalFiles(const QMimeData* data) {
  if (!data || !data->hasUrls()) return false;
  const QList<QUrl> urls = data->urls();
  for (const QUrl& url : urls)
    if (url.isLocalFile()) return true;
  return false;
}

std::vector<std::string> DroppedLocalPaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  const QList<QUrl> urls = data->urls();
  for (const QUrl& url : urls)
    if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  return paths;
}
