#include "results/Options.h"

#include "numtext/NumberTest.h"
#include "platform/SettingsStore.h"

namespace tallowmere::results {

QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

void StoreMethod(platform::SettingsStore& store, bool option1Selected, bool option2Selected) {
  store.Save(QStringLiteral("Option1"), BooleanText(option1Selected));
  store.Save(QStringLiteral("Option2"), BooleanText(option2Selected));
}

void StoreShowAllDecimals(platform::SettingsStore& store, bool checked) {
  store.Save(QStringLiteral("Check1"), checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void StoreDecimalPlaces(platform::SettingsStore& store, const QString& text) {
  store.Save(QStringLiteral("Combo1"), text);
}

bool DecimalPlacesAcceptable(const QString& text, const numtext::Separators& sep) {
  return text.isEmpty() || numtext::IsNumeric(text.toStdString(), sep);
}

}  // namespace tallowmere::results
