#include "platform/SettingsStore.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "core/ArithmeticError.h"
#include "numtext/NumberTest.h"
#include "platform/Dialogs.h"
#include "platform/WholeFile.h"

namespace tallowmere::platform {

namespace {

QString Group(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

enum class Node { kAbsent, kRegularFile, kOther };

// What stands at `path`. Nothing there, or nothing to be seen (a folder on
// the way missing or not searchable), is absent: QSettings sees nothing either
// and opens nothing. With `followLink` a link counts as what it leads to, and
// a link that leads nowhere as something else.
Node NodeAt(const QString& path, bool followLink) {
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0) return Node::kAbsent;
  if (followLink && S_ISLNK(st.st_mode) && ::stat(native.constData(), &st) != 0) return Node::kOther;
  return S_ISREG(st.st_mode) ? Node::kRegularFile : Node::kOther;
}

// The text stored under a key; nothing when the key is absent or the file
// cannot be read.
std::optional<QString> StoredText(const QString& application, const QString& section, const QString& key) {
  if (NodeAt(SettingsFilePath(application), true) == Node::kOther) return std::nullopt;
  QSettings store(QSettings::IniFormat, QSettings::UserScope, application);
  const QVariant value = store.value(Group(section, key));
  if (!value.isValid()) return std::nullopt;
  // A hand-edited line such as "Combo1=1,2" reads back as a list in INI
  // syntax; give the text back as it stands in the file.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
  return value.toString();
}

// The bytes of the settings file at `path` with `group` set to `text`, as
// QSettings writes them. QSettings does not check its own write (Qt 6.4's
// QSaveFile::commit() answers true after a failed flush and puts a cut-short
// file in place), so it writes a scratch copy beside the file, which is read
// back and compared before its bytes are written whole. Nothing, with
// `reason` (the system's, where it gave one), when the copy could not be made.
std::optional<QByteArray> UpdatedFileBytes(const QString& application, const QString& path, const QString& group,
                                           const QString& text, QString& reason) {
  const auto systemReason = [&reason] {
    reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
    return std::nullopt;
  };
  QByteArray old;
  if (NodeAt(path, true) == Node::kRegularFile) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return systemReason();
    old = file.readAll();
  }
  QTemporaryFile scratch(path + QStringLiteral(".XXXXXX"));
  errno = 0;
  if (!scratch.open() || scratch.write(old) != old.size() || !scratch.flush()) return systemReason();
  scratch.close();
  {
    QSettings copy(scratch.fileName(), QSettings::IniFormat);
    copy.setValue(group, text);
    copy.sync();
    if (copy.status() == QSettings::AccessError) return systemReason();
  }
  // Every key the file held, and the new one, must read back from the copy
  // as they read from the file: a copy cut short is never put in its place.
  const QSettings written(scratch.fileName(), QSettings::IniFormat);
  const QSettings held(QSettings::IniFormat, QSettings::UserScope, application);
  if (written.value(group) != QVariant(text)) return std::nullopt;
  for (const QString& k : held.allKeys())
    if (k != group && written.value(k) != held.value(k)) return std::nullopt;
  QFile copied(scratch.fileName());
  errno = 0;
  if (!copied.open(QIODevice::ReadOnly)) return systemReason();
  return copied.readAll();
}

}  // namespace

QString SettingsFilePath(const QString& application) {
  // Only QSettings knows the folder that setPath chose, and it reads its file
  // as it is made. A probe named longer than any file name may be tells the
  // folder: no file of that name can exist, so QSettings opens nothing.
  const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QString(300, QLatin1Char('-')));
  return QFileInfo(probe.fileName()).path() + QLatin1Char('/') + application + QStringLiteral(".ini");
}

QString GetSetting(const QString& application, const QString& section, const QString& key, const QString& defaultText) {
  return StoredText(application, section, key).value_or(defaultText);
}

