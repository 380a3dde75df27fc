#pragma once
// The files used last (list files loaded or saved, tables opened), newest
// first, kept in the settings store under one key as one path a line.
#include <QString>
#include <QStringList>

namespace tallowmere::platform {

inline constexpr const char* kRecentFilesKey = "RecentFiles";
inline constexpr int kMaxRecentFiles = 8;

// `recent` with `path` first, any earlier mention of it dropped and at most
// `max` paths. A path that cannot be kept on one line changes nothing.
QStringList WithRecentFile(QStringList recent, const QString& path, int max = kMaxRecentFiles);
// `recent` without `path`.
QStringList WithoutRecentFile(QStringList recent, const QString& path);

// The stored text and back: one path a line, empty lines ignored.
QStringList RecentFilesFromText(const QString& text);
QString RecentFilesText(const QStringList& recent);

}  // namespace tallowmere::platform
