// Writes the English manual as a static page with its pictures, for the
// package's documentation folder: write_manual FOLDER.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "app/ManualText.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) return false;
  return file.commit();
}

QByteArray Page() {
  const QString title = QCoreApplication::translate("Manual", "Tallowmere Manual");
  return QStringLiteral(
             "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n</head>\n"
             "<body>\n%2</body>\n</html>\n")
      .arg(title.toHtmlEscaped(), tallowmere::app::ManualHtml(QString()))
      .toUtf8();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: write_manual FOLDER\n", stderr);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  bool written = Write(folder.filePath(QStringLiteral("index.html")), Page());
  for (const QString& image : tallowmere::app::ManualImages()) {
    QFile picture(QLatin1String(tallowmere::app::kManualImageResources) + image);
    written = written && picture.open(QIODevice::ReadOnly) && Write(folder.filePath(image), picture.readAll());
  }
  if (!written) std::fprintf(stderr, "write_manual: cannot write the manual to %s\n", argv[1]);
  return written ? 0 : 1;
}
