#include "platform/DropData.h"

#include <QFile>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace tallowmere::platform {

bool OffersLocalFiles(const QMimeData* data) {
  if (!data || !data->hasUrls()) return false;
  const QList<QUrl> urls = data->urls();
  for (const QUrl& url : urls)
    if (url.isLocalFile()) return true;
  return false;
}

namespace {

// The path's bytes as the desktop sent them. A name that is not valid UTF-8
// survives only in the URL's percent-encoded form; going through a QString
// would turn its odd bytes into replacement characters and lose the file.
std::string LocalPathBytes(const QUrl& url) {
  if (!url.host().isEmpty()) return QFile::encodeName(url.toLocalFile()).toStdString();
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

}  // namespace

std::vector<std::string> DroppedLocalPaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  const QList<QUrl> urls = data->urls();
  for (const QUrl& url : urls)
    if (url.isLocalFile()) paths.push_back(LocalPathBytes(url));
  return paths;
}

bool OffersText(const QMimeData* data) { return data && !OffersLocalFiles(data) && data->hasText(); }

std::optional<QString> DroppedText(const QMimeData* data) {
  // Links count as text too: Qt gives them one a line.
  if (!data || OffersLocalFiles(data) || !data->hasText()) return std::nullopt;
  return data->text();
}

}  // namespace tallowmere::platform
