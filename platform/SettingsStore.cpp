#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStringList>

#include "stats/Arithmetic.h"
#include "stats/NumberTest.h"

namespace {
QString Group(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
}  // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key, const QString& defaultText) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, application);
  const QVariant value = store.value(Group(section, key));
  if (!value.isValid()) return defaultText;
  // A hand-edited line such as "Combo1=1,2" reads back as a list in INI
  // syntax; give the text back as it stands in the file.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
  return value.toString();
}

void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& text) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, application);
  store.setValue(Group(section, key), text);
  store.sync();
}

bool ReadBoolean(const QString& text, const numtext::Separators& sep) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  const std::string utf8 = text.toStdString();
  if (!numtext::IsNumeric(utf8, sep)) throw ArithmeticError(kTypeMismatch);
  return numtext::NumericValue(utf8, sep) != 0.0;
}

std::int16_t ReadInteger16(const QString& text, const numtext::Separators& sep) {
  return numtext::ToInteger16(text.toStdString(), sep);
}