SettingsFailure SaveSetting(const QString& application, const QString& section, const QString& key, const QString& text,
                            QString* reason) {
  const QString path = SettingsFilePath(application);
  if (NodeAt(path, true) == Node::kOther) return SettingsFailure::kNotARegularFile;
  // QSettings waits without end for its lock while anything but a plain file
  // it could remove as stale holds the lock's place.
  if (NodeAt(path + QStringLiteral(".lock"), false) == Node::kOther) return SettingsFailure::kLockNotARegularFile;
  if (!QDir().mkpath(QFileInfo(path).path())) return SettingsFailure::kFolderCannotBeMade;
  // The same lock QSettings takes: another copy of the program writing at
  // the same time reads the file only after this write.
  QLockFile lock(path + QStringLiteral(".lock"));
  lock.lock();
  QString why;
  const std::optional<QByteArray> bytes = UpdatedFileBytes(application, path, Group(section, key), text, why);
  if (bytes) why = WriteWholeFile(path, *bytes);
  if (why.isEmpty() && bytes) return SettingsFailure::kNone;
  if (reason) *reason = why;
  return SettingsFailure::kCannotBeWritten;
}

namespace {
QString Tr(const char* text) { return QCoreApplication::translate("SettingsStore", text); }
}  // namespace

QString SettingsFailureMessage(const QString& path, SettingsFailure failure, const QString& reason) {
  QString why;
  switch (failure) {
    case SettingsFailure::kNone:
      return QString();
    case SettingsFailure::kNotARegularFile:
      why = Tr(QT_TRANSLATE_NOOP("SettingsStore", "it is not a regular file"));
      break;
    case SettingsFailure::kLockNotARegularFile:
      why = Tr(QT_TRANSLATE_NOOP("SettingsStore", "its lock file %1 is not a regular file"))
                .arg(path + QStringLiteral(".lock"));
      break;
    case SettingsFailure::kFolderCannotBeMade:
      why = Tr(QT_TRANSLATE_NOOP("SettingsStore", "its folder cannot be created"));
      break;
    case SettingsFailure::kCannotBeWritten:
      why = reason.isEmpty() ? Tr(QT_TRANSLATE_NOOP("SettingsStore", "it cannot be written"))
                             : Tr(QT_TRANSLATE_NOOP("SettingsStore", "it cannot be written: %1")).arg(reason);
      break;
  }
  return Tr(QT_TRANSLATE_NOOP("SettingsStore",
                              "The options cannot be saved to %1: %2. They stay as chosen until %3 ends."))
      .arg(path, why, ApplicationTitle());
}

SettingsStore::SettingsStore(QString application, QString section, Dialogs& dialogs)
    : application_(std::move(application)), section_(std::move(section)), dialogs_(dialogs) {}

QString SettingsStore::Get(const QString& key, const QString& defaultText) const {
  return GetSetting(application_, section_, key, defaultText);
}

void SettingsStore::Save(const QString& key, const QString& text) {
  // Start-up writes back what it read from the file; when the file holds the
  // text already nothing is lost, so a settings file kept read-only earns no
  // box until an option really changes. Asked before the write: QSettings
  // keeps a write that failed and answers reads with it.
  const bool held = !failureTold_ && StoredText(application_, section_, key) == text;
  QString reason;
  const SettingsFailure failure = SaveSetting(application_, section_, key, text, &reason);
  if (failure == SettingsFailure::kNone || failureTold_ || held) return;
  // Marked before the box opens: handlers that run while it is up write too.
  failureTold_ = true;
  dialogs_.Message(SettingsFailureMessage(SettingsFilePath(application_), failure, reason));
}

bool ReadBoolean(const QString& text, const numtext::Separators& sep) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  const std::string utf8 = text.toStdString();
  if (!numtext::IsNumeric(utf8, sep)) throw core::ArithmeticError(core::kTypeMismatch);
  return numtext::NumericValue(utf8, sep) != 0.0;
}

std::int16_t ReadInteger16(const QString& text, const numtext::Separators& sep) {
  return numtext::ToInteger16(text.toStdString(), sep);
}

}  // namespace tallowmere::platform
