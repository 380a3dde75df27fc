#include "results/Options.h"

#include "platform/SettingsStore.h"
#include "stats/NumberTest.h"

namespace options {
namespace {
void Store(const char* key, const QString& text) {
  SaveSetting(QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection),
              QString::fromLatin1(key), text);
}
}  // namespace

QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

void StoreMethod(bool option1Selected, bool option2Selected) {
  Store("Option1", BooleanText(option1Selected));
  Store("Option2", BooleanText(option2Selected));
}

void StoreShowAllDecimals(bool checked) { Store("Check1", checked ? QStringLiteral("1") : QStringLiteral("0")); }

void StoreDecimalPlaces(const QString& text) { Store("Combo1", text); }

bool DecimalPlacesAcceptable(const QString& text, const numtext::Separators& sep) {
  return text.isEmpty() || numtext::IsNumeric(text.toStdString(), sep);
}

}  // namespace options
