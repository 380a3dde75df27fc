#pragma once
// The per-user settings store: plain text values under (application, section,
// key), one INI file per application in the user's configuration folder
// (Brindlecote.ini), one group per section. Every write is on disk before it
// returns. A settings path that holds anything but a regular file (a FIFO, a
// device, a folder, a link to one of these or to nothing) is never opened nor
// written: opening a FIFO blocks, and writing replaces whatever a link names.
// The file, its group and its keys stay readable by every release (see
// docs/compatibility.md, The stored options).
#include <QString>
#include <cstdint>

#include "numtext/Separators.h"
#include "platform/Dialogs.h"

namespace tallowmere::platform {

inline constexpr const char* kSettingsApplication = "Brindlecote";
inline constexpr const char* kSettingsSection = "Tallowmere";

// Why a write did not reach the file.
enum class SettingsFailure {
  kNone,
  kNotARegularFile,      // the path holds something else, or a link to nothing
  kLockNotARegularFile,  // the lock file beside it, which the write must take
  kFolderCannotBeMade,
  kCannotBeWritten,
};

// The settings file of an application, where QSettings::setPath says, found
// without opening anything.
QString SettingsFilePath(const QString& application);

// Read: the stored text, or `defaultText` when the key is absent or the file
// cannot be read.
QString GetSetting(const QString& application, const QString& section, const QString& key, const QString& defaultText);
// Write: stores the text under the key, creating or replacing it, and says
// why when it could not; with kCannotBeWritten, `reason` (when given) gets
// the system's reason where there is one ("No space left on device"). The
// file is written whole or not at all: a failed write leaves it as it was.
[[nodiscard]] SettingsFailure SaveSetting(const QString& application, const QString& section, const QString& key,
                                          const QString& text, QString* reason = nullptr);

// The notice for a write that failed: the file, why (with the system's
// reason, when known), and that the options still hold for the session.
QString SettingsFailureMessage(const QString& path, SettingsFailure failure, const QString& reason = QString());

// The store as one session uses it: the first write that fails and loses a
// change is told in a notice; later ones are not, the user knows already. A
// failed write of the text the file holds already loses nothing and is not
// told (start-up writes back what it read). `dialogs` shows that notice.
class SettingsStore {
 public:
  SettingsStore(QString application, QString section, Dialogs& dialogs);
  QString Get(const QString& key, const QString& defaultText) const;
  void Save(const QString& key, const QString& text);

 private:
  QString application_;
  QString section_;
  Dialogs& dialogs_;
  bool failureTold_ = false;
};

// Readings of stored texts, numbers with the user's separators. A text that cannot be read as the type throws
// ArithmeticError("Type mismatch"); a number outside the 16-bit range
// ArithmeticError("Overflow").
// Boolean: "True" or "False" (any case), or the text of a number (zero reads
// as false, any other number as true).
bool ReadBoolean(const QString& text, const numtext::Separators& sep);
// Integer: the text of a number, rounded to the nearest integer (ties to
// even), within -32768..32767.
std::int16_t ReadInteger16(const QString& text, const numtext::Separators& sep);

}  // namespace tallowmere::platform
