#include "platform/WholeFile.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace tallowmere::platform {

namespace {

// Something other than a regular file stands at `path` (a link is followed).
// Nothing there, or nothing to be seen, is for the opening to find out.
bool HoldsOtherThanFile(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

}  // namespace

WholeFileWriter::WholeFileWriter(const QString& path) : file_(path) {}

// QSaveFile's own destructor removes a new file that was not committed.
WholeFileWriter::~WholeFileWriter() = default;

// Qt's own text for a failed flush is "Unknown error": the system's reason is
// taken from errno, which the failed call left, where there is one.
bool WholeFileWriter::Fail(int error, const QString& qtReason) {
  reason_ = error != 0 || qtReason.isEmpty() ? QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO)) : qtReason;
  if (file_.isOpen()) file_.cancelWriting();
  return false;
}

bool WholeFileWriter::FailWithErrno() {
  const int error = errno;
  return Fail(error, file_.errorString());
}

bool WholeFileWriter::Open() {
  if (HoldsOtherThanFile(file_.fileName()))
    return Fail(0, QCoreApplication::translate("WholeFileWriter", "not a regular file"));
  errno = 0;
  if (!file_.open(QIODevice::WriteOnly)) return FailWithErrno();
  return true;
}

bool WholeFileWriter::Write(const QByteArray& bytes) {
  if (!reason_.isEmpty() || !file_.isOpen()) return false;
  errno = 0;
  if (file_.write(bytes) != bytes.size()) return FailWithErrno();
  return true;
}

bool WholeFileWriter::Commit() {
  if (!reason_.isEmpty() || !file_.isOpen()) return false;
  // The flush is where a full disk shows; commit() would not say.
  errno = 0;
  if (!file_.flush() || file_.error() != QFileDevice::NoError) return FailWithErrno();
  errno = 0;
  if (!file_.commit()) return FailWithErrno();
  return true;
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
  WholeFileWriter file(path);
  if (file.Open() && file.Write(bytes) && file.Commit()) return QString();
  return file.Reason();
}

}  // namespace tallowmere::platform
