#include "platform/WholeFile.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <memory>

namespace tallowmere::platform {

namespace {

// Something other than a regular file stands at `path` (a link is followed).
// Nothing there, or nothing to be seen, is for the opening to find out.
bool HoldsOtherThanFile(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

}  // namespace

// What a drawing or an image writes through: every write goes whole to the
// file or fails, as it would not through QSaveFile itself (below).
class WholeFileWriter::CheckedDevice final : public QIODevice {
 public:
  explicit CheckedDevice(WholeFileWriter& owner) : owner_(owner) {}

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override { return owner_.WriteAll(data, size) ? size : -1; }

 private:
  WholeFileWriter& owner_;
};

WholeFileWriter::WholeFileWriter(const QString& path) : file_(path), device_(std::make_unique<CheckedDevice>(*this)) {}

// QSaveFile's own destructor removes a new file that was not committed.
WholeFileWriter::~WholeFileWriter() = default;

// Qt's own text for a failed write is often "Unknown error": the system's
// reason is taken from errno, which the failed call left, where there is one.
bool WholeFileWriter::Fail(int error, const QString& qtReason) {
  reason_ =
      error != 0 || qtReason.isEmpty() ? QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO)) : qtReason;
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
  // Unbuffered: a write fails where it fails, not in a flush that Qt 6.4's
  // commit() would not check.
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return FailWithErrno();
  device_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  return true;
}

// A write the disk takes only in part (the last bytes before it is full)
// answers the part without an error; the rest is written again, which then
// fails with the reason.
bool WholeFileWriter::WriteAll(const char* data, qint64 size) {
  if (!reason_.isEmpty() || !file_.isOpen()) return false;
  for (qint64 done = 0; done < size;) {
    errno = 0;
    const qint64 written = file_.write(data + done, size - done);
    if (written <= 0) return FailWithErrno();
    done += written;
  }
  return true;
}

bool WholeFileWriter::Write(const QByteArray& bytes) { return WriteAll(bytes.constData(), bytes.size()); }

bool WholeFileWriter::Commit() {
  if (!reason_.isEmpty() || !file_.isOpen()) return false;
  device_->close();
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
