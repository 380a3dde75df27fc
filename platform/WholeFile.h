#pragma once
// Writing a file whole or not at all. The bytes go to a new file beside the
// old one, which is replaced only once every byte has reached the disk; any
// failure on the way leaves the old file exactly as it was and says why in
// the system's words ("No space left on device", "Permission denied").
//
// QSaveFile alone is not enough: Qt 6.4's commit() answers true when its last
// flush fails, and a write the disk takes only in part answers the part
// without an error; either way a cut-short file (often an empty one) takes
// the old one's place. Every write here is checked whole, and the flush
// before the commit.
//
// Only a regular file (or nothing) is replaced: a device, a FIFO or a folder
// at the path is refused, since putting a new file in place of a device node
// destroys the node.
#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <memory>

namespace tallowmere::platform {

class WholeFileWriter {
 public:
  explicit WholeFileWriter(const QString& path);
  // A writer that was not committed leaves the old file.
  ~WholeFileWriter();
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  // Begins the new file. False, with Reason(), when the path names something
  // other than a regular file or the folder takes no new file.
  [[nodiscard]] bool Open();
  // Where writers that take a device (a drawing) write, once open; a write
  // that fails there fails the commit.
  QIODevice& Device() { return *device_; }
  // False, with Reason(), when not every byte was taken.
  [[nodiscard]] bool Write(const QByteArray& bytes);
  // Puts the new file in place when every byte reached the disk; otherwise
  // discards it. False, with Reason(), when the old file was kept.
  [[nodiscard]] bool Commit();
  // Why the last call failed; empty while nothing has.
  const QString& Reason() const { return reason_; }

 private:
  class CheckedDevice;
  bool Fail(int error, const QString& qtReason);
  bool FailWithErrno();
  bool WriteAll(const char* data, qint64 size);

  QSaveFile file_;
  std::unique_ptr<QIODevice> device_;
  QString reason_;
};

// Writes `bytes` to `path` whole or not at all. Empty when done; otherwise
// why the file was left as it was.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace tallowmere::platform
