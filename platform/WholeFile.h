#pragma once
// Writing a file whole or not at all. The bytes go to a new file beside the
// old one, which is replaced only once every byte has reached the disk; any
// failure on the way leaves the old file exactly as it was and says why in
// the system's words ("No space left on device", "Permission denied").
//
// QSaveFile alone is not enough: Qt 6.4's commit() answers true when its last
// flush fails, and then puts a cut-short file (often an empty one) in place of
// the old. Every write here is flushed and checked before the commit.
//
// Only a regular file (or nothing) is replaced: a device, a FIFO or a folder
// at the path is refused, since putting a new file in place of a device node
// destroys the node.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

class QIODevice;

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
  // Where writers that take a device (an image, a drawing) write, once open.
  QIODevice& Device() { return file_; }
  // False, with Reason(), when not every byte was taken.
  [[nodiscard]] bool Write(const QByteArray& bytes);
  // Puts the new file in place when every byte reached the disk; otherwise
  // discards it. False, with Reason(), when the old file was kept.
  [[nodiscard]] bool Commit();
  // Why the last call failed; empty while nothing has.
  const QString& Reason() const { return reason_; }

 private:
  bool Fail(int error, const QString& qtReason);
  bool FailWithErrno();

  QSaveFile file_;
  QString reason_;
};

// Writes `bytes` to `path` whole or not at all. Empty when done; otherwise
// why the file was left as it was.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace tallowmere::platform
